// Index iterators.
#include "framework/Iterator.h"

ZcDbObjectId ZW_Iterator::At(int index) const {
  return index >= 0 && index < m_ids.length() ? m_ids[index] : ZcDbObjectId();
}

void ZW_Iterator::Next() {
  ++m_index;
  m_current = At(m_index);
}

void ZW_Iterator::SetIds(ZcDbObjectIdArray ids) { m_ids.append(ids); }

ZcDbObjectId ZW_Iterator::NextId() { return At(++m_index); }

bool ZW_Iterator::HasNext() { return m_index + 1 < m_ids.length(); }

void ZW_Iterator::Last() {
  if (m_ids.isEmpty()) return;
  m_index = m_ids.length() - 1;
  m_current = m_ids[m_index];
}

void ZW_Iterator::First() {
  m_index = 0;
  if (!m_ids.isEmpty()) m_current = m_ids[0];
}

ZcDbObjectId ZW_Iterator::Previous() {
  --m_index;
  if (m_index < 0) return ZcDbObjectId();
  m_current = At(m_index);
  return m_current;
}
