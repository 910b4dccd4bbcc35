// Name/value lists.
#include "framework/NameValueList.h"

bool NameValueList::Find(const CString& name, NameValue& pair) const {
  CString key = name;
  key.MakeUpper();
  for (const NameValue& p : m_pairs) {
    CString n = p.name;
    if (n.MakeUpper().CollateNoCase(key) == 0) {
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
