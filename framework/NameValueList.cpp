// NameValueList.
#include "framework/NameValueList.h"

bool NameValueList::Find(const CString& name, NameValue& pair) const {
  CString wanted = name;
  wanted.MakeUpper();
  for (const NameValue& p : m_pairs) {
    CString candidate = p.name;
    if (candidate.MakeUpper().CollateNoCase(wanted) == 0) {
      pair = p;
      return true;
    }
  }
  return false;
}

bool NameValueList::GetValue(const CString& name, CString& value) const {
  NameValue pair;
  if (!Find(name, pair)) return false;
  value = pair.value;
  return true;
}

NameValueList NameValueList::Append(const NameValueList& other) {
  const std::vector<NameValue> added = other.m_pairs;  // a copy: `other` may be this list
  m_pairs.insert(m_pairs.end(), added.begin(), added.end());
  return *this;
}

void NameValueList::ReplaceInValues(const CString& from, const CString& to) {
  for (NameValue& p : m_pairs) p.value.Replace(from, to);
}

const NameValue& NameValueList::operator[](int index) const {
  static const NameValue none;
  return index >= 0 && index < GetCount() ? m_pairs[static_cast<size_t>(index)] : none;
}
