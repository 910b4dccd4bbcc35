// The quick form: tracing outlines around picked points into one part.
#include "construction/Fastrelle_QuickForm_Cmd.h"

#include "construction/Fastrelle_Form_ErrorHandler.h"
#include "ed/UserInput.h"
#include "framework/CommandSequences.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/UI_Entity.h"
#include "geometry/RegionByPoint_Trace.h"
#include "geometry/UI_Region.h"

namespace {
void Regenerate() {
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
}

/// Shade mode 6 and "OSMODE" 0 inside an undo group for the command's life; both put back
/// and the group closed however the command ends.
class QuickFormScope {
public:
  QuickFormScope(Shademode& shade, OSNAP& osnap) : m_shade(shade), m_osnap(osnap) {
    m_shade.SaveAndSet(6);
    m_osnap.SaveAndSetZero();
    Regenerate();
    UndoBegin();
  }
  ~QuickFormScope() {
    UndoEnd();
    m_shade.Restore();
    m_osnap.Restore();
  }

private:
  Shademode& m_shade;
  OSNAP& m_osnap;
};
}  // namespace

Fastrelle_QuickForm_Cmd::Fastrelle_QuickForm_Cmd() : Fastrelle_Form_Cmd(L"Fastrelle:FormBoundary", L"Fastrelle:SzybkaForma") {}

bool Fastrelle_QuickForm_Cmd::CollectOutline() {
  UI_Region collected;
  for (;;) {
    ads_point picked;
    if (zcedGetPoint(nullptr, LoadResString(40213), picked) != RTNORM) break;
    RegionByPoint_Trace trace(ZcGePoint3d(picked[0], picked[1], picked[2]));
    if ((m_status = trace.Draw()) != 0) {
      for (ZcDbObjectId id : trace.GetIds()) UI_Entity(id).Erase();
      if (collected.m_id.isValid()) collected.Erase();
      Fastrelle_Form_ErrorHandler(kNoClosedOutline).Show();
      return false;
    }
    for (ZcDbObjectId id : trace.GetIds()) {
      UI_Region next;
      next.m_id = id;
      if (next.Open(ZcDb::kForRead) != 0) {
        UI_Entity(id).Erase();
        continue;
      }
      next.m_region->close();
      if (int es = collected.Unite(next)) {
        ZWPrinter().Print(L"\nNie udało się połączyć obszarów.");
        PrintErrorStatus(es);
        next.Erase();
      }
    }
  }
  if (collected.m_id.isValid()) {
    ZcDbObjectIdArray curves;
    if (int es = collected.ExplodeToCurves(curves)) PrintErrorStatus(es);
    collected.Erase();
    for (ZcDbObjectId id : curves) m_curves.Add(id);
  }
  Regenerate();
  return true;
}

void Fastrelle_QuickForm_Cmd::Run() {
  QuickFormScope scope(m_shade, m_osnap);
  if (!CollectOutline() || m_curves.Length() == 0) return;
  int status = 0;
  if (!MakePart(status)) {
    m_curves.DeleteAll();
    return;
  }
  if (status != 0) PrintErrorStatus(status);
}
