// Measuring whole curves.
#include "construction/FullEntityMeasure_Cmd.h"

#include "framework/CommandSequences.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/SSGet.h"
#include "framework/Strings.h"
#include "framework/UIS_MText.h"
#include "framework/ZWVariable.h"
#include "geometry/LengthCalculator.h"

void FullEntityMeasure_Cmd::Run() {
  ZWPrinter().Print(L"\n" + LoadResString(40229));
  FilterBuffer filter;
  filter.BeginOr();
  for (const wchar_t* type : {L"LINE", L"ARC", L"SPLINE", L"*POLYLINE"}) filter.AddString(type);
  filter.EndOr();
  {
    SSGet selection(kSelectInteractive, filter.Head());
    selection.SavePickStyle();
    if (selection.Select() != 0) return;
    m_ids = selection.Ids();
  }
  if (m_ids.isEmpty()) return;
  const double length = LengthCalculator().GetTotalLength(m_ids);
  const ZcGePoint3d origin = ZcGePoint3d::kOrigin;
  UIS_MText text;
  if (int es = text.Create(FormatDouble(length, L"%0.1f"), origin, 0.0)) {
    ZWPrinter().Print(L"\nUIS_MText::Create");
    PrintErrorStatus(es);
    return;
  }
  ResBuf move;
  SaveAndSet_OSMODE(move);
  if (AppendMoveCommandForId(text.MText()->objectId(), origin, move) == 0) RunCommandAndWait(move);
  Restore_OSMODE(move);
}
