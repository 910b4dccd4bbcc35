// The host services that modules find by name in the host's system registry, each
// accepted only when the object found is of the expected class. Looked up anew at every
// call, as the host may replace them.
#ifndef FRAMEWORK_HOSTSERVICES_H
#define FRAMEWORK_HOSTSERVICES_H

#include "mfc/Resources.h"

class ZcRxDynamicLinker;
class ZcEdCommandStack;

/// "DynamicLinker", or null when absent or of another class.
ZcRxDynamicLinker* FindDynamicLinker();
/// "ZCAD_REGISTERED_COMMANDS", or null when absent or of another class.
ZcEdCommandStack* FindCommandStack();

/// A module's place on the extension-module chain, through which its string tables and
/// dialogs answer every module's lookups. One per module, joined once per process.
class ExtensionModule {
public:
  /// Joins the chain: 0 when already joined or when the join fails, else nonzero.
  int Init(HINSTANCE instance);
  /// Leaves the chain when joined.
  void Term();
  HINSTANCE Instance() const { return m_instance; }

private:
  AFX_EXTENSION_MODULE m_state;
  int m_initialized = 0;
  HINSTANCE m_instance = nullptr;
};

#endif
