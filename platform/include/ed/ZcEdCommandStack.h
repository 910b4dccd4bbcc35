// The host's command stack: the commands that modules register, by group, each under a
// global and a local name, with its flags and the callback the host calls to run it.
#ifndef PLATFORM_ED_ZCEDCOMMANDSTACK_H
#define PLATFORM_ED_ZCEDCOMMANDSTACK_H

#include "ed/ErrorStatus.h"
#include "rx/ZcRxObject.h"
#include "win/wintypes.h"

typedef void (*ZcRxFunctionPtr)();

/// Command flag bits, stored as given.
enum { ZCRX_CMD_TRANSPARENT = 1, ZCRX_CMD_USEPICKSET = 2, ZCRX_CMD_REDRAW = 4, ZCRX_CMD_MODAL = 0 };

class ZcEdUIContext;
class ZcEdCommand;

/// Registered commands. Names compare without regard to case. Within a group a name
/// (global or local) can be registered once: a second registration is refused with
/// eDuplicateKey and the first stays.
class ZcEdCommandStack : public ZcRxObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcEdCommandStack)
  Zcad::ErrorStatus addCommand(const wchar_t* group, const wchar_t* globalName,
                               const wchar_t* localName, int flags, ZcRxFunctionPtr fn,
                               ZcEdUIContext* uiContext = nullptr, int fcode = -1,
                               HINSTANCE resourceHandle = nullptr, ZcEdCommand** cmdOut = nullptr);
  /// Removes one command, named by its global name, from a group; eKeyNotFound when absent.
  Zcad::ErrorStatus removeCmd(const wchar_t* group, const wchar_t* globalName);
  /// Removes a whole group; eKeyNotFound when there is no such group.
  Zcad::ErrorStatus removeGroup(const wchar_t* group);
};

#endif
