// The AddPointIntersecting command.
#include "sizes/AddGradePointIntersecting_cmd.h"

#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/Selections.h"
#include "sizes/GradePointIntersector.h"

namespace {
constexpr UINT kIntersectingPrompt = 43162, kPartPrompt = 43163, kNotInPart = 43170, kNotACurve = 43173;
}  // namespace

void AddGradePointIntersecting_cmd::Run() {
  m_intersecting = PickEntity(L"\n" + LoadResString(kIntersectingPrompt) + L": ");
  if (m_intersecting.isNull()) return;
  m_partEntity = PickEntity(L"\n" + LoadResString(kPartPrompt) + L": ");
  if (m_partEntity.isNull()) return;
  GradePointIntersector worker(m_intersecting, m_partEntity);
  int es = worker.Prepare();
  if (es == Zcad::eInvalidInput) ZWPrinter().Print(L"\n" + LoadResString(kNotInPart));
  if (es == Zcad::eIllegalEntityType) ZWPrinter().Print(L"\n" + LoadResString(kNotACurve));
  if (!es) es = worker.Evaluate();
  if (!es) return;
  ZWPrinter().Print(L"\nAddGradePointIntersecting_cmd::Run evaluate failed!");
  PrintErrorStatus(es);
}
