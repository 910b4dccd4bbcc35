// Finding host services, and joining the extension-module chain.
#include "framework/HostServices.h"

#include "ed/ZcEdCommandStack.h"
#include "rx/ZcRxDynamicLinker.h"

namespace {
template <class T>
T* Lookup(const wchar_t* name) {
  ZcRxObject* obj = zcrxSysRegistry()->at(name);
  if (!obj || !obj->isA()->isDerivedFrom(T::desc())) return nullptr;
  return static_cast<T*>(obj);
}
}  // namespace

ZcRxDynamicLinker* FindDynamicLinker() { return Lookup<ZcRxDynamicLinker>(L"DynamicLinker"); }
ZcEdCommandStack* FindCommandStack() { return Lookup<ZcEdCommandStack>(L"ZCAD_REGISTERED_COMMANDS"); }

int ExtensionModule::Init(HINSTANCE instance) {
  if (m_initialized) return 0;
  m_initialized = AfxInitExtensionModule(m_state, instance);
  if (!m_initialized) return 0;
  m_instance = instance;
  new CDynLinkLibrary(m_state, FALSE);  // the chain owns it until Term
  return m_initialized;
}

void ExtensionModule::Term() {
  if (!m_initialized) return;
  AfxTermExtensionModule(m_state);
  m_initialized = 0;
}
