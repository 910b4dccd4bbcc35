// The sections of a sectioned settings file, in file order, with lookup by section name.
// IniFileReader fills one from "Lines.ini"; the line kinds of a size pick their section.
#ifndef FRAMEWORK_INI_H
#define FRAMEWORK_INI_H

#include <vector>

#include "framework/INI_Section.h"

/// Sections in file order; a name may occur more than once.
class INI {
public:
  virtual ~INI() = default;
  /// Copies of every section whose name equals `name` ignoring case (Polish letters
  /// included), in file order; empty when none.
  virtual INI FindSections(const CString& name) const;
  /// A copy of the section at `index`; an empty section (no name) when the index is
  /// negative or not below the count.
  INI_Section GetSection(int index) const;
  int GetCount() const { return static_cast<int>(m_sections.size()); }
  void Add(const INI_Section& section) { m_sections.push_back(section); }

protected:
  std::vector<INI_Section> m_sections;
};

#endif
