// The resource compiler's core: tokenises a resource script and writes the string table
// as C++.
#include "tools/ResourceScript.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

namespace {

struct Token {
  enum Kind { Word, Number, String, Punct, End } kind;
  std::string text;  // for String: the decoded UTF-8 text
  long value = 0;
  int line = 0;
};

struct ScriptError {
  std::string message;
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& why) {
  throw ScriptError{file + ":" + std::to_string(line) + ": error: " + why};
}

// A whole number in decimal or "0x" hexadecimal (an "L" or "U" suffix allowed, as rc does);
// false for anything else, so "0x10" never reads as 0 nor "12ab" as 12.
bool ParseNumber(const std::string& text, long& value) {
  std::string digits = text;
  while (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l' || digits.back() == 'U' ||
                             digits.back() == 'u'))
    digits.pop_back();
  if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0]))) return false;
  bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
  errno = 0;
  char* end = nullptr;
  value = std::strtol(digits.c_str(), &end, hex ? 16 : 10);
  return errno == 0 && end && *end == '\0';
}

class Lexer {
public:
  Lexer(std::string text, std::string file) : s_(std::move(text)), file_(std::move(file)) {}

  Token Next() {
    SkipSpace();
    Token t{Token::End, "", 0, line_};
    if (i_ >= s_.size()) return t;
    char c = s_[i_];
    if (c == '"') return ReadString();
    if (std::isdigit(static_cast<unsigned char>(c))) {
      size_t start = i_;
      while (i_ < s_.size() && std::isalnum(static_cast<unsigned char>(s_[i_]))) ++i_;
      t.kind = Token::Number;
      t.text = s_.substr(start, i_ - start);
      if (!ParseNumber(t.text, t.value)) Fail(file_, line_, "not a number: '" + t.text + "'");
      return t;
    }
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      size_t start = i_;
      while (i_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_')) ++i_;
      t.kind = Token::Word;
      t.text = s_.substr(start, i_ - start);
      return t;
    }
    t.kind = Token::Punct;
    t.text = std::string(1, c);
    ++i_;
    return t;
  }

  // Preprocessor lines seen so far: "#define NAME value".
  std::map<std::string, long> defines;

private:
  void SkipSpace() {
    while (i_ < s_.size()) {
      char c = s_[i_];
      if (c == '\n') {
        ++line_;
        ++i_;
        atLineStart_ = true;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++i_;
      } else if (c == '/' && i_ + 1 < s_.size() && s_[i_ + 1] == '/') {
        while (i_ < s_.size() && s_[i_] != '\n') ++i_;
      } else if (c == '/' && i_ + 1 < s_.size() && s_[i_ + 1] == '*') {
        size_t end = s_.find("*/", i_ + 2);
        if (end == std::string::npos) Fail(file_, line_, "unterminated comment");
        for (size_t k = i_; k < end; ++k) line_ += s_[k] == '\n';
        i_ = end + 2;
      } else if (c == '#' && atLineStart_) {
        size_t end = s_.find('\n', i_);
        std::string directive = s_.substr(i_, end == std::string::npos ? std::string::npos : end - i_);
        std::istringstream in(directive);
        std::string hash, name, number;
        long value;
        if (in >> hash >> name >> number && hash == "#define" && ParseNumber(number, value))
          defines[name] = value;
        i_ = end == std::string::npos ? s_.size() : end;
      } else {
        atLineStart_ = false;
        return;
      }
    }
  }

  Token ReadString() {
    Token t{Token::String, "", 0, line_};
    ++i_;  // opening quote
    for (;;) {
      if (i_ >= s_.size() || s_[i_] == '\n') Fail(file_, t.line, "unterminated string");
      char c = s_[i_++];
      if (c == '"') {
        if (i_ < s_.size() && s_[i_] == '"') {
          t.text += '"';
          ++i_;
          continue;
        }
        return t;
      }
      if (c != '\\') {
        t.text += c;
        continue;
      }
      if (i_ >= s_.size()) Fail(file_, t.line, "unterminated string");
      char e = s_[i_++];
      switch (e) {
        case 'n': t.text += '\n'; break;
        case 't': t.text += '\t'; break;
        case 'r': t.text += '\r'; break;
        case 'a': t.text += '\a'; break;
        case '\\': t.text += '\\'; break;
        case '"': t.text += '"'; break;
        case '0': t.text += std::string(1, '\0'); break;
        default: Fail(file_, t.line, std::string("unknown escape \\") + e);
      }
    }
  }

  std::string s_, file_;
  size_t i_ = 0;
  int line_ = 1;
  bool atLineStart_ = true;
};

std::u32string Decode(const std::string& utf8, const std::string& file, int line) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    size_t extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 9;
    if (extra == 9 || i + extra >= utf8.size() + (extra ? 0 : 1)) Fail(file, line, "text is not UTF-8");
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
      auto n = static_cast<unsigned char>(utf8[i + k]);
      if ((n & 0xC0) != 0x80) Fail(file, line, "text is not UTF-8");
      c = (c << 6) | (n & 0x3F);
    }
    static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
      Fail(file, line, "text is not UTF-8");  // over-long, beyond Unicode or a surrogate
    out.push_back(c);
    i += extra + 1;
  }
  return out;
}

std::string WideLiteral(const std::u32string& text) {
  std::string out = "L\"";
  char buf[16];
  for (char32_t c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      std::snprintf(buf, sizeof buf, "\\U%08X", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out + "\"";
}

}  // namespace

bool CompileResourceScript(const std::string& source, const std::string& file, std::string& cpp,
                           std::string& error) {
  std::string text = source;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  try {
    Lexer lex(text, file);
    std::map<long, std::u32string> strings;
    Token t = lex.Next();
    auto isWord = [](const Token& tok, const char* w) { return tok.kind == Token::Word && tok.text == w; };
    auto isOpen = [&](const Token& tok) { return isWord(tok, "BEGIN") || (tok.kind == Token::Punct && tok.text == "{"); };
    auto isClose = [&](const Token& tok) { return isWord(tok, "END") || (tok.kind == Token::Punct && tok.text == "}"); };

    while (t.kind != Token::End) {
      if (isWord(t, "STRINGTABLE")) {
        do t = lex.Next(); while (t.kind != Token::End && !isOpen(t));  // options before BEGIN
        if (t.kind == Token::End) Fail(file, t.line, "STRINGTABLE without BEGIN");
        t = lex.Next();
        while (!isClose(t)) {
          if (t.kind == Token::End) Fail(file, t.line, "STRINGTABLE without END");
          long id;
          if (t.kind == Token::Number) id = t.value;
          else if (t.kind == Token::Word && lex.defines.count(t.text)) id = lex.defines[t.text];
          else Fail(file, t.line, "expected a string id, found '" + t.text + "'");
          int line = t.line;
          t = lex.Next();
          if (t.kind == Token::Punct && t.text == ",") t = lex.Next();
          if (t.kind != Token::String) Fail(file, line, "expected the text of string " + std::to_string(id));
          std::string joined;
          while (t.kind == Token::String) {
            joined += t.text;
            t = lex.Next();
          }
          if (id < 0 || id > 65535) Fail(file, line, "string id out of range: " + std::to_string(id));
          if (strings.count(id)) Fail(file, line, "string id " + std::to_string(id) + " given twice");
          strings[id] = Decode(joined, file, line);
        }
        t = lex.Next();
      } else if (isOpen(t)) {  // a resource statement we do not compile: skip its block
        int depth = 1;
        while (depth > 0) {
          t = lex.Next();
          if (t.kind == Token::End) Fail(file, t.line, "block without END");
          if (isOpen(t)) ++depth;
          if (isClose(t)) --depth;
        }
        t = lex.Next();
      } else {
        t = lex.Next();
      }
    }

    std::ostringstream out;
    out << "// Generated by zrc from " << file.substr(file.find_last_of('/') + 1) << "; do not edit.\n"
        << "#include \"mfc/Resources.h\"\n\nnamespace {\n";
    if (!strings.empty()) {
      out << "const platform::ResourceString kStrings[] = {\n";
      for (auto& [id, s] : strings) out << "    {" << id << "u, " << WideLiteral(s) << "},\n";
      out << "};\nconst platform::ResourceImage kImage = {kStrings, " << strings.size() << "};\n";
    } else {
      out << "const platform::ResourceImage kImage = {nullptr, 0};\n";
    }
    out << "[[maybe_unused]] const bool kRegistered = (platform::RegisterResourceImage(&kImage, &kImage), true);\n"
        << "}  // namespace\n";
    cpp = out.str();
    return true;
  } catch (const ScriptError& e) {
    error = e.message;
    return false;
  }
}
