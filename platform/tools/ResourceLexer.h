// The resource compiler's lexer and text helpers: tokens of a resource script (words,
// numbers, strings, punctuation), "#define" and "#include" lines, UTF-8 decoding and C++
// wide literals. Shared by the string-table and dialog parts of the compiler.
#ifndef PLATFORM_TOOLS_RESOURCELEXER_H
#define PLATFORM_TOOLS_RESOURCELEXER_H

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zrc {

struct Token {
  enum Kind { Word, Number, String, Punct, End } kind;
  std::string text;  // for String: the decoded UTF-8 text
  long value = 0;
  int line = 0;
};

struct ScriptError {
  std::string message;
};

[[noreturn]] inline void Fail(const std::string& file, int line, const std::string& why) {
  throw ScriptError{file + ":" + std::to_string(line) + ": error: " + why};
}

// A whole number in decimal or "0x" hexadecimal (an "L" or "U" suffix allowed, as rc does);
// false for anything else, so "0x10" never reads as 0 nor "12ab" as 12.
inline bool ParseNumber(const std::string& text, long& value) {
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

// A "#define" value: a number, negative or in parentheses ("(-1)").
inline bool ParseDefine(std::string text, long& value) {
  if (text.size() > 2 && text.front() == '(' && text.back() == ')') text = text.substr(1, text.size() - 2);
  bool negative = !text.empty() && text[0] == '-';
  if (!ParseNumber(negative ? text.substr(1) : text, value)) return false;
  if (negative) value = -value;
  return true;
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

  /// The next token without taking it.
  Token Peek() {
    size_t i = i_;
    int line = line_;
    bool start = atLineStart_;
    Token t = Next();
    i_ = i;
    line_ = line;
    atLineStart_ = start;
    return t;
  }

  /// The folder of the script, for the files it names ("" or ending in "/").
  std::string Folder() const {
    size_t slash = file_.find_last_of('/');
    return slash == std::string::npos ? "" : file_.substr(0, slash + 1);
  }
  const std::string& File() const { return file_; }

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
        if (in >> hash >> name >> number && hash == "#define" && ParseDefine(number, value))
          defines[name] = value;
        else if (hash == "#include") Include(name, line_);
        i_ = end == std::string::npos ? s_.size() : end;
      } else {
        atLineStart_ = false;
        return;
      }
    }
  }

  // "#include "name"": the "#define"s of a header beside the script; system headers
  // (<...>) are not read.
  void Include(const std::string& name, int line) {
    if (name.size() < 2 || name.front() != '"' || name.back() != '"') return;
    std::ifstream in(Folder() + name.substr(1, name.size() - 2));
    if (!in) Fail(file_, line, "cannot read the header " + name);
    for (std::string text; std::getline(in, text);) {
      std::istringstream words(text);
      std::string hash, define, number;
      long value;
      if (words >> hash >> define >> number && hash == "#define" && ParseDefine(number, value)) defines[define] = value;
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

inline std::u32string Decode(const std::string& utf8, const std::string& file, int line) {
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

inline std::string WideLiteral(const std::u32string& text) {
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

}  // namespace zrc

#endif
