// String resources of the modules and the extension-module chain that searches them.
// A module's compiled table registers itself while the module is being mapped; it is
// found later by the module's load address, which the module's HINSTANCE carries.
#include "mfc/Resources.h"

#include <dlfcn.h>

#include <algorithm>
#include <vector>

#include "ed/ZcApDocManager.h"
#include "mfc/CString.h"
#include "runtime/Modules.h"

namespace {

struct Registered {
  const platform::ResourceImage* image;
  std::uintptr_t base;
};

std::vector<Registered>& Images() {
  static std::vector<Registered> images;
  return images;
}

std::vector<CDynLinkLibrary*>& Chain() {
  static std::vector<CDynLinkLibrary*> chain;  // newest first
  return chain;
}

const wchar_t* FindIn(const platform::ResourceImage* image, UINT id) {
  const platform::ResourceString* end = image->strings + image->stringCount;
  auto it = std::lower_bound(image->strings, end, id,
                             [](const platform::ResourceString& s, UINT v) { return s.id < v; });
  return it != end && it->id == id ? it->text : nullptr;
}

}  // namespace

namespace platform {

void RegisterResourceImage(const ResourceImage* image, const void* anchor) {
  Dl_info info{};
  if (!image || !dladdr(anchor, &info)) return;
  Images().push_back({image, reinterpret_cast<std::uintptr_t>(info.dli_fbase)});
}

const wchar_t* FindModuleString(HINSTANCE module, UINT id) {
  if (!module) return nullptr;
  for (const Registered& r : Images())
    if (r.base == module->base)
      if (const wchar_t* text = FindIn(r.image, id)) return text;
  return nullptr;
}

std::vector<const ResourceImage*> ResourceSearchOrder() {
  std::vector<HINSTANCE> modules{zcDocManagerPtr()->curResourceHandle()};
  for (CDynLinkLibrary* lib : Chain()) modules.push_back(lib->m_hResource);
  std::vector<const ResourceImage*> out;
  for (HINSTANCE m : modules)
    for (const Registered& r : Images())
      if (m && r.base == m->base && std::find(out.begin(), out.end(), r.image) == out.end()) out.push_back(r.image);
  return out;
}

void DropModuleResources(HINSTANCE module) {
  auto& images = Images();
  images.erase(std::remove_if(images.begin(), images.end(),
                              [&](const Registered& r) { return r.base == module->base; }),
               images.end());
  std::vector<CDynLinkLibrary*> orphans;
  for (CDynLinkLibrary* lib : Chain())
    if (lib->m_hResource == module) orphans.push_back(lib);
  for (CDynLinkLibrary* lib : orphans) delete lib;  // the destructor leaves the chain
}

}  // namespace platform

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL)
    : m_hResource(state.hResource), m_state(&state) {
  Chain().insert(Chain().begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
  auto& chain = Chain();
  chain.erase(std::remove(chain.begin(), chain.end(), this), chain.end());
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE module) {
  if (!module) return FALSE;
  state.hModule = module;
  state.hResource = module;
  state.bInitialized = TRUE;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
  std::vector<CDynLinkLibrary*> mine;
  for (CDynLinkLibrary* lib : Chain())
    if (lib->m_state == &state) mine.push_back(lib);
  for (CDynLinkLibrary* lib : mine) delete lib;
  state.bInitialized = FALSE;
}

const wchar_t* AfxFindResourceString(UINT id) {
  if (const wchar_t* text = platform::FindModuleString(zcDocManagerPtr()->curResourceHandle(), id))
    return text;
  for (CDynLinkLibrary* lib : Chain())
    if (const wchar_t* text = platform::FindModuleString(lib->m_hResource, id)) return text;
  return nullptr;
}

BOOL CString::LoadString(UINT id) {
  const wchar_t* text = AfxFindResourceString(id);
  if (!text) return FALSE;
  s_ = text;
  return TRUE;
}
