// Module resources: the string tables (and dialog templates) that a module carries, the
// extension-module chain through which one module's resources answer another's lookups,
// and the table format that the resource compiler writes.
#ifndef PLATFORM_MFC_RESOURCES_H
#define PLATFORM_MFC_RESOURCES_H

#include <cstddef>
#include <vector>

#include "win/wintypes.h"

namespace platform {

struct ResourceString {
  UINT id;
  const wchar_t* text;
};

/// One control of a dialog template: its class, caption, id, styles and place in dialog units.
struct DialogItemTemplate {
  const wchar_t* className;
  const wchar_t* text;
  int id;
  DWORD style, exStyle;
  short x, y, cx, cy;
};

/// A dialog template (DIALOGEX): caption, styles, place and size in dialog units, font and
/// controls in tab order.
struct DialogTemplate {
  UINT id;
  const wchar_t* caption;
  DWORD style, exStyle;
  short x, y, cx, cy;
  const wchar_t* font;
  int fontSize;
  const DialogItemTemplate* items;
  std::size_t itemCount;
};

/// A resource kept as the bytes of its file (ICON, PNG) under its type name.
struct BinaryResource {
  UINT id;
  const wchar_t* type;
  const unsigned char* bytes;
  std::size_t size;
};

/// One DLGINIT record: data sent to a control of a dialog as the dialog is made.
struct DialogInitData {
  UINT dialogId;
  int controlId;
  UINT message;
  const unsigned char* bytes;
  std::size_t size;
};

/// Everything one resource script compiled into: string ids in ascending order, dialog
/// templates, binary resources and DLGINIT records.
struct ResourceImage {
  const ResourceString* strings;
  std::size_t stringCount;
  const DialogTemplate* dialogs = nullptr;
  std::size_t dialogCount = 0;
  const BinaryResource* binaries = nullptr;
  std::size_t binaryCount = 0;
  const DialogInitData* inits = nullptr;
  std::size_t initCount = 0;
};

/// Called by the compiled table of a module as the module is mapped: the image belongs
/// to the shared object (or program) that holds `anchor`.
void RegisterResourceImage(const ResourceImage* image, const void* anchor);

/// The text of string `id` in the resources of `module`, or null.
const wchar_t* FindModuleString(HINSTANCE module, UINT id);

/// The resource images of the modules in the order lookups search them: the current
/// resource module first, then the extension-module chain, newest first.
std::vector<const ResourceImage*> ResourceSearchOrder();

}  // namespace platform

/// MFC's record of an extension module.
struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HINSTANCE hModule = nullptr;
  HINSTANCE hResource = nullptr;
};

/// Puts a module's resources on the extension-module chain for as long as it lives.
/// The chain is searched newest first. Ends with AfxTermExtensionModule of its state.
class CDynLinkLibrary {
public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  virtual ~CDynLinkLibrary();
  CDynLinkLibrary(const CDynLinkLibrary&) = delete;
  CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;
  HINSTANCE m_hResource;
  const AFX_EXTENSION_MODULE* m_state;
};

/// Records the module in `state`; nonzero when the module is known to the platform.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE module);
/// Takes the module's libraries off the chain and deletes them.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

/// Finds string `id` along the chain: the current resource module first, then the
/// extension modules; the text or null.
const wchar_t* AfxFindResourceString(UINT id);

#endif
