// Compiles DIALOGEX/DIALOG templates (caption, STYLE, EXSTYLE, FONT and the control
// statements), ICON and PNG files beside the script, and DLGINIT records into C++ tables.
#include "tools/DialogScript.h"

#include <algorithm>
#include <iterator>

namespace zrc {
namespace {

// The style names a template may use, with their values.
const std::map<std::string, long>& StyleNames() {
  static const std::map<std::string, long> names = {
      {"WS_OVERLAPPED", 0}, {"WS_POPUP", 0x80000000L}, {"WS_CHILD", 0x40000000L}, {"WS_VISIBLE", 0x10000000L},
      {"WS_DISABLED", 0x08000000L}, {"WS_CLIPSIBLINGS", 0x04000000L}, {"WS_CLIPCHILDREN", 0x02000000L},
      {"WS_CAPTION", 0x00C00000L}, {"WS_BORDER", 0x00800000L}, {"WS_DLGFRAME", 0x00400000L},
      {"WS_VSCROLL", 0x00200000L}, {"WS_HSCROLL", 0x00100000L}, {"WS_SYSMENU", 0x00080000L},
      {"WS_THICKFRAME", 0x00040000L}, {"WS_GROUP", 0x00020000L}, {"WS_TABSTOP", 0x00010000L},
      {"WS_MINIMIZEBOX", 0x00020000L}, {"WS_MAXIMIZEBOX", 0x00010000L},
      {"WS_EX_DLGMODALFRAME", 1}, {"WS_EX_TOPMOST", 8}, {"WS_EX_TRANSPARENT", 0x20}, {"WS_EX_TOOLWINDOW", 0x80},
      {"WS_EX_WINDOWEDGE", 0x100}, {"WS_EX_CLIENTEDGE", 0x200}, {"WS_EX_STATICEDGE", 0x20000},
      {"WS_EX_APPWINDOW", 0x40000}, {"WS_EX_CONTROLPARENT", 0x10000}, {"WS_EX_NOPARENTNOTIFY", 4},
      {"DS_ABSALIGN", 1}, {"DS_SETFONT", 0x40}, {"DS_MODALFRAME", 0x80}, {"DS_FIXEDSYS", 8}, {"DS_3DLOOK", 4},
      {"DS_CENTER", 0x800}, {"DS_SHELLFONT", 0x48}, {"DS_CONTROL", 0x400}, {"DS_SETFOREGROUND", 0x200},
      {"BS_PUSHBUTTON", 0}, {"BS_DEFPUSHBUTTON", 1}, {"BS_CHECKBOX", 2}, {"BS_AUTOCHECKBOX", 3},
      {"BS_RADIOBUTTON", 4}, {"BS_3STATE", 5}, {"BS_AUTO3STATE", 6}, {"BS_GROUPBOX", 7}, {"BS_AUTORADIOBUTTON", 9},
      {"BS_OWNERDRAW", 0xB}, {"BS_ICON", 0x40}, {"BS_BITMAP", 0x80}, {"BS_LEFT", 0x100}, {"BS_RIGHT", 0x200},
      {"BS_CENTER", 0x300}, {"BS_VCENTER", 0xC00}, {"BS_MULTILINE", 0x2000}, {"BS_NOTIFY", 0x4000}, {"BS_FLAT", 0x8000},
      {"SS_LEFT", 0}, {"SS_CENTER", 1}, {"SS_RIGHT", 2}, {"SS_ICON", 3}, {"SS_BLACKRECT", 4}, {"SS_WHITERECT", 6},
      {"SS_BLACKFRAME", 7}, {"SS_LEFTNOWORDWRAP", 0xC}, {"SS_BITMAP", 0xE}, {"SS_ETCHEDFRAME", 0x12},
      {"SS_REALSIZECONTROL", 0x40}, {"SS_NOPREFIX", 0x80}, {"SS_NOTIFY", 0x100}, {"SS_CENTERIMAGE", 0x200},
      {"SS_REALSIZEIMAGE", 0x800}, {"SS_SUNKEN", 0x1000}, {"SS_ENDELLIPSIS", 0x4000}, {"SS_PATHELLIPSIS", 0x8000},
      {"ES_LEFT", 0}, {"ES_CENTER", 1}, {"ES_RIGHT", 2}, {"ES_MULTILINE", 4}, {"ES_UPPERCASE", 8},
      {"ES_LOWERCASE", 0x10}, {"ES_PASSWORD", 0x20}, {"ES_AUTOVSCROLL", 0x40}, {"ES_AUTOHSCROLL", 0x80},
      {"ES_NOHIDESEL", 0x100}, {"ES_READONLY", 0x800}, {"ES_WANTRETURN", 0x1000}, {"ES_NUMBER", 0x2000},
      {"CBS_SIMPLE", 1}, {"CBS_DROPDOWN", 2}, {"CBS_DROPDOWNLIST", 3}, {"CBS_OWNERDRAWFIXED", 0x10},
      {"CBS_AUTOHSCROLL", 0x40}, {"CBS_SORT", 0x100}, {"CBS_HASSTRINGS", 0x200}, {"CBS_NOINTEGRALHEIGHT", 0x400},
      {"CBS_DISABLENOSCROLL", 0x800},
      {"LVS_ICON", 0}, {"LVS_REPORT", 1}, {"LVS_SMALLICON", 2}, {"LVS_LIST", 3}, {"LVS_SINGLESEL", 4},
      {"LVS_SHOWSELALWAYS", 8}, {"LVS_SORTASCENDING", 0x10}, {"LVS_SHAREIMAGELISTS", 0x40},
      {"LVS_NOLABELWRAP", 0x80}, {"LVS_AUTOARRANGE", 0x100}, {"LVS_EDITLABELS", 0x200}, {"LVS_ALIGNLEFT", 0x800},
      {"LVS_NOSCROLL", 0x2000}, {"LVS_NOCOLUMNHEADER", 0x4000}, {"LVS_NOSORTHEADER", 0x8000},
  };
  return names;
}

// The window classes a template's CONTROL may name, as the platform registers them.
const char* const kClasses[] = {"Button", "Edit", "Static", "ComboBox", "SysListView32", "RichEdit20W",
                                "MfcPropertyGrid", "MfcEditBrowse", "MfcButton", "MfcLink"};

const long kChild = 0x40000000L | 0x10000000L;  // WS_CHILD | WS_VISIBLE

class Parser {
public:
  Parser(Lexer& lex) : lex_(lex) {}

  Token Take() { return t_ = lex_.Next(); }
  Token Peek() { return lex_.Peek(); }
  [[noreturn]] void Error(const std::string& why) { Fail(lex_.File(), t_.line, why); }
  bool IsWord(const Token& t, const char* w) { return t.kind == Token::Word && t.text == w; }
  bool IsPunct(const Token& t, const char* p) { return t.kind == Token::Punct && t.text == p; }
  bool IsOpen(const Token& t) { return IsWord(t, "BEGIN") || IsPunct(t, "{"); }
  bool IsClose(const Token& t) { return IsWord(t, "END") || IsPunct(t, "}"); }

  // A number: digits, a defined name, a leading minus.
  long Number(const char* what) {
    Take();
    bool negative = false;
    if (IsPunct(t_, "-")) {
      negative = true;
      Take();
    }
    long v;
    if (t_.kind == Token::Number) v = t_.value;
    else if (t_.kind == Token::Word && lex_.defines.count(t_.text)) v = lex_.defines[t_.text];
    else Error(std::string("expected ") + what + ", found '" + t_.text + "'");
    return negative ? -v : v;
  }

  void Comma() {
    if (!IsPunct(Take(), ",")) Error("expected ',', found '" + t_.text + "'");
  }
  bool OptionalComma() {
    if (!IsPunct(Peek(), ",")) return false;
    Take();
    return true;
  }

  // Style terms joined by "|", each a name or number, "NOT" clearing its bits from `value`.
  long Style(long value) {
    for (;;) {
      bool negate = false;
      if (IsWord(Peek(), "NOT")) {
        Take();
        negate = true;
      }
      Take();
      long v;
      if (t_.kind == Token::Number) v = t_.value;
      else if (t_.kind == Token::Word && StyleNames().count(t_.text)) v = StyleNames().at(t_.text);
      else if (t_.kind == Token::Word && lex_.defines.count(t_.text)) v = lex_.defines[t_.text];
      else if (t_.kind == Token::Word) Error("unknown style '" + t_.text + "'");
      else Error("expected a style, found '" + t_.text + "'");
      value = negate ? (value & ~v) : (value | v);
      if (!IsPunct(Peek(), "|")) return value;
      Take();
    }
  }

  std::string Text() {
    if (Take().kind != Token::String) Error("expected a text, found '" + t_.text + "'");
    std::string joined = t_.text;
    while (Peek().kind == Token::String) joined += Take().text;
    return WideLiteral(Decode(joined, lex_.File(), t_.line));
  }

  Lexer& lex_;
  Token t_{Token::End, "", 0, 0};
};

std::string Item(const std::string& cls, const std::string& text, long id, long style, long exStyle, long x, long y,
                 long cx, long cy) {
  return "{L\"" + cls + "\", " + text + ", " + std::to_string(id) + ", " + std::to_string(static_cast<unsigned long>(style) & 0xFFFFFFFFul) +
         "u, " + std::to_string(static_cast<unsigned long>(exStyle) & 0xFFFFFFFFul) + "u, " + std::to_string(x) + ", " +
         std::to_string(y) + ", " + std::to_string(cx) + ", " + std::to_string(cy) + "}";
}

std::string Bytes(const std::string& name, const std::vector<unsigned char>& bytes) {
  std::string out = "const unsigned char " + name + "[] = {";
  for (size_t i = 0; i < bytes.size(); ++i) out += (i % 24 == 0 ? "\n    " : "") + std::to_string(bytes[i]) + ",";
  if (bytes.empty()) out += "0";
  return out + "};\n";
}

void Dialog(Parser& p, long id, int line, CompiledResources& out) {
  long x = p.Number("x"), y = (p.Comma(), p.Number("y")), cx = (p.Comma(), p.Number("width")),
       cy = (p.Comma(), p.Number("height"));
  if (p.OptionalComma()) p.Number("a help id");
  long style = 0x80000000L | 0x00800000L | 0x00080000L, exStyle = 0;
  std::string caption = "nullptr", font = "nullptr";
  long fontSize = 0;
  bool styled = false;
  for (;;) {
    Token t = p.Take();
    if (p.IsOpen(t)) break;
    if (t.kind == Token::End) Fail(p.lex_.File(), line, "DIALOGEX without BEGIN");
    if (p.IsWord(t, "STYLE")) {
      style = p.Style(styled ? style : 0);
      styled = true;
    } else if (p.IsWord(t, "EXSTYLE")) {
      exStyle = p.Style(0);
    } else if (p.IsWord(t, "CAPTION")) {
      caption = p.Text();
      style |= 0x00C00000L;
    } else if (p.IsWord(t, "FONT")) {
      fontSize = p.Number("a font size");
      p.Comma();
      font = p.Text();
      while (p.OptionalComma()) p.Number("a font setting");
    } else if (p.IsWord(t, "MENU") || p.IsWord(t, "CLASS")) {
      p.Take();
    } else if (p.IsWord(t, "LANGUAGE") || p.IsWord(t, "CHARACTERISTICS") || p.IsWord(t, "VERSION")) {
      p.Number("a number");
      while (p.OptionalComma()) p.Number("a number");
    } else {
      p.Error("unknown dialog option '" + t.text + "'");
    }
  }
  std::vector<std::string> items;
  for (;;) {
    Token t = p.Take();
    if (p.IsClose(t)) break;
    if (t.kind == Token::End) Fail(p.lex_.File(), line, "DIALOGEX without END");
    if (t.kind != Token::Word) p.Error("expected a control statement, found '" + t.text + "'");
    const std::string kw = t.text;
    if (kw == "CONTROL") {
      std::string text = p.Text();
      long cid = (p.Comma(), p.Number("a control id"));
      p.Comma();
      std::string cls = p.Text();
      std::string bare = cls.substr(2, cls.size() - 3);
      auto known = std::find_if(std::begin(kClasses), std::end(kClasses), [&](const char* c) {
        std::string a = c, b = bare;
        std::transform(a.begin(), a.end(), a.begin(), ::tolower);
        std::transform(b.begin(), b.end(), b.begin(), ::tolower);
        return a == b;
      });
      if (known == std::end(kClasses)) p.Error("unknown control class \"" + bare + "\"");
      p.Comma();
      long st = p.Style(kChild);
      long cx0 = (p.Comma(), p.Number("x")), cy0 = (p.Comma(), p.Number("y")), w = (p.Comma(), p.Number("width")),
           h = (p.Comma(), p.Number("height"));
      long ex = p.OptionalComma() ? p.Style(0) : 0;
      if (p.OptionalComma()) p.Number("a help id");
      items.push_back(Item(*known, text, cid, st, ex, cx0, cy0, w, h));
      continue;
    }
    struct Kind {
      const char* word;
      const char* cls;
      long style;
      bool text;
    };
    static const Kind kinds[] = {
        {"PUSHBUTTON", "Button", 0x10000, true},       {"DEFPUSHBUTTON", "Button", 0x10001, true},
        {"LTEXT", "Static", 0x20000, true},             {"RTEXT", "Static", 0x20002, true},
        {"CTEXT", "Static", 0x20001, true},             {"GROUPBOX", "Button", 7, true},
        {"CHECKBOX", "Button", 0x10002, true},          {"AUTOCHECKBOX", "Button", 0x10003, true},
        {"RADIOBUTTON", "Button", 4, true},             {"AUTORADIOBUTTON", "Button", 9, true},
        {"EDITTEXT", "Edit", 0x10000 | 0x00800000L, false}, {"COMBOBOX", "ComboBox", 0x10001, false},
        {"ICON", "Static", 3, true}};
    const Kind* k = nullptr;
    for (const Kind& c : kinds)
      if (kw == c.word) k = &c;
    if (!k) p.Error("unknown control statement '" + kw + "'");
    std::string text = "L\"\"";
    if (k->text) {
      if (kw == "ICON" && p.Peek().kind != Token::String) text = "L\"#" + std::to_string(p.Number("an icon")) + "\"";
      else text = p.Text();
      p.Comma();
    }
    long cid = p.Number("a control id");
    long cx0 = (p.Comma(), p.Number("x")), cy0 = (p.Comma(), p.Number("y"));
    long w = 0, h = 0, st = kChild | k->style, ex = 0;
    if (kw != "ICON" || p.IsPunct(p.Peek(), ",")) {
      w = (p.Comma(), p.Number("width"));
      h = (p.Comma(), p.Number("height"));
    }
    if (p.OptionalComma()) st = p.Style(st);
    if (p.OptionalComma()) ex = p.Style(0);
    items.push_back(Item(k->cls, text, cid, st, ex, cx0, cy0, w, h));
  }
  std::string name = "kItems" + std::to_string(out.dialogs.size());
  if (!items.empty()) {
    out.definitions += "const platform::DialogItemTemplate " + name + "[] = {\n";
    for (const std::string& i : items) out.definitions += "    " + i + ",\n";
    out.definitions += "};\n";
  }
  out.dialogs.push_back("{" + std::to_string(id) + "u, " + caption + ", " + std::to_string(static_cast<unsigned long>(style) & 0xFFFFFFFFul) +
                        "u, " + std::to_string(static_cast<unsigned long>(exStyle) & 0xFFFFFFFFul) + "u, " + std::to_string(x) + ", " +
                        std::to_string(y) + ", " + std::to_string(cx) + ", " + std::to_string(cy) + ", " + font + ", " +
                        std::to_string(fontSize) + ", " + (items.empty() ? "nullptr" : name) + ", " +
                        std::to_string(items.size()) + "}");
}

void File(Parser& p, long id, const std::string& kind, CompiledResources& out) {
  Token t = p.Take();
  if (t.kind != Token::String) p.Error("expected the file of " + kind + " " + std::to_string(id));
  std::string path = t.text;
  std::replace(path.begin(), path.end(), '\\', '/');
  std::ifstream in(p.lex_.Folder() + path, std::ios::binary);
  if (!in) p.Error("cannot read " + t.text);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string name = "kBinary" + std::to_string(out.binaries.size());
  out.definitions += Bytes(name, bytes);
  out.binaries.push_back("{" + std::to_string(id) + "u, L\"" + kind + "\", " + name + ", " + std::to_string(bytes.size()) + "}");
}

// DLGINIT: records "control, message, length, 0" then the data as 16-bit words (low byte
// first), closed by a 0.
void DialogInit(Parser& p, long id, int line, CompiledResources& out) {
  if (!p.IsOpen(p.Take())) p.Error("DLGINIT without BEGIN");
  std::vector<long> numbers;
  for (;;) {
    if (p.IsClose(p.Peek())) {
      p.Take();
      break;
    }
    if (p.Peek().kind == Token::End) Fail(p.lex_.File(), line, "DLGINIT without END");
    numbers.push_back(p.Number("a number"));
    p.OptionalComma();
  }
  for (size_t i = 0; i < numbers.size() && numbers[i] != 0;) {
    if (i + 4 > numbers.size()) Fail(p.lex_.File(), line, "DLGINIT record cut short");
    long control = numbers[i], message = numbers[i + 1], length = numbers[i + 2];
    i += 4;
    std::vector<unsigned char> bytes;
    for (long k = 0; k < (length + 1) / 2; ++k, ++i) {
      if (i >= numbers.size()) Fail(p.lex_.File(), line, "DLGINIT data cut short");
      bytes.push_back(static_cast<unsigned char>(numbers[i] & 0xFF));
      bytes.push_back(static_cast<unsigned char>((numbers[i] >> 8) & 0xFF));
    }
    bytes.resize(static_cast<size_t>(length));
    std::string name = "kInit" + std::to_string(out.inits.size());
    out.definitions += Bytes(name, bytes);
    out.inits.push_back("{" + std::to_string(id) + "u, " + std::to_string(control) + ", " + std::to_string(message) +
                        "u, " + name + ", " + std::to_string(bytes.size()) + "}");
  }
}

}  // namespace

bool IsCompiledKind(const std::string& w) {
  return w == "DIALOGEX" || w == "DIALOG" || w == "ICON" || w == "PNG" || w == "DLGINIT";
}

void CompileResource(Lexer& lex, long id, const std::string& kind, int line, CompiledResources& out) {
  Parser p(lex);
  if (kind == "DIALOGEX" || kind == "DIALOG") {
    if (std::count(out.dialogIds.begin(), out.dialogIds.end(), id)) Fail(lex.File(), line, "dialog " + std::to_string(id) + " given twice");
    out.dialogIds.push_back(id);
    Dialog(p, id, line, out);
  } else if (kind == "ICON" || kind == "PNG") {
    File(p, id, kind, out);
  } else {
    DialogInit(p, id, line, out);
  }
}

}  // namespace zrc
