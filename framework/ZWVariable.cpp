// Typed access to the host's system variables and the save-and-set guards.
#include "framework/ZWVariable.h"

#include "ed/zced.h"
#include "framework/ResBuf.h"

namespace {

// Reads the variable; false when it is unknown or of another type than `type`.
bool Read(const CString& name, int type, resbuf& rb) {
  rb = resbuf{};
  if (zcedGetVar(name, &rb) != RTNORM) return false;
  if (rb.restype == type) return true;
  if (rb.restype == RTSTR) zcutDelBuffer(rb.resval.rstring);
  return false;
}

void SaveAndZero(const wchar_t* name, ResBuf::Saved& slot) {
  int value = 0;
  slot.saved = ZWVariable(name).GetShort(value);
  slot.value = static_cast<short>(value);
  SetVariableInt(name, 0);
}

void RestoreSaved(const wchar_t* name, const ResBuf::Saved& slot) {
  if (slot.saved) SetVariableInt(name, slot.value);
}

}  // namespace

bool ZWVariable::GetShort(int& value) const {
  resbuf rb;
  if (!Read(m_name, RTSHORT, rb)) return false;
  value = rb.resval.rint;
  return true;
}

bool ZWVariable::SetShort(int value) const {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(value);
  return zcedSetVar(m_name, &rb) == RTNORM;
}

bool ZWVariable::GetReal(double& value) const {
  resbuf rb;
  if (!Read(m_name, RTREAL, rb)) return false;
  value = rb.resval.rreal;
  return true;
}

bool ZWVariable::GetString(CString& text) const {
  resbuf rb;
  if (!Read(m_name, RTSTR, rb)) return false;
  text = rb.resval.rstring;
  zcutDelBuffer(rb.resval.rstring);
  return true;
}

bool ZWVariable::GetPoint(ZcGePoint3d& point) const {
  resbuf rb;
  if (!Read(m_name, RTPOINT, rb)) return false;
  point.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
  return true;
}

void GetVariableInt(const CString& name, int& value) {
  if (!ZWVariable(name).GetShort(value)) value = 0;
}

bool SetVariableInt(const CString& name, int value) { return ZWVariable(name).SetShort(value); }

void GetVariableReal(const CString& name, double& value) {
  if (!ZWVariable(name).GetReal(value)) value = 0.0;
}

void GetVariableString(const CString& name, CString& text) {
  if (!ZWVariable(name).GetString(text)) text.Empty();
}

int GetStringPrompt(const CString& prompt, CString& text) {
  wchar_t buffer[133] = L"";
  int status = zcedGetString(1, prompt, buffer);
  text = status == RTNORM ? buffer : L"";
  return status == RTNORM && text.IsEmpty() ? RTNONE : status;
}

void SaveAndSet_cmdecho(ResBuf& list) { SaveAndZero(L"cmdecho", list.m_cmdecho); }
void SaveAndSet_filedia(ResBuf& list) { SaveAndZero(L"filedia", list.m_filedia); }
void SaveAndSet_pickstyle(ResBuf& list) { SaveAndZero(L"pickstyle", list.m_pickstyle); }
void SaveAndSet_OSMODE(ResBuf& list) { SaveAndZero(L"OSMODE", list.m_osmode); }
void Restore_cmdecho(const ResBuf& list) { RestoreSaved(L"cmdecho", list.m_cmdecho); }
void Restore_filedia(const ResBuf& list) { RestoreSaved(L"filedia", list.m_filedia); }
void Restore_pickstyle(const ResBuf& list) { RestoreSaved(L"pickstyle", list.m_pickstyle); }
void Restore_OSMODE(const ResBuf& list) { RestoreSaved(L"OSMODE", list.m_osmode); }
