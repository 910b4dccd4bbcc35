// Splitting, joining, number tests and number formatting.
#include "framework/Strings.h"

#include "framework/KeywordList.h"
#include "win/crt.h"

namespace {
const wchar_t kTrimmed[] = L"\t\n ";
}

void SplitString(const CString& text, const CString& separators, CStringArray& out, bool trim) {
  out.RemoveAll();
  if (separators.IsEmpty()) {
    out.Add(text);
    return;
  }
  int pos = 0;
  for (CString piece = text.Tokenize(separators, pos); pos >= 0; piece = text.Tokenize(separators, pos)) {
    if (trim) piece.Trim(kTrimmed);
    out.Add(piece);
  }
}

void SplitToKeywordList(const CString& text, const CString& separators, KeywordList& out) {
  out.Clear();
  CStringArray pieces;
  SplitString(text, separators, pieces, true);
  for (const CString& piece : pieces) out.Add(piece);
}

bool StartsWithNumber(const CString& text) {
  return text.IsEmpty() || CString(L"0123456789.,-").Find(text[0]) >= 0;
}

bool ParseDouble(CString& text, double& value) {
  if (!StartsWithNumber(text)) return false;
  text.Replace(L',', L'.');
  value = _wtof(text);
  return true;
}

CString DoubleToString(double x, int decimals) {
  CString format;
  format.Format(L"%%0.%if", decimals);
  return FormatDouble(x, format);
}

CString FormatDouble(double x, const CString& format) {
  CString out;
  out.Format(format, x);
  return out;
}

CString IntToString(int n) {
  CString out;
  out.Format(L"%i", n);
  return out;
}

CString GetLastString(const CStringArray& items) {
  return items.IsEmpty() ? CString() : items.GetAt(items.GetUpperBound());
}

CString JoinStrings(const CStringArray& items, const CString& separator) {
  CString out;
  for (int i = 0; i < items.GetSize(); ++i) {
    if (i) out += separator;
    out += items.GetAt(i);
  }
  return out;
}

CString StdStringToCString(const std::string& text) { return CString(text.c_str()); }
