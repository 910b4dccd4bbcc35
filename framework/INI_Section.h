// One section of a sectioned settings file ("Lines.ini"): its keys and values, with the
// section's own name kept under the reserved key "__NAME". Read by the line kinds of a size.
#ifndef FRAMEWORK_INI_SECTION_H
#define FRAMEWORK_INI_SECTION_H

#include <map>

#include "mfc/CString.h"

/// Keys (case-sensitive) to values; an empty section has no name.
class INI_Section {
public:
  /// The value, or "" when the key is absent.
  CString GetValue(const CString& key) const;
  /// GetValue("__NAME").
  CString GetSectionName() const;
  /// The value with "," read as "." when it is empty or starts with one of
  /// "0123456789.,-" ("0,5" => 0.5); otherwise 0.
  double GetDouble(const CString& key) const;
  /// Sets a value; a later one for the same key wins.
  void SetValue(const CString& key, const CString& value) { m_values[key] = value; }

private:
  std::map<CString, CString> m_values;
};

#endif
