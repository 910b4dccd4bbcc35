// Free helpers over CString shared by the whole system: splitting and joining, the
// "starts with a number" test that every numeric reader applies, and number formatting.
#ifndef FRAMEWORK_STRINGS_H
#define FRAMEWORK_STRINGS_H

#include <string>

#include "mfc/CString.h"

class KeywordList;

/// Empties `out`, then appends the pieces of `text` between any of the `separators`
/// characters (runs of separators count as one; none at either end make a piece), each
/// trimmed of tab, line feed and blank when `trim` is set. An empty `separators` appends
/// the whole text as one piece.
///   ("a,,b", ",", true)    => "a", "b"
///   (" x ; y ", ";", false) => " x ", " y "
void SplitString(const CString& text, const CString& separators, CStringArray& out, bool trim);
/// The same, always trimmed, into a keyword list that is emptied first (also when
/// `separators` is empty; the whole text is then the one item). Pieces that trim to
/// nothing stay, as empty items: "A; ;B" => "A", "", "B".
void SplitToKeywordList(const CString& text, const CString& separators, KeywordList& out);
/// True when `text` is empty or starts with one of "0123456789.,-".
bool StartsWithNumber(const CString& text);
/// When StartsWithNumber: turns every "," of `text` into "." (in place) and stores its
/// leading real in `value`; otherwise false and both untouched. "1,5" => 1.5, text "1.5".
bool ParseDouble(CString& text, double& value);
/// `x` with `decimals` decimals: (2.0, 0) => "2"; (1.25, 3) => "1.250".
CString DoubleToString(double x, int decimals);
/// `x` through a real-number format ("%0.2f").
CString FormatDouble(double x, const CString& format);
/// "%i".
CString IntToString(int n);
/// The last element; "" for an empty array.
CString GetLastString(const CStringArray& items);
/// The elements joined with `separator`, none after the last; "" for an empty array.
CString JoinStrings(const CStringArray& items, const CString& separator);
/// A narrow text (Windows-1250) as CString.
CString StdStringToCString(const std::string& text);

#endif
