// Ordered (name, value) pairs: the tags and texts of block attributes, the rows of a
// property group. Lookup by name ignores case (Polish letters included).
#ifndef FRAMEWORK_NAMEVALUELIST_H
#define FRAMEWORK_NAMEVALUELIST_H

#include <vector>

#include "mfc/CString.h"

class CMFCPropertyGridProperty;

/// One pair of a NameValueList.
struct NameValue {
  CString name;
  CString value;
};

/// Pairs in insertion order; names may repeat, the first one is found.
class NameValueList {
public:
  void Add(const NameValue& pair) { m_pairs.push_back(pair); }
  void Add(const CString& name, const CString& value) { m_pairs.push_back({name, value}); }
  /// Copies out the first pair whose name equals `name` ignoring case; false when none.
  bool Find(const CString& name, NameValue& pair) const;
  /// The value of that pair; false, with `value` untouched, when absent.
  bool GetValue(const CString& name, CString& value) const;
  /// Appends every pair of `other` in order (a list appended to itself doubles) and
  /// returns a copy of the result.
  NameValueList Append(const NameValueList& other);
  /// Replaces every `from` by `to` in every value; names are untouched.
  void ReplaceInValues(const CString& from, const CString& to);
  int GetCount() const { return static_cast<int>(m_pairs.size()); }
  /// Appends (name, value as shown) for every row of a property group, in order; nothing
  /// for null. (Defined with the property grids' support, NameValueList_grid.cpp.)
  void ReadFromPropertyGroup(CMFCPropertyGridProperty* group);
  /// The pair at `index`; an empty pair when there is none.
  const NameValue& operator[](int index) const;
  const std::vector<NameValue>& Pairs() const { return m_pairs; }
  std::vector<NameValue>::const_iterator begin() const { return m_pairs.begin(); }
  std::vector<NameValue>::const_iterator end() const { return m_pairs.end(); }

private:
  std::vector<NameValue> m_pairs;
};

#endif
