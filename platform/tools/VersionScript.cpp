// Compiles VERSIONINFO into the module's version record (see VersionScript.h).
#include "tools/VersionScript.h"

#include <cstdio>
#include <map>

namespace zrc {
namespace {

// The names rc knows for the fixed statements' values.
const std::map<std::string, long>& VersionNames() {
  static const std::map<std::string, long> names = {
      {"VS_FFI_FILEFLAGSMASK", 0x3F}, {"VS_FF_DEBUG", 1}, {"VS_FF_PRERELEASE", 2}, {"VS_FF_PATCHED", 4},
      {"VS_FF_PRIVATEBUILD", 8}, {"VS_FF_INFOINFERRED", 0x10}, {"VS_FF_SPECIALBUILD", 0x20},
      {"VOS_UNKNOWN", 0}, {"VOS__WINDOWS32", 4}, {"VOS_NT", 0x40000}, {"VOS_NT_WINDOWS32", 0x40004},
      {"VFT_UNKNOWN", 0}, {"VFT_APP", 1}, {"VFT_DLL", 2}, {"VFT_DRV", 3}, {"VFT_FONT", 4},
      {"VFT_STATIC_LIB", 7}, {"VFT2_UNKNOWN", 0},
  };
  return names;
}

bool IsWord(const Token& t, const char* w) { return t.kind == Token::Word && t.text == w; }
bool IsPunct(const Token& t, const char* p) { return t.kind == Token::Punct && t.text == p; }
bool IsOpen(const Token& t) { return IsWord(t, "BEGIN") || IsPunct(t, "{"); }
bool IsClose(const Token& t) { return IsWord(t, "END") || IsPunct(t, "}"); }

// One value: a number or a name, or several joined by "|".
unsigned long Flags(Lexer& lex) {
  unsigned long value = 0;
  for (;;) {
    Token t = lex.Next();
    if (t.kind == Token::Number) value |= static_cast<unsigned long>(t.value);
    else if (t.kind == Token::Word && VersionNames().count(t.text)) value |= VersionNames().at(t.text);
    else if (t.kind == Token::Word && lex.defines.count(t.text)) value |= lex.defines[t.text];
    else Fail(lex.File(), t.line, "expected a number, found '" + t.text + "'");
    if (!IsPunct(lex.Peek(), "|")) return value & 0xFFFFFFFFul;
    lex.Next();
  }
}

// "a,b,c,d" as the record's two DWORDs: a<<16|b and c<<16|d.
void Version(Lexer& lex, unsigned long& ms, unsigned long& ls) {
  unsigned long part[4];
  for (int i = 0; i < 4; ++i) {
    Token t = lex.Next();
    if (i > 0) {
      if (!IsPunct(t, ",")) Fail(lex.File(), t.line, "a version has four numbers a,b,c,d");
      t = lex.Next();
    }
    long v;
    if (t.kind == Token::Number) v = t.value;
    else if (t.kind == Token::Word && lex.defines.count(t.text)) v = lex.defines[t.text];
    else Fail(lex.File(), t.line, "expected a version number, found '" + t.text + "'");
    if (v < 0 || v > 65535) Fail(lex.File(), t.line, "version number out of range (0-65535): " + std::to_string(v));
    part[i] = static_cast<unsigned long>(v);
  }
  ms = part[0] << 16 | part[1];
  ls = part[2] << 16 | part[3];
}

// BLOCK "name" { ... } and VALUE "name", values: checked for their shape, not kept.
void SkipBlock(Lexer& lex) {
  for (;;) {
    Token t = lex.Next();
    if (IsClose(t)) return;
    if (t.kind == Token::End) Fail(lex.File(), t.line, "VERSIONINFO without END");
    if (IsWord(t, "BLOCK")) {
      if (lex.Next().kind != Token::String) Fail(lex.File(), t.line, "BLOCK without its name");
      if (!IsOpen(lex.Next())) Fail(lex.File(), t.line, "BLOCK without BEGIN");
      SkipBlock(lex);
    } else if (IsWord(t, "VALUE")) {
      if (lex.Next().kind != Token::String) Fail(lex.File(), t.line, "VALUE without its name");
      while (IsPunct(lex.Peek(), ",")) {
        lex.Next();
        Token v = lex.Next();
        if (v.kind != Token::String && v.kind != Token::Number && v.kind != Token::Word)
          Fail(lex.File(), v.line, "expected a value, found '" + v.text + "'");
      }
    } else {
      Fail(lex.File(), t.line, "expected BLOCK, VALUE or END, found '" + t.text + "'");
    }
  }
}

std::string Hex(unsigned long v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08lXu", v & 0xFFFFFFFFul);
  return buf;
}

}  // namespace

std::string CompileVersionInfo(Lexer& lex, int line) {
  unsigned long fileMS = 0, fileLS = 0, productMS = 0, productLS = 0;
  unsigned long mask = 0, flags = 0, os = 0, type = 0, subtype = 0;
  for (;;) {
    Token t = lex.Next();
    if (IsOpen(t)) break;
    if (IsWord(t, "FILEVERSION")) Version(lex, fileMS, fileLS);
    else if (IsWord(t, "PRODUCTVERSION")) Version(lex, productMS, productLS);
    else if (IsWord(t, "FILEFLAGSMASK")) mask = Flags(lex);
    else if (IsWord(t, "FILEFLAGS")) flags = Flags(lex);
    else if (IsWord(t, "FILEOS")) os = Flags(lex);
    else if (IsWord(t, "FILETYPE")) type = Flags(lex);
    else if (IsWord(t, "FILESUBTYPE")) subtype = Flags(lex);
    else if (t.kind == Token::End) Fail(lex.File(), line, "VERSIONINFO without BEGIN");
    else Fail(lex.File(), t.line, "unknown VERSIONINFO statement '" + t.text + "'");
  }
  SkipBlock(lex);
  return "[[gnu::used, gnu::retain, gnu::section(ZRX_VERSION_SECTION)]] const VS_FIXEDFILEINFO kVersion = {\n"
         "    VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, " +
         Hex(fileMS) + ", " + Hex(fileLS) + ", " + Hex(productMS) + ", " + Hex(productLS) + ",\n    " + Hex(mask) +
         ", " + Hex(flags) + ", " + Hex(os) + ", " + Hex(type) + ", " + Hex(subtype) + ", 0u, 0u};\n";
}

}  // namespace zrc
