// Host system variables for the system's code: typed reads and writes, and the
// save-and-set guards that zero "cmdecho", "filedia", "pickstyle" or "OSMODE" around one
// host command and put the saved value back afterwards.
#ifndef FRAMEWORK_ZWVARIABLE_H
#define FRAMEWORK_ZWVARIABLE_H

#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class ResBuf;

/// One access to a named system variable; built on the stack per access.
class ZWVariable {
public:
  explicit ZWVariable(const CString& name) : m_name(name) {}
  /// True with the value when the variable is a 16-bit integer.
  bool GetShort(int& value) const;
  bool SetShort(int value) const;
  /// True with the value when the variable is a real.
  bool GetReal(double& value) const;
  /// True with the value when the variable is a text.
  bool GetString(CString& text) const;
  /// True with the value when the variable is a point.
  bool GetPoint(ZcGePoint3d& point) const;

private:
  CString m_name;
};

/// The variable as a 16-bit integer; 0 when it cannot be read as one.
void GetVariableInt(const CString& name, int& value);
/// True when the host took the value.
bool SetVariableInt(const CString& name, int value);
/// The real value; 0 when it cannot be read as one.
void GetVariableReal(const CString& name, double& value);
/// The text; the empty text when it cannot be read as one.
void GetVariableString(const CString& name, CString& text);

/// Asks for a text with blanks allowed: the host's status, except that an empty answer
/// gives RTNONE (5000).
int GetStringPrompt(const CString& prompt, CString& text);

/// Each reads its variable into the list's slot and sets the variable to 0. A variable that
/// cannot be read leaves the slot unsaved, so nothing is written back for it.
void SaveAndSet_cmdecho(ResBuf& list);
void SaveAndSet_filedia(ResBuf& list);
void SaveAndSet_pickstyle(ResBuf& list);
void SaveAndSet_OSMODE(ResBuf& list);
/// Write back what the matching SaveAndSet saved (nothing when it saved nothing).
void Restore_cmdecho(const ResBuf& list);
void Restore_filedia(const ResBuf& list);
void Restore_pickstyle(const ResBuf& list);
void Restore_OSMODE(const ResBuf& list);

#endif
