// Case mapping, case-insensitive comparison and Polish collation through ICU, plus the
// Windows-1250 code page used for 8-bit text. The C library's towupper knows only ASCII
// in the C locale; these do not depend on the process locale at all.
#include "mfc/TextFold.h"

#include <unicode/coll.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/locid.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace platform {
namespace {

icu::UnicodeString ToIcu(const std::wstring& s) {
  return icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(s.data()),
                                       static_cast<int32_t>(s.size()));
}

icu::Collator* PolishCollator(bool ignoreCase) {
  static std::once_flag once;
  static std::unique_ptr<icu::Collator> exact, folded;
  std::call_once(once, [] {
    UErrorCode err = U_ZERO_ERROR;
    exact.reset(icu::Collator::createInstance(icu::Locale("pl", "PL"), err));
    if (U_FAILURE(err)) exact.reset();
    err = U_ZERO_ERROR;
    folded.reset(icu::Collator::createInstance(icu::Locale("pl", "PL"), err));
    if (U_FAILURE(err)) folded.reset();
    else folded->setStrength(icu::Collator::SECONDARY);
  });
  return ignoreCase ? folded.get() : exact.get();
}

// Windows-1250: bytes 0x80..0xFF. 0 marks a byte the code page leaves undefined.
const char16_t kCp1250High[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160,
    0x2039, 0x015A, 0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0,
    0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6,
    0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1,
    0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A,
    0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2,
    0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED,
    0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159,
    0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

}  // namespace

// Case is mapped and folded one character at a time, with the simple (one-to-one) Unicode
// mappings, as Windows does: the length never changes ("ß" stays, "İ" becomes "i"), and a
// value that is no character is left as it is.
namespace {
template <class Map>
std::wstring MapEach(const std::wstring& s, Map map) {
  std::wstring out(s);
  for (wchar_t& c : out) {
    auto cp = static_cast<UChar32>(c);
    if (cp >= 0 && cp <= 0x10FFFF) c = static_cast<wchar_t>(map(cp));
  }
  return out;
}
UChar32 Fold(UChar32 c) { return u_foldCase(c, U_FOLD_CASE_DEFAULT); }
}  // namespace

// ASCII is mapped without asking ICU, which maps it the same way.
std::wstring ToUpper(const std::wstring& s) {
  return MapEach(s, [](UChar32 c) { return c < 0x80 ? (c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c) : u_toupper(c); });
}
std::wstring ToLower(const std::wstring& s) {
  return MapEach(s, [](UChar32 c) { return c < 0x80 ? (c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) : u_tolower(c); });
}

namespace {
/// One character folded as MapEach(s, Fold) folds it; ASCII without asking ICU.
wchar_t FoldOne(wchar_t c) {
  if (c >= 0 && c < 0x80) return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
  auto cp = static_cast<UChar32>(c);
  return cp >= 0 && cp <= 0x10FFFF ? static_cast<wchar_t>(Fold(cp)) : c;
}
}  // namespace

// The folded texts compared character by character as they are folded, without copies:
// the order of comparing the two folded copies.
int CompareFolded(const std::wstring& a, const std::wstring& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const wchar_t fa = FoldOne(a[i]), fb = FoldOne(b[i]);
    if (fa != fb) return fa < fb ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int CollatePolish(const std::wstring& a, const std::wstring& b, bool ignoreCase) {
  icu::Collator* c = PolishCollator(ignoreCase);
  auto plain = [&] {
    int r = ignoreCase ? CompareFolded(a, b) : a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
  };
  if (!c) return plain();
  UErrorCode err = U_ZERO_ERROR;
  UCollationResult r = c->compare(ToIcu(a), ToIcu(b), err);
  if (U_FAILURE(err)) return plain();
  return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

std::wstring FromCp1250(const std::string& bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    if (b < 0x80) out.push_back(b);
    else out.push_back(kCp1250High[b - 0x80] ? kCp1250High[b - 0x80] : 0xFFFD);
  }
  return out;
}

std::string ToCp1250(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    if (c < 0x80) { out.push_back(static_cast<char>(c)); continue; }
    char byte = '?';
    for (int i = 0; i < 128; ++i)
      if (kCp1250High[i] && kCp1250High[i] == static_cast<char16_t>(c) && c <= 0xFFFF) {
        byte = static_cast<char>(0x80 + i);
        break;
      }
    out.push_back(byte);
  }
  return out;
}

}  // namespace platform
