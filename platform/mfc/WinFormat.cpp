// The Windows wide-printf formatter: parses each conversion itself and formats numbers
// with snprintf under a private C locale, so "%s" means wide text and the process locale
// never changes a decimal point.
#include "mfc/FormatArg.h"

#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <string>
#include <algorithm>
#include <cstdint>

#include "mfc/TextFold.h"

namespace {

locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

struct Spec {
  std::string flags;
  int width = -1;
  int precision = -1;
  bool narrow = false;  // "h" or "S"/"C": 8-bit text
  bool wideMod = false; // "l" or "w"
  int bits = 32;         // integer size: "hh" 8, "h" 16, none or "l" 32, "ll"/"I64"/"I"/"z" 64
  char conv = 0;
};

class ArgReader {
public:
  ArgReader(const FormatArg* args, std::size_t count) : args_(args), count_(count) {}
  const FormatArg* Next() { return next_ < count_ ? &args_[next_++] : nullptr; }

private:
  const FormatArg* args_;
  std::size_t count_;
  std::size_t next_ = 0;
};

long long AsSigned(const FormatArg& a) {
  switch (a.kind) {
    case FormatArg::Signed: return a.i;
    case FormatArg::Unsigned: return static_cast<long long>(a.u);
    case FormatArg::Real:  // a real out of range (or not a number) must not be converted as it is
      if (!(a.d == a.d)) return 0;
      if (a.d >= 9223372036854775807.0) return LLONG_MAX;
      if (a.d <= -9223372036854775808.0) return LLONG_MIN;
      return static_cast<long long>(a.d);
    default: return 0;
  }
}

double AsReal(const FormatArg& a) {
  switch (a.kind) {
    case FormatArg::Real: return a.d;
    case FormatArg::Signed: return static_cast<double>(a.i);
    case FormatArg::Unsigned: return static_cast<double>(a.u);
    default: return 0.0;
  }
}

// Width and precision beyond this are not honoured (and never overflow while read).
constexpr int kMaxField = 1 << 16;

int AddDigit(int value, wchar_t digit) {
  int v = (value < 0 ? 0 : value) * 10 + (digit - L'0');
  return v > kMaxField ? kMaxField : v;
}

int FieldFromArg(const FormatArg* a) {
  long long v = a ? AsSigned(*a) : 0;
  if (v > kMaxField) return kMaxField;
  if (v < -kMaxField) return -kMaxField;
  return static_cast<int>(v);
}

// Text and characters are padded as numbers are: "-" pads on the right, "0" with zeros.
std::wstring Pad(std::wstring body, const Spec& s) {
  if (s.width > 0 && static_cast<int>(body.size()) < s.width) {
    bool left = s.flags.find('-') != std::string::npos;
    bool zero = !left && s.flags.find('0') != std::string::npos;
    std::wstring fill(static_cast<size_t>(s.width) - body.size(), zero ? L'0' : L' ');
    body = left ? body + fill : fill + body;
  }
  return body;
}

// An integer is read at the size its format names, as the Windows runtime reads it.
long long TruncateSigned(long long v, int bits) {
  switch (bits) {
    case 8: return static_cast<signed char>(v);
    case 16: return static_cast<short>(v);
    case 32: return static_cast<int>(v);
    default: return v;
  }
}

unsigned long long TruncateUnsigned(unsigned long long v, int bits) {
  return bits >= 64 ? v : v & ((1ULL << bits) - 1);
}

std::string Snprintf(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  int n = vsnprintf(nullptr, 0, fmt, args);
  va_end(args);
  std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) vsnprintf(out.data(), out.size() + 1, fmt, again);
  va_end(again);
  return out;
}

std::wstring FormatNumber(const Spec& s, const FormatArg& a) {
  std::string fmt = "%" + s.flags;
  if (s.width >= 0) fmt += std::to_string(s.width);
  if (s.precision >= 0) fmt += "." + std::to_string(s.precision);
  std::string text;
  locale_t old = uselocale(CLocale());
  switch (s.conv) {
    case 'd': case 'i':
      text = Snprintf((fmt + "lld").c_str(), TruncateSigned(AsSigned(a), s.bits));
      break;
    case 'u': case 'x': case 'X': case 'o':
      text = Snprintf((fmt + "ll" + s.conv).c_str(),
                      TruncateUnsigned(a.kind == FormatArg::Unsigned
                                           ? a.u
                                           : static_cast<unsigned long long>(AsSigned(a)),
                                       s.bits));
      break;
    case 'p': {  // sixteen upper-case hex digits, no prefix
      Spec padOnly = s;
      padOnly.flags.erase(std::remove(padOnly.flags.begin(), padOnly.flags.end(), '0'),
                          padOnly.flags.end());
      text = Snprintf("%016llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(
                                     a.kind == FormatArg::Pointer ? a.p : nullptr)));
      uselocale(old);
      return Pad(Widen(text), padOnly);
    }
    default:
      text = Snprintf((fmt + s.conv).c_str(), AsReal(a));
      break;
  }
  uselocale(old);
  return Widen(text);
}

std::wstring FormatText(const Spec& s, const FormatArg* a) {
  std::wstring text;
  if (a && a->kind == FormatArg::Wide) text = a->ws ? a->ws : L"(null)";
  else if (a && a->kind == FormatArg::Narrow) text = a->ns ? platform::FromCp1250(a->ns) : L"(null)";
  if (s.precision >= 0 && static_cast<int>(text.size()) > s.precision)
    text.resize(static_cast<size_t>(s.precision));
  return Pad(text, s);
}

}  // namespace

std::wstring WinFormat(const wchar_t* format, const FormatArg* args, std::size_t count) {
  std::wstring out;
  if (!format) return out;
  ArgReader reader(args, count);
  for (const wchar_t* p = format; *p; ++p) {
    if (*p != L'%') {
      out += *p;
      continue;
    }
    const wchar_t* start = p++;
    if (*p == L'%') {
      out += L'%';
      continue;
    }
    Spec s;
    while (*p && std::wstring(L"-+ #0").find(*p) != std::wstring::npos) s.flags += static_cast<char>(*p++);
    if (*p == L'*') {
      const FormatArg* w = reader.Next();
      s.width = FieldFromArg(w);
      if (s.width < 0) { s.flags += '-'; s.width = -s.width; }
      ++p;
    } else {
      while (*p >= L'0' && *p <= L'9') s.width = AddDigit(s.width, *p++);
    }
    if (*p == L'.') {
      ++p;
      s.precision = 0;
      if (*p == L'*') {
        const FormatArg* w = reader.Next();
        s.precision = FieldFromArg(w);
        if (s.precision < 0) s.precision = -1;
        ++p;
      } else {
        while (*p >= L'0' && *p <= L'9') s.precision = AddDigit(s.precision, *p++);
      }
    }
    // Length modifiers: the text width, and the size an integer is read at ("l" is 32 bits,
    // as a Windows long is).
    for (bool more = true; more && *p;) {
      switch (*p) {
        case L'h': s.narrow = true; s.bits = s.bits == 16 ? 8 : 16; ++p; break;
        case L'l': s.wideMod = true; s.bits = s.bits == 32 && p > start + 1 && p[-1] == L'l' ? 64 : 32; ++p; break;
        case L'w': s.wideMod = true; ++p; break;
        case L'L': case L'z': case L'j': case L't': case L'q': s.bits = 64; ++p; break;
        case L'I':
          if (p[1] == L'6' && p[2] == L'4') { s.bits = 64; p += 3; }
          else if (p[1] == L'3' && p[2] == L'2') { s.bits = 32; p += 3; }
          else { s.bits = 64; ++p; }
          break;
        default: more = false;
      }
    }
    if (!*p) {  // a format that ends inside a conversion prints it as it stands
      out += start;
      break;
    }
    wchar_t conv = *p;
    switch (conv) {
      case L's': case L'S': {
        if (conv == L'S' && !s.wideMod) s.narrow = true;
        out += FormatText(s, reader.Next());
        break;
      }
      case L'c': case L'C': {
        const FormatArg* a = reader.Next();
        wchar_t ch = a ? static_cast<wchar_t>(AsSigned(*a)) : 0;
        if ((conv == L'C' || s.narrow) && !s.wideMod)
          ch = platform::FromCp1250(std::string(1, static_cast<char>(ch)))[0];
        out += Pad(ch ? std::wstring(1, ch) : std::wstring(), s);
        break;
      }
      case L'd': case L'i': case L'u': case L'x': case L'X': case L'o':
      case L'f': case L'F': case L'e': case L'E': case L'g': case L'G': case L'a': case L'A':
      case L'p': {
        s.conv = static_cast<char>(conv);
        const FormatArg* a = reader.Next();
        if (a) out += FormatNumber(s, *a);
        break;
      }
      case L'n':  // writing through an argument is never allowed
        reader.Next();
        break;
      default:  // unknown conversion: printed as written
        out.append(start, p + 1);
        break;
    }
  }
  return out;
}
