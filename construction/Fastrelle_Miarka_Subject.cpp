// The drag loop of the construction tools: reading the host's drag input, turning keys
// into a typed length, and dispatching motion, picks and keys to the tool's handlers.
//
// States of a run:
//  1. Tracking: motion, picks and keys arrive (Read; m_track = 1).
//  2. Typing: after the first key the host no longer reports motion; only keys and
//     picks arrive (ApplyKey sets m_track = 0).
//  3. Ended: a key or handler gave a non-zero result; Run returns at once, so nothing
//     after the deciding input is read.
#include "construction/Fastrelle_Miarka_Subject.h"

#include <cassert>

#include "construction/Fastrelle_Observer.h"
#include "ed/UserInput.h"
#include "ed/zced.h"
#include "geometry/PointHelpers.h"

Fastrelle_Miarka_Subject::Fastrelle_Miarka_Subject() { m_pickStyle.SaveAndSetZero(); }

Fastrelle_Miarka_Subject::~Fastrelle_Miarka_Subject() { m_pickStyle.Restore(); }

void Fastrelle_Miarka_Subject::NotifyBegin() {
  for (Observer* o : m_observers) {
    assert(dynamic_cast<Fastrelle_Observer*>(o) && "a drag tool's observers read its geometry");
    if (auto* f = dynamic_cast<Fastrelle_Observer*>(o)) f->OnBegin(this);
  }
}

int Fastrelle_Miarka_Subject::ApplyKey(int code) {
  code &= 0xFFFF;
  switch (code) {
    case 8:
      if (!m_text.IsEmpty()) m_text = m_text.Left(m_text.GetLength() - 1);
      return 0;
    case 13:
    case 32:
      return kDragFinish;
    case 27:
      return kDragCancelled;
    default: {
      // The low byte, sign-extended into a 16-bit character as the host's keys arrive.
      auto low = static_cast<signed char>(code & 0xFF);
      m_text += CString(static_cast<wchar_t>(static_cast<unsigned short>(low)));
      return 0;
    }
  }
}

int Fastrelle_Miarka_Subject::Read() {
  int kind = 0;
  resbuf rb{};
  int result = zcedGrRead(m_track, &kind, &rb);
  if (result == RTCAN) return kDragCancelled;
  if (result != RTNORM) return 1;
  m_lastKind = kind;
  if (kind < 1 || kind > 25) return 431;
  switch (kind) {
    case 2:
      m_track = 0;
      return ApplyKey(rb.resval.rint);
    case 3:
    case 5:
    case 25:
      m_lastPoint = UcsToWcs(ZcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]));
      return 0;
    case 6:
    case 11:
      return 0;
    default:
      return 22;
  }
}

int Fastrelle_Miarka_Subject::Run() {
  NotifyBegin();
  int r = Read();
  while (r == 0) {
    int handled = 0;
    switch (m_lastKind) {
      case 2: handled = OnText(); break;
      case 3: handled = OnPick(); break;
      case 5: handled = OnDrag(); break;
      default: break;
    }
    if (handled != 0) {  // the handler decides; the next input stays for whoever reads it
      r = handled;
      break;
    }
    r = Read();
  }
  if (r == kDragCancelled) {
    OnCancel();
    return kDragCancelled;
  }
  return r == kDragFinish ? 0 : r;
}
