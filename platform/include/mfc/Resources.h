// Module resources: the string tables (and dialog templates) that a module carries, the
// extension-module chain through which one module's resources answer another's lookups,
// and the table format that the resource compiler writes.
#ifndef PLATFORM_MFC_RESOURCES_H
#define PLATFORM_MFC_RESOURCES_H

#include <cstddef>

#include "win/wintypes.h"

namespace platform {

struct ResourceString {
  UINT id;
  const wchar_t* text;
};

/// Everything one resource script compiled into: string ids in ascending order.
struct ResourceImage {
  const ResourceString* strings;
  std::size_t stringCount;
};

/// Called by the compiled table of a module as the module is mapped: the image belongs
/// to the shared object (or program) that holds `anchor`.
void RegisterResourceImage(const ResourceImage* image, const void* anchor);

/// The text of string `id` in the resources of `module`, or null.
const wchar_t* FindModuleString(HINSTANCE module, UINT id);

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
