// The settings classes' common part: a class-wide map of values loaded once per module
// from the install copy of a settings file with the per-user copy over it, the merged set
// then written back to the per-user copy. Fastrelle_Settings and Plot_Settings build on it.
#ifndef FRAMEWORK_SETTINGSFILE_H
#define FRAMEWORK_SETTINGSFILE_H

#include <map>

#include "framework/Config.h"

/// A settings file "\Config\<name>" under the install and the per-user folder.
///
/// Load sequence, run by the constructor while the class's map is empty:
///   1. install copy: a missing install folder or file prints 76, an unreadable one its
///      path and 72; either way the map stays empty and the next construction retries.
///   2. per-user copy over it, unless there is no per-user folder; a missing copy is
///      normal; an unreadable one, or one in a folder that cannot be listed (72, path
///      printed), is not overwritten in step 3, and neither is one that holds text but not
///      one entry (reported the same way).
///   3. the merged set is saved to the per-user copy; a failure prints 433.
/// Once the map holds an entry, construction does nothing more. A per-user copy kept in
/// step 2 is not replaced by any later Save of the class either (433).
class SettingsFile : public Config {
public:
  typedef std::map<CString, CString> Values;  // ordinal key order

  bool IsEmpty() const override { return m_values.empty(); }
  /// As Config::Save, but 433 with the file untouched for a per-user copy that the load
  /// found and could not read.
  int Save(const CString& path) override;
  /// The value; an absent key prints the key and status 22 and gives "".
  CString GetString(const CString& key) override;
  /// Sets the value in memory (shared by every object of the class) until the next Save.
  /// A key or value that could not be read back (line break, NUL, "=", empty key) is refused:
  /// the key and status 3 are printed and nothing changes.
  void SetString(const CString& key, const CString& value) override;
  void WriteLines(CStringArray& lines) override;

protected:
  SettingsFile(Values& values, const CString& fileName);

private:
  Values& m_values;
};

#endif
