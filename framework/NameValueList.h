// Ordered pairs of a name and a value, with lookup by name regardless of case: the
// (tag, text) pairs of block attributes and the like.
#ifndef FRAMEWORK_NAMEVALUELIST_H
#define FRAMEWORK_NAMEVALUELIST_H

#include <vector>

#include "mfc/CString.h"

struct NameValue {
  CString name;
  CString value;
};

/// Insertion order; duplicates allowed.
class NameValueList {
public:
  void Add(const NameValue& pair) { m_pairs.push_back(pair); }
  void Add(const CString& name, const CString& value) { m_pairs.push_back({name, value}); }
  /// The first pair whose name equals `name` (both upper-cased, then Polish collation
  /// ignoring case); false when none.
  bool Find(const CString& name, NameValue& pair) const;
  /// The value of that pair; false and `value` untouched when absent.
  bool GetValue(const CString& name, CString& value) const;
  int GetSize() const { return static_cast<int>(m_pairs.size()); }
  const NameValue& operator[](int i) const { return m_pairs[i]; }
  std::vector<NameValue>::const_iterator begin() const { return m_pairs.begin(); }
  std::vector<NameValue>::const_iterator end() const { return m_pairs.end(); }

private:
  std::vector<NameValue> m_pairs;
};

#endif
