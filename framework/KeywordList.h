// An ordered list of texts: the keywords of a prompt, the names of an ordering list of
// sizes. Lookup is case-sensitive. Used by the input helpers and the size tools.
#ifndef FRAMEWORK_KEYWORDLIST_H
#define FRAMEWORK_KEYWORDLIST_H

#include <vector>

#include "mfc/CString.h"

/// Texts in insertion order; duplicates allowed.
class KeywordList {
public:
  void Add(const CString& text) { m_items.push_back(text); }
  void Clear() { m_items.clear(); }
  /// Position of the first item equal to `text` (case-sensitive); -1 when absent.
  int IndexOf(const CString& text) const;
  bool Contains(const CString& text) const { return IndexOf(text) >= 0; }
  /// The items joined with `separator`, none after the last; "" for an empty list.
  ///   {"A", "B", "C"}.Join(" ") => "A B C"
  CString Join(const CString& separator) const;
  int GetCount() const { return static_cast<int>(m_items.size()); }
  /// The item at `index`; "" when there is none (as CStringArray gives it).
  const CString& operator[](int index) const;
  const std::vector<CString>& Items() const { return m_items; }

private:
  std::vector<CString> m_items;
};

#endif
