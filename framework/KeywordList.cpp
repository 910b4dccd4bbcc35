// KeywordList.
#include "framework/KeywordList.h"

int KeywordList::IndexOf(const CString& text) const {
  for (size_t i = 0; i < m_items.size(); ++i)
    if (m_items[i] == text) return static_cast<int>(i);
  return -1;
}

CString KeywordList::Join(const CString& separator) const {
  CString out;
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (i) out += separator;
    out += m_items[i];
  }
  return out;
}

const CString& KeywordList::operator[](int index) const {
  static const CString none;
  return index >= 0 && index < GetCount() ? m_items[static_cast<size_t>(index)] : none;
}
