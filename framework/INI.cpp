// INI.
#include "framework/INI.h"

INI INI::FindSections(const CString& name) const {
  INI found;
  for (const INI_Section& section : m_sections)
    if (section.GetSectionName().CollateNoCase(name) == 0) found.Add(section);
  return found;
}

INI_Section INI::GetSection(int index) const {
  return index >= 0 && index < GetCount() ? m_sections[static_cast<size_t>(index)] : INI_Section();
}
