// INI_Section.
#include "framework/INI_Section.h"

#include "framework/Strings.h"

CString INI_Section::GetValue(const CString& key) const {
  auto it = m_values.find(key);
  return it == m_values.end() ? CString() : it->second;
}

CString INI_Section::GetSectionName() const { return GetValue(L"__NAME"); }

double INI_Section::GetDouble(const CString& key) const {
  CString value = GetValue(key);
  double result = 0.0;
  return ParseDouble(value, result) ? result : 0.0;
}
