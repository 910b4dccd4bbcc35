// The Windows wide-printf formatter: parses each conversion itself and formats numbers
// with snprintf under a private C locale, so "%s" means wide text and the process locale
// never changes a decimal point.
#include "mfc/FormatArg.h"

#include <clocale>
#include <cstdio>
#include <locale.h>
#include <string>

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
    case FormatArg::Real: return static_cast<long long>(a.d);
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

std::wstring Pad(std::wstring body, const Spec& s) {
  if (s.width > 0 && static_cast<int>(body.size()) < s.width) {
    std::wstring fill(static_cast<size_t>(s.width) - body.size(), L' ');
    body = s.flags.find('-') != std::string::npos ? body + fill : fill + body;
  }
  return body;
}

std::wstring FormatNumber(const Spec& s, const FormatArg& a) {
  std::string fmt = "%" + s.flags;
  if (s.width >= 0) fmt += std::to_string(s.width);
  if (s.precision >= 0) fmt += "." + std::to_string(s.precision);
  char buf[512];
  locale_t old = uselocale(CLocale());
  switch (s.conv) {
    case 'd': case 'i':
      snprintf(buf, sizeof buf, (fmt + "lld").c_str(), AsSigned(a));
      break;
    case 'u': case 'x': case 'X': case 'o':
      snprintf(buf, sizeof buf, (fmt + "ll" + s.conv).c_str(),
               a.kind == FormatArg::Unsigned ? a.u : static_cast<unsigned long long>(AsSigned(a)));
      break;
    case 'p':
      snprintf(buf, sizeof buf, "%p", a.kind == FormatArg::Pointer ? a.p : nullptr);
      break;
    default:
      snprintf(buf, sizeof buf, (fmt + s.conv).c_str(), AsReal(a));
      break;
  }
  uselocale(old);
  return Widen(buf);
}

std::wstring FormatText(const Spec& s, const FormatArg* a) {
  std::wstring text;
  if (a && a->kind == FormatArg::Wide && a->ws) text = a->ws;
  else if (a && a->kind == FormatArg::Narrow && a->ns) text = platform::FromCp1250(a->ns);
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
      s.width = w ? static_cast<int>(AsSigned(*w)) : 0;
      if (s.width < 0) { s.flags += '-'; s.width = -s.width; }
      ++p;
    } else {
      while (*p >= L'0' && *p <= L'9') s.width = (s.width < 0 ? 0 : s.width * 10) + (*p++ - L'0');
    }
    if (*p == L'.') {
      ++p;
      s.precision = 0;
      if (*p == L'*') {
        const FormatArg* w = reader.Next();
        s.precision = w ? static_cast<int>(AsSigned(*w)) : 0;
        if (s.precision < 0) s.precision = -1;
        ++p;
      } else {
        while (*p >= L'0' && *p <= L'9') s.precision = s.precision * 10 + (*p++ - L'0');
      }
    }
    // Length modifiers: only the text width matters; numbers are carried at full width.
    for (bool more = true; more && *p;) {
      switch (*p) {
        case L'h': s.narrow = true; ++p; break;
        case L'l': case L'w': s.wideMod = true; ++p; break;
        case L'L': case L'z': case L'j': case L't': case L'q': ++p; break;
        case L'I':
          if ((p[1] == L'6' && p[2] == L'4') || (p[1] == L'3' && p[2] == L'2')) p += 3;
          else ++p;
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
