// Key=value settings files, the base of every settings class. The file format, read by
// ParseLines and Load and written by Save:
//   - UTF-16LE with a byte-order mark, CRLF line ends ("ccs=UNICODE"); on reading a mark
//     is honoured and a file without one is taken as UTF-16;
//   - one entry a line: key "=" value; blanks, tabs and line feeds around both are trimmed;
//   - a line is an entry only when it splits at "=" into exactly two pieces, a run of "="
//     counting as one and nothing before the first or after the last "=" making a piece:
//     'a==b' is a -> b, 'key= ' is key -> "", while "key=", "=value", 'a=b=c' and comments
//     are ignored;
//   - keys are case-sensitive and written in ordinal order ("B" before "a"), one
//     "key=value" line each; an empty value is written "key= " so that it reads back;
//   - reals are written "%0.6f", booleans "T" / "N"; "T", "True" and "+" in any case
//     read as true.
#ifndef FRAMEWORK_CONFIG_H
#define FRAMEWORK_CONFIG_H

#include "mfc/CString.h"

/// A set of settings with typed getters over the text values a subclass stores.
class Config {
public:
  virtual ~Config() = default;
  /// Reads a settings file over the values held (keys in the file replace theirs, others
  /// stay). 0; 76 when the file does not exist (nothing printed); 72 when it exists, or its
  /// folder cannot be listed to tell, but it cannot be read (the path and the status are
  /// printed).
  virtual int Load(const CString& path);
  /// Replaces the file by the values held, safely: the lines go to a temporary file beside
  /// it, every write and the close are checked, and only then does it replace the old
  /// file. 0, or 433 when anything failed (the old file is then left as it was).
  virtual int Save(const CString& path);
  virtual bool IsEmpty() const = 0;
  virtual void SetSeparator(const CString& separator) { m_separator = separator; }
  /// The value's leading integer when it is empty or starts with one of "0123456789.,-"
  /// ("12,5" => 12); otherwise 0.
  virtual int GetInt(const CString& key);
  /// True for "T", "True" or "+" in any case.
  virtual bool GetBool(const CString& key);
  /// The value with "," read as "." when it is empty or starts with one of
  /// "0123456789.,-" ("12,5" => 12.5, "-0,25" => -0.25); otherwise 0.
  virtual double GetDouble(const CString& key);
  virtual CString GetString(const CString& key) = 0;
  /// A value naming a file or folder, made usable by ResolveInstallPath: the shipped
  /// settings name theirs relative to the install folder, a user may give a full path.
  ///   "Templates\PartDescription.dwg" => "<install>\Templates\PartDescription.dwg"
  CString GetPath(const CString& key);
  virtual void SetBool(const CString& key, bool value);
  virtual void SetDouble(const CString& key, double value);
  virtual void SetString(const CString& key, const CString& value) = 0;
  /// Appends one "key=value" line per entry, in key order.
  virtual void WriteLines(CStringArray& lines) = 0;
  /// Applies every entry line (see the format above) through SetString; a line whose key
  /// trims to nothing is no entry; a NUL ends a line's text ('a=x<NUL>y' is a -> x).
  virtual void ParseLines(const CStringArray& lines);

protected:
  /// The lines last parsed held text but not one entry: not a settings file as this system
  /// writes it (8-bit or UTF-8 text without a mark reads as UTF-16 nonsense, for one).
  bool LastParseFoundNoEntry() const { return m_linesWithText > 0 && m_entries == 0; }
  /// True when key and value can be written and read back as one entry: no line break, NUL
  /// or separator character in either, a key not empty after trimming.
  bool Storable(const CString& key, const CString& value) const;

  CString m_separator = L"=";

private:
  int m_linesWithText = 0, m_entries = 0;  // of the last ParseLines
};

#endif
