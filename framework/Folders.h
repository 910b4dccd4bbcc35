// The install folder (read-only data: settings defaults, the menu, symbol drawings) and
// the per-user folder (the user's own settings). Start-up finds them from the registry and
// %APPDATA% and publishes them in four host environment variables; code that runs later
// reads those variables, with the running module's own folder as the last fallback.
#ifndef FRAMEWORK_FOLDERS_H
#define FRAMEWORK_FOLDERS_H

#include "mfc/CString.h"
#include "win/winreg.h"

/// A registry key opened for one read, on the stack. Failures are silent.
class RegistryKey {
public:
  RegistryKey(HKEY root = HKEY_LOCAL_MACHINE, REGSAM access = KEY_READ, bool showErrors = false)
      : m_root(root), m_access(access), m_showErrors(showErrors) {}
  ~RegistryKey();
  /// The string value `valueName` of root\`keyPath`, read into a buffer of 1024 bytes of
  /// UTF-16 (512 characters, the terminator included); the empty text on any failure, a
  /// value that does not fit included.
  CString ReadString(const CString& keyPath, const CString& valueName);

private:
  HKEY m_key = nullptr;
  HKEY m_root;
  REGSAM m_access;
  bool m_showErrors;
};

/// The install folder as the installer registered it (HKLM
/// "SOFTWARE\MIRABO\Fastrelle\2018\Fastrelle", value "Path"), without a trailing "\".
/// Cached once non-empty; an empty result is read again at the next call.
CString GetRegisteredInstallPath();
/// "%APPDATA%" expanded (a 260-character buffer); empty when the expansion fails, does
/// not fit, or leaves the variable unexpanded (not set).
CString ExpandAppdata();
/// ExpandAppdata() + "\Mirabo\Fastrelle\2018\Fastrelle"; empty when ExpandAppdata is,
/// so that no per-user file is looked for under the root of the drive. Not cached.
CString BuildAppdataPath();
/// The folder of the module that runs this code, with "/" separators and the trailing "/":
/// 'C:\a\b\m.zrx' => 'C:/a/b/'.
CString GetModuleFolder();
/// The install folder for code that runs after start-up: the host variable
/// "Fastrelle_Construction_Path", else "Fastrelle_Plot_Path" (cached once found), else the
/// module's folder (not cached).
CString GetInstallPath();
/// As GetInstallPath with the "_AppdataPath" variables; the empty text when neither is set.
CString GetAppdataPath();
/// A path read from a settings file, made usable: the shipped settings name their files
/// relative to the install folder ("Templates\GradePoint.dwg"), a user may also give a
/// full path. An absolute path ("C:\...", "\\server\...", "\..." or "/...") and the empty
/// text stay as they are; a relative one is joined onto GetInstallPath (left relative when
/// that is empty).
///   "Templates\Dart.dwg" => "<install>\Templates\Dart.dwg"
CString ResolveInstallPath(const CString& path);

#endif
