// The DXF filer: typed groups to DXF text and back, with the text escapes of AC1015 files.
// It belongs to the database: each object reads and writes its own fields through it, and
// the file reader and writer in dxf/ only drive it.
#include "db/ZcDbDxfFiler.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include <unicode/ucnv.h>

#include "db/DbInternal.h"
#include "mfc/TextFold.h"
#include "win32/FilePaths.h"

ZcDbDxfFiler::ZcDbDxfFiler(std::string& out) : out_(&out) {}
ZcDbDxfFiler::ZcDbDxfFiler(const ZcDbDxfPair* pairs, std::size_t count, ZcDbDatabase* db)
    : pairs_(pairs), count_(count), db_(db) {}

namespace {
// group codes are right-aligned in three columns, as every DXF writer does
void PutCode(std::string& out, int code) {
  char buf[16];
  char* end = buf + sizeof buf;
  char* p = end;
  *--p = '\n';
  unsigned u = code < 0 ? 0u - static_cast<unsigned>(code) : static_cast<unsigned>(code);
  do {
    *--p = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u);
  if (code < 0) *--p = '-';
  while (end - p < 4) *--p = ' ';
  out.append(p, end);
}
}  // namespace

namespace {
// The converter of a Windows code page other than 1250, 1252 and UTF-8 (Cyrillic 1251,
// Greek, Baltic, the East Asian double-byte ones...), opened once per thread; null when
// there is none for it.
UConverter* CodePageConverter(int codePage) {
  struct Close {
    void operator()(UConverter* c) const { ucnv_close(c); }
  };
  thread_local std::map<int, std::unique_ptr<UConverter, Close>> converters;
  auto it = converters.find(codePage);
  if (it == converters.end()) {
    UErrorCode error = U_ZERO_ERROR;
    UConverter* c = ucnv_open(("windows-" + std::to_string(codePage)).c_str(), &error);
    if (U_FAILURE(error)) c = nullptr;
    it = converters.emplace(codePage, std::unique_ptr<UConverter, Close>(c)).first;
  }
  return it->second.get();
}
}  // namespace

bool ZcDbDxfFiler::knowsCodePage(int codePage) {
  return codePage == 1250 || codePage == 1252 || codePage == 65001 || CodePageConverter(codePage) != nullptr;
}

namespace {
// The Windows-1250 byte of a character, or 0 when the code page lacks it.
char Cp1250Byte(unsigned c) {
  static const std::wstring kUpper = [] {
    std::string bytes;
    for (int b = 0x80; b < 0x100; ++b) bytes.push_back(static_cast<char>(b));
    return platform::FromCp1250(bytes);
  }();
  if (c < 0x80 || c > 0xFFFF) return 0;
  std::size_t at = kUpper.find(static_cast<wchar_t>(c));
  return at == std::wstring::npos || kUpper[at] == 0xFFFD ? 0 : static_cast<char>(0x80 + at);
}
}  // namespace

void ZcDbDxfFiler::encodeText(std::wstring_view text, std::string& out) {
  static const char kHex[] = "0123456789ABCDEF";
  auto unicode = [&](unsigned c) {
    out += "\\U+";
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(c >> shift) & 15]);
  };
  for (wchar_t ch : text) {
    auto c = static_cast<unsigned>(ch);
    if (c == '^') {
      out += "^ ";
    } else if (c < 0x20) {
      out.push_back('^');
      out.push_back(static_cast<char>(c + 64));
    } else if (c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else if (char b = Cp1250Byte(c)) {
      out.push_back(b);
    } else if (c > 0xFFFF && c <= 0x10FFFF) {
      c -= 0x10000;
      unicode(0xD800 + (c >> 10));
      unicode(0xDC00 + (c & 0x3FF));
    } else {
      unicode(c > 0x10FFFF ? 0xFFFD : c);
    }
  }
}

std::wstring ZcDbDxfFiler::decodeText(std::string_view s, int codePage) {
  static const wchar_t kCp1252[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::wstring out;
  out.reserve(s.size());
  auto hex = [](char c) {
    return c >= '0' && c <= '9' ? c - '0' : (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10 : -1;
  };
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    // "^ " is a caret, "^@" to "^_" the control characters; a caret before anything else is
    // itself ("^40", a size's layer, or a fraction stacked as "\\S1^2;" in other writers' text)
    if (c == '^' && i + 1 < s.size() && (s[i + 1] == ' ' || (s[i + 1] >= '@' && s[i + 1] <= '_'))) {
      out.push_back(s[i + 1] == ' ' ? L'^' : static_cast<wchar_t>(s[i + 1] - 64));
      i += 2;
      continue;
    }
    if (c == '\\' && i + 6 < s.size() + 0 && s.compare(i, 3, "\\U+") == 0) {
      int v = 0, k = 0;
      for (; k < 4 && i + 3 + k < s.size(); ++k) {
        int h = hex(s[i + 3 + k]);
        if (h < 0) break;
        v = v * 16 + h;
      }
      if (k == 4) {
        if (v >= 0xDC00 && v <= 0xDFFF && !out.empty() && out.back() >= 0xD800 && out.back() <= 0xDBFF)
          out.back() = static_cast<wchar_t>(0x10000 + ((out.back() - 0xD800) << 10) + (v - 0xDC00));
        else
          out.push_back(static_cast<wchar_t>(v));
        i += 7;
        continue;
      }
    }
    if (c < 0x80) {
      out.push_back(c);
      ++i;
      continue;
    }
    if (codePage == 1250) {
      static const std::array<std::wstring, 128> kUpper1250 = [] {  // the bytes 0x80..0xFF
        std::array<std::wstring, 128> table;
        for (int b = 0x80; b < 0x100; ++b) table[b - 0x80] = platform::FromCp1250(std::string(1, static_cast<char>(b)));
        return table;
      }();
      out += kUpper1250[c - 0x80];
      ++i;
      continue;
    }
    if (codePage != 1252 && codePage != 65001) {
      if (UConverter* converter = CodePageConverter(codePage)) {  // one character: one byte or two
        const char* from = s.data() + i;
        UErrorCode error = U_ZERO_ERROR;
        ucnv_reset(converter);
        UChar32 decoded = ucnv_getNextUChar(converter, &from, s.data() + s.size(), &error);
        out.push_back(U_SUCCESS(error) ? static_cast<wchar_t>(decoded) : L'\xFFFD');
        i = U_SUCCESS(error) && from > s.data() + i ? static_cast<std::size_t>(from - s.data()) : i + 1;
        continue;
      }
    }
    // UTF-8 files, and 1252 ones (where text that is well-formed UTF-8 is taken as such).
    // A malformed sequence is U+FFFD in a UTF-8 file and its bytes' 1252 characters in a
    // 1252 one; never the character an overlong form would spell.
    char32_t decoded;
    std::size_t used;
    if (platform::DecodeUtf8(s.data() + i, s.size() - i, decoded, used) || codePage == 65001) {
      out.push_back(static_cast<wchar_t>(decoded));
      i += used;
    } else {
      out.push_back(c < 0xA0 ? kCp1252[c - 0x80] : static_cast<wchar_t>(c));
      ++i;
    }
  }
  return out;
}

void ZcDbDxfFiler::writeString(int code, const wchar_t* text) {
  PutCode(*out_, code);
  encodeText(text ? std::wstring_view(text) : std::wstring_view(), *out_);
  out_->push_back('\n');
}

void ZcDbDxfFiler::writeString(int code, const std::wstring& text) {
  PutCode(*out_, code);
  encodeText(text, *out_);
  out_->push_back('\n');
}

void ZcDbDxfFiler::writeRaw(int code, std::string_view text) {
  PutCode(*out_, code);
  out_->append(text);
  out_->push_back('\n');
}

void ZcDbDxfFiler::writeInt(int code, long long value) {
  PutCode(*out_, code);
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  out_->append(buf, r.ptr);
  out_->push_back('\n');
}

void ZcDbDxfFiler::writeDouble(int code, double value) {
  PutCode(*out_, code);
  // A value that is not finite is written as held ("inf", "nan"), never as another number,
  // and marks the writing as failed: the file could not be read back.
  if (!std::isfinite(value)) setError(0, L"a number that is not finite for group code " + std::to_wstring(code));
  if (value == 0.0) value = 0.0;  // no "-0"
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, value);  // shortest text that reads back exactly
  out_->append(buf, r.ptr);
  if (std::isfinite(value) && !std::memchr(buf, '.', r.ptr - buf) && !std::memchr(buf, 'e', r.ptr - buf))
    out_->append(".0");
  out_->push_back('\n');
}

void ZcDbDxfFiler::writePoint3d(int code, const ZcGePoint3d& p) {
  writeDouble(code, p.x);
  writeDouble(code + 10, p.y);
  writeDouble(code + 20, p.z);
}

void ZcDbDxfFiler::writeVector3d(int code, const ZcGeVector3d& v) {
  writePoint3d(code, ZcGePoint3d(v.x, v.y, v.z));
}

void ZcDbDxfFiler::writePoint2d(int code, const ZcGePoint2d& p) {
  writeDouble(code, p.x);
  writeDouble(code + 10, p.y);
}

void ZcDbDxfFiler::writeHandle(int code, std::uint64_t handle) {
  PutCode(*out_, code);
  char buf[20];
  auto r = std::to_chars(buf, buf + sizeof buf, handle, 16);
  for (char* c = buf; c < r.ptr; ++c)
    if (*c >= 'a') *c = static_cast<char>(*c - 32);
  out_->append(buf, r.ptr);
  out_->push_back('\n');
}

void ZcDbDxfFiler::writeObjectId(int code, ZcDbObjectId id) {
  ZcDbObject* o = zcdb::ObjectOf(id);
  writeHandle(code, o ? o->state().handle : 0);
}

// --- Reading --------------------------------------------------------------------------------

bool ZcDbDxfFiler::seekMarker(const char* marker) {
  for (std::size_t i = 0; i < count_; ++i) {
    const ZcDbDxfPair& p = pairs_[i];
    if (p.code == 100 && p.value == marker) {
      pos_ = i + 1;
      return true;
    }
  }
  pos_ = 0;
  return false;
}

bool ZcDbDxfFiler::next(ZcDbDxfPair& pair) {
  if (pos_ >= count_) return false;
  const ZcDbDxfPair& p = pairs_[pos_];
  if (p.code == 100 || p.code == 1001) return false;
  pair = p;
  ++pos_;
  return true;
}

bool ZcDbDxfFiler::nextAny(ZcDbDxfPair& pair) {
  if (pos_ >= count_) return false;
  pair = pairs_[pos_++];
  return true;
}

void ZcDbDxfFiler::setError(int line, const std::wstring& message) {
  if (!error_.empty()) return;
  error_ = shortenQuotes(message);
  errorLine_ = line;
}

namespace {
const std::size_t kQuoted = 80;
}  // namespace

std::wstring ZcDbDxfFiler::excerpt(std::string_view text, int codePage) {
  // No character takes more than four bytes: the first 4 x 80 bytes hold the quoted part.
  std::wstring s = decodeText(text.substr(0, 4 * kQuoted), codePage);
  if (s.size() <= kQuoted && text.size() <= 4 * kQuoted) return s;
  return s.substr(0, kQuoted) + L"...";
}

std::wstring ZcDbDxfFiler::shortenQuotes(const std::wstring& message) {
  std::wstring out;
  std::size_t at = 0;
  for (;;) {
    std::size_t open = message.find(L'"', at);
    std::size_t close = open == std::wstring::npos ? open : message.find(L'"', open + 1);
    if (close == std::wstring::npos) return out + message.substr(at);
    out += message.substr(at, open + 1 - at);
    std::size_t length = close - open - 1;
    out += length > kQuoted ? message.substr(open + 1, kQuoted) + L"..." : message.substr(open + 1, length);
    out += L'"';
    at = close + 1;
  }
}

std::wstring ZcDbDxfFiler::toString(const ZcDbDxfPair& p) {
  return decodeText(p.value, db_ ? db_->impl().codePage : 1250);
}

namespace {
std::string_view Trimmed(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.remove_suffix(1);
  return v;
}
}  // namespace

double ZcDbDxfFiler::toDouble(const ZcDbDxfPair& p) {
  std::string_view v = Trimmed(p.value);
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  double d = 0.0;
  auto r = std::from_chars(v.data(), v.data() + v.size(), d);
  if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size() || !std::isfinite(d)) {
    setError(p.line, L"a number was expected for group code " + std::to_wstring(p.code) +
                         L", found \"" + excerpt(p.value) + L"\"");
    return 0.0;
  }
  return d;
}

long long ZcDbDxfFiler::toInt(const ZcDbDxfPair& p) {
  std::string_view v = Trimmed(p.value);
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  long long i = 0;
  auto r = std::from_chars(v.data(), v.data() + v.size(), i);
  if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size()) {
    setError(p.line, L"an integer was expected for group code " + std::to_wstring(p.code) +
                         L", found \"" + excerpt(p.value) + L"\"");
    return 0;
  }
  return i;
}

std::uint64_t ZcDbDxfFiler::toHandle(const ZcDbDxfPair& p) {
  std::string_view v = Trimmed(p.value);
  std::uint64_t h = 0;
  auto r = std::from_chars(v.data(), v.data() + v.size(), h, 16);
  if (v.empty() || v.size() > 16 || r.ec != std::errc() || r.ptr != v.data() + v.size()) {
    setError(p.line, L"a handle (hexadecimal) was expected for group code " +
                         std::to_wstring(p.code) + L", found \"" + excerpt(p.value) + L"\"");
    return 0;
  }
  return h;
}

ZcDbObjectId ZcDbDxfFiler::toObjectId(const ZcDbDxfPair& p) {
  std::uint64_t h = toHandle(p);
  if (!h || !db_) return ZcDbObjectId();
  auto& map = db_->impl().byHandle;
  auto it = map.find(h);
  return it == map.end() ? ZcDbObjectId() : ZcDbObjectId(db_->impl().serial, it->second);
}

ZcGePoint3d ZcDbDxfFiler::toPoint3d(const ZcDbDxfPair& x) {
  ZcGePoint3d pt(toDouble(x), 0.0, 0.0);
  for (int k = 1; k <= 2 && pos_ < count_; ++k) {
    const ZcDbDxfPair& p = pairs_[pos_];
    if (p.code != x.code + 10 * k) break;
    pt[k] = toDouble(p);
    ++pos_;
  }
  return pt;
}
