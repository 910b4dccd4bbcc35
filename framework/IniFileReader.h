// Reads a sectioned settings file ("Lines.ini") into an INI. The format:
//   - UTF-16 text ("ccs=UNICODE": a byte-order mark is honoured, none means UTF-16);
//   - from the first ";" to the end of a line is a comment;
//   - a line holding "[" and after it "]" starts a section named by the text between the
//     first "[" and the first "]", as it stands; the rest of the line is ignored;
//   - a line whose first "=" is past its first character is key=value: split at "=" with
//     empty pieces skipped, each trimmed of tab, line feed and blank; the first piece is
//     the key, the second the value ('a=b=c' => a -> b; unlike the key=value settings
//     files, which ignore such a line);
//   - key=value lines before the first section and all other lines are ignored;
//   - a repeated section name makes another section; a repeated key in a section keeps
//     the last value.
#ifndef FRAMEWORK_INIFILEREADER_H
#define FRAMEWORK_INIFILEREADER_H

#include <memory>

#include "framework/INI.h"

/// An INI filled by Load.
class IniFileReader : public INI {
public:
  /// Appends the sections of the file. A missing file prints path + "! " and status 76; a
  /// file that exists (or whose folder cannot be listed to tell) but cannot be read prints
  /// its path and status 72. Nothing is added then.
  void Load(const CString& path);

private:
  void ParseLine(CString line);
  void FinishSection();

  std::unique_ptr<INI_Section> m_current;  // the section being read, null before the first
};

#endif
