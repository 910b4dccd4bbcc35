// Proposing a free size name from the last one.
#include "sizes/UniqueSizeName.h"

#include <cstdint>
#include <limits>

#include "framework/ResString.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
constexpr UINT kUnnamed = 43161;

bool Taken(const std::vector<CString>& names, const CString& candidate) {
  for (const CString& name : names)
    if (name.CompareNoCase(candidate) == 0) return true;
  return false;
}

/// The leading integer of the text (sign, then digits up to the first other character; no
/// digit reads 0); false when it does not fit in 64 bits.
bool LeadingInteger(const CString& text, std::int64_t& value) {
  const std::wstring& s = text.str();
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) negative = s[i++] == L'-';
  std::uint64_t magnitude = 0;
  const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                       : std::uint64_t(std::numeric_limits<std::int64_t>::max());
  for (; i < s.size() && s[i] >= L'0' && s[i] <= L'9'; ++i) {
    const std::uint64_t digit = std::uint64_t(s[i] - L'0');
    if (magnitude > (limit - digit) / 10) return false;
    magnitude = magnitude * 10 + digit;
  }
  value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

CString Join(const std::vector<CString>& pieces) {
  CString joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i ? L"_" : L"") + pieces[i];
  return joined;
}

/// `last` + "_1", or the first of "_2", "_3", ... that is free.
CString WithSuffix(const std::vector<CString>& names, const CString& last) {
  for (long long n = 1;; ++n) {
    CString candidate;
    candidate.Format(L"%s_%lld", last.GetString(), n);
    if (!Taken(names, candidate)) return candidate;
  }
}
}  // namespace

CString UniqueSizeNameFrom(const std::vector<CString>& names) {
  if (names.empty()) return LoadResString(kUnnamed);
  const CString last = names.back();
  std::vector<CString> pieces;
  int pos = 0;
  for (CString piece = last.Tokenize(L"_", pos); pos >= 0; piece = last.Tokenize(L"_", pos)) pieces.push_back(piece);
  const CString tail = pieces.empty() ? CString() : pieces.back();
  std::int64_t counter = 0;
  if (tail.IsEmpty() || CString(L"0123456789.,-").Find(tail[0]) < 0 || !LeadingInteger(tail, counter))
    return WithSuffix(names, last);
  for (; counter < std::numeric_limits<std::int64_t>::max(); ++counter) {
    pieces.back().Format(L"%lld", static_cast<long long>(counter));
    const CString candidate = Join(pieces);
    if (!Taken(names, candidate)) return candidate;
  }
  return WithSuffix(names, last);
}

CString UniqueSizeName() { return UniqueSizeNameFrom(CollectSizeNames()); }
