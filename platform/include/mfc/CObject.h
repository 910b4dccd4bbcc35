// MFC's object roots: run-time classes (DECLARE_DYNAMIC and friends), command targets and
// the message maps through which windows reach their handlers. Used by every window class.
#ifndef PLATFORM_MFC_COBJECT_H
#define PLATFORM_MFC_COBJECT_H

#include "win/winuser.h"

class CObject;

/// A class's run-time record: its name, size and base, for IsKindOf.
struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  const CRuntimeClass* m_pBaseClass;
  CObject* (*m_pfnCreateObject)();
  bool IsDerivedFrom(const CRuntimeClass* base) const;
  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

class CObject {
public:
  static const CRuntimeClass classCObject;
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)
#define DECLARE_DYNAMIC(cls)                 \
public:                                      \
  static const CRuntimeClass class##cls;     \
  const CRuntimeClass* GetRuntimeClass() const override;
#define IMPLEMENT_DYNAMIC(cls, base)                                                        \
  const CRuntimeClass cls::class##cls = {#cls, sizeof(cls), RUNTIME_CLASS(base), nullptr}; \
  const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }
#define DECLARE_DYNCREATE(cls) \
  DECLARE_DYNAMIC(cls)         \
  static CObject* CreateObject();
#define IMPLEMENT_DYNCREATE(cls, base)                                                           \
  CObject* cls::CreateObject() { return new cls; }                                              \
  const CRuntimeClass cls::class##cls = {#cls, sizeof(cls), RUNTIME_CLASS(base), cls::CreateObject}; \
  const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

class CCmdTarget;
/// Calls one handler: unpacks the message's parameters for it; returns whether the message
/// was taken (an _EX handler's answer; TRUE for the others).
typedef BOOL (*AFX_MSG_THUNK)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

/// How an entry matches a message.
enum AfxEntryKind : UINT {
  AfxMessage = 1,        // nMessage (or *pRegistered)
  AfxCommand,            // WM_COMMAND with nCode, id in [nID, nLastID]
  AfxNotify,             // WM_NOTIFY with nCode, id in [nID, nLastID]
  AfxReflectCommand,     // WM_COMMAND reflected to the control that sent it
  AfxReflectNotify,      // WM_NOTIFY reflected
  AfxReflectCtlColor,    // WM_CTLCOLOR* reflected
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT nKind;
  const UINT* pRegistered;
  AFX_MSG_THUNK pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

/// An object that messages and commands can reach through its message map.
class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
public:
  virtual const AFX_MSGMAP* GetMessageMap() const;
  /// The first entry of this object's maps (its class, then its bases) that matches.
  const AFX_MSGMAP_ENTRY* FindEntry(UINT kind, UINT message, UINT code, UINT id) const;

protected:
  static const AFX_MSGMAP* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                       \
protected:                                          \
  static const AFX_MSGMAP* GetThisMessageMap();     \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }     \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                     \
    typedef theClass ThisClass;                                                         \
    typedef baseClass TheBaseClass;                                                     \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                               \
  {0, 0, 0, 0, 0, nullptr, nullptr}};                                                   \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                 \
  }

// The thunk of an entry: `call` is an expression over `self` (ThisClass*), `wParam`, `lParam`.
#define AFX_THUNK(call)                                                                   \
  [](CCmdTarget * target, WPARAM wParam, LPARAM lParam, LRESULT * result) -> BOOL {      \
    ThisClass* self = static_cast<ThisClass*>(target);                                   \
    (void)self; (void)wParam; (void)lParam; (void)result;                                \
    call;                                                                                \
  }

#define ON_MESSAGE(message, fn) \
  {message, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(*result = self->fn(wParam, lParam); return TRUE)},
#define ON_REGISTERED_MESSAGE(variable, fn) \
  {0, 0, 0, 0, AfxMessage, &variable, AFX_THUNK(*result = self->fn(wParam, lParam); return TRUE)},
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, id, id, AfxCommand, nullptr, AFX_THUNK(self->fn(); return TRUE)},
#define ON_COMMAND_RANGE(first, last, fn) \
  {WM_COMMAND, 0, first, last, AfxCommand, nullptr, AFX_THUNK(self->fn(LOWORD(wParam)); return TRUE)},
#define ON_CONTROL(code, id, fn) {WM_COMMAND, code, id, id, AfxCommand, nullptr, AFX_THUNK(self->fn(); return TRUE)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn) \
  {WM_NOTIFY, (UINT)(code), id, id, AfxNotify, nullptr, \
   AFX_THUNK(self->fn(reinterpret_cast<NMHDR*>(lParam), result); return TRUE)},
#define ON_CONTROL_REFLECT(code, fn) \
  {WM_COMMAND, code, 0, 0, AfxReflectCommand, nullptr, AFX_THUNK(self->fn(); return TRUE)},
#define ON_CONTROL_REFLECT_EX(code, fn) \
  {WM_COMMAND, code, 0, 0, AfxReflectCommand, nullptr, AFX_THUNK(return self->fn())},
#define ON_NOTIFY_REFLECT(code, fn) \
  {WM_NOTIFY, (UINT)(code), 0, 0, AfxReflectNotify, nullptr, \
   AFX_THUNK(self->fn(reinterpret_cast<NMHDR*>(lParam), result); return TRUE)},
#define ON_NOTIFY_REFLECT_EX(code, fn) \
  {WM_NOTIFY, (UINT)(code), 0, 0, AfxReflectNotify, nullptr, \
   AFX_THUNK(return self->fn(reinterpret_cast<NMHDR*>(lParam), result))},
#define ON_BN_CLICKED_REFLECT(fn) ON_CONTROL_REFLECT(BN_CLICKED, fn)

#endif
