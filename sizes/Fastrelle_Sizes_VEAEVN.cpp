// Fastrelle_Sizes_VEAEVN.
#include "sizes/Fastrelle_Sizes_VEAEVN.h"

#include <climits>
#include <string>

#include "framework/Strings.h"

namespace {

/// The leading integer of a text in 64 bits (blanks skipped, a sign, digits), saturating
/// far beyond any size; 0 when there is none.
long long LeadingInteger(const CString& text) {
  int i = 0;
  while (text[i] == L' ' || text[i] == L'\t') ++i;
  bool negative = text[i] == L'-';
  if (text[i] == L'-' || text[i] == L'+') ++i;
  long long value = 0;
  for (; text[i] >= L'0' && text[i] <= L'9'; ++i) value = value > LLONG_MAX / 20 ? LLONG_MAX / 20 : value * 10 + (text[i] - L'0');
  return negative ? -value : value;
}
}  // namespace

bool Fastrelle_Sizes_VEAEVN::Write(CStringArray& lines) {
  lines.Add(L"alpha");
  for (const Fastrelle_Size& size : m_sizes) lines.Add(size.IsBase() ? L"*" + size.GetName() : size.GetName());
  return true;
}

bool Fastrelle_Sizes_VEAEVN::Read(std::vector<Fastrelle_Size>& sizes) {
  BeginRead(sizes);
  const int count = CountedLines();
  if (count == 4 && m_lines[0] == L"numeric") return ReadNumeric(count, sizes);
  if (count >= 1 && m_lines[0] == L"alpha") return ReadAlpha(count, sizes);
  Note(1, L"plik nie zaczyna się od \"numeric\" ani \"alpha\"");
  return false;
}

bool Fastrelle_Sizes_VEAEVN::ReadNumeric(int count, std::vector<Fastrelle_Size>& sizes) {
  CStringArray range;
  SplitString(m_lines[1], L" ", range, true);
  bool numbers = range.GetSize() == 2 && !range[0].IsEmpty() && StartsWithNumber(range[0]) &&
                 !range[1].IsEmpty() && StartsWithNumber(range[1]);
  if (!numbers) {
    Note(2, L"oczekiwano pierwszego rozmiaru i kroku, dwóch liczb");
    return false;
  }
  CString baseLine = m_lines[2], lastLine = m_lines[3];
  if (baseLine.Left(1) != L"*") {
    Note(3, L"oczekiwano \"*\" i rozmiaru bazowego");
    return false;
  }
  if (lastLine.IsEmpty() || !StartsWithNumber(lastLine)) {
    Note(4, L"oczekiwano ostatniego rozmiaru, liczby");
    return false;
  }
  const long long first = LeadingInteger(range[0]), step = LeadingInteger(range[1]);
  const long long last = LeadingInteger(lastLine);
  if (step <= 0) {
    Note(2, L"krok musi być większy od zera");
    return false;
  }
  if (last >= first && (last - first) / step + 1 > kLargestRange) {
    CString note;
    note.Format(L"zakres obejmuje więcej niż %i rozmiarów", static_cast<int>(kLargestRange));
    Note(4, note);
    return false;
  }
  CString baseText = baseLine;
  baseText.Trim(L"*");
  const long long base = StartsWithNumber(baseText) ? LeadingInteger(baseText) : 0;
  bool read = false;
  for (long long v = first; v <= last; v += step) {
    if (v == 0) continue;  // size "0" is the master of every part, never a size of the list
    Fastrelle_Size size;
    size.SetName(CString(std::to_wstring(v)));
    size.SetBase(v == base);
    read = Accept(size, 2, sizes) || read;
  }
  return read;
}

bool Fastrelle_Sizes_VEAEVN::ReadAlpha(int count, std::vector<Fastrelle_Size>& sizes) {
  bool read = false;
  for (int i = 1; i < count; ++i) {
    Fastrelle_Size size;
    CString name = m_lines[i];
    if (name.Left(1) == L"*") {
      name.Trim(L"*");
      size.SetBase(true);
    }
    size.SetName(name);
    read = Accept(size, i + 1, sizes) || read;
  }
  return read;
}
