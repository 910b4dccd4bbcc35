// The file paths of modules, as the Base module finds its own folder (where the manual, the
// updater and the other modules lie). Used by Help, Update and the About dialog's list.
#ifndef BASE_ZRX_MODULE_H
#define BASE_ZRX_MODULE_H

#include "mfc/CString.h"
#include "win/wintypes.h"

/// Answers the full file path of a module. Base keeps its own instance from process attach.
class ZRX_Module {
public:
  virtual ~ZRX_Module() = default;
  /// The path of `instance`, read whole however long (up to 32,767 characters); "" when
  /// the instance is null or the call fails.
  virtual CString GetPath(HINSTANCE instance) const;
  /// The path of the Base module itself (the instance kept at attach); "" before attach.
  virtual CString GetOwnPath() const;
  /// The path of the loaded module whose file name is `fileName` ("Base.zrx"); "" when no
  /// such module is loaded.
  virtual CString GetPathOf(const CString& fileName) const;

  /// Kept at process attach, forgotten at detach.
  static void SetInstance(HINSTANCE instance);
  static HINSTANCE Instance();
};

/// The folder of the Base module's own file with its trailing separator and every "/"
/// turned into "\": 'C:/Fastrelle\Base.zrx' => 'C:\Fastrelle\'. "" when Base's path cannot
/// be read, so that nothing is looked for in the current folder.
CString GetBaseFolder();

#endif
