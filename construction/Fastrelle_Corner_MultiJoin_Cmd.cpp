// Fastrelle_Corner_MultiJoin_Cmd: a picked corner joined in every size.
#include "construction/Fastrelle_Corner_MultiJoin_Cmd.h"

#include <utility>

#include "construction/Fastrelle_Corner_Join_ByMirrors_Cmd.h"
#include "construction/Fastrelle_Curve.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "db/ZcDbExtents.h"
#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/Printer.h"

namespace {
/// No single-corner command to pick with.
constexpr int kNoPicker = 20073;
/// Margin around the part when zooming to it for the run.
constexpr double kRunMargin = 10.0;
}  // namespace

int Fastrelle_Corner_MultiJoin_Cmd::Prepare() {
  if (!m_picker) return kNoPicker;
  int status = m_picker->Pick();
  m_picker->Unhighlight();
  if (status) return status;
  Fastrelle_Corner* picked = m_picker->Corner();
  picked->GetCornerNumbers(m_multi->m_corner, m_multi->m_first, m_multi->m_second, m_multi->m_seam);
  if (auto* mirrors = dynamic_cast<Fastrelle_Corner_Join_ByMirrors_Cmd*>(m_picker.get()))
    static_cast<Fastrelle_Corner_MultiJoin_ByMirrors*>(m_multi.get())->SetDirection(mirrors->Direction());
  for (int number : {m_multi->m_corner, m_multi->m_first, m_multi->m_second})
    if (!IsGradePointNumberInRange(number)) return Zcad::eOutOfRange;
  return 0;
}

int Fastrelle_Corner_MultiJoin_Cmd::Run() {
  m_picker->SaveViewAndZoomToPart();
  int status = 0;
  Fastrelle_Part_Drawer part(m_multi->m_corner);
  if (part.GetName().IsEmpty() || part.GetQuantity() < 1) {
    status = Zcad::eWrongObjectType;
    ZWPrinter().Print(L"\nFastrelle_Corner_MultiJoin_Cmd::Run");
    PrintErrorStatus(status);
  } else {
    ZcDbExtents extents;
    part.GetExtents(extents);  // a failure leaves the view as the part's zoom made it
    if (!extents.isEmpty()) {
      const ZcGeVector3d margin(kRunMargin, kRunMargin, 0.0);
      ZoomToExtents(extents.minPoint() - margin, extents.maxPoint() + margin);
    }
    status = m_multi->RunInAllSizes();
  }
  RestoreNamedView(L"Fastrelle_Corner_Join_Cmd");
  return status;
}

Fastrelle_Corner_MultiJoin_ExtendBothSeam_Cmd::Fastrelle_Corner_MultiJoin_ExtendBothSeam_Cmd()
    : Fastrelle_Corner_MultiJoin_Cmd(std::make_unique<Fastrelle_Corner_Join_ExtendBothSeam_Cmd>(),
                                     std::make_unique<Fastrelle_Corner_MultiJoin_ExtendBothSeam>()) {}

int Fastrelle_Corner_MultiJoin_ExtendBothSeam_Cmd::Prepare() {
  if (int status = Fastrelle_Corner_MultiJoin_Cmd::Prepare()) return status;
  auto* picker = static_cast<Fastrelle_Corner_Join_ExtendBothSeam_Cmd*>(m_picker.get());
  int start = 0, end = 0;
  Fastrelle_Curve(picker->SecondSeam()).GetEndPointNumbers(start, end);
  m_multi->m_seam2 = start != m_multi->m_corner ? start : end;
  if (m_multi->m_first == m_multi->m_seam) std::swap(m_multi->m_first, m_multi->m_second);
  return 0;
}

Fastrelle_Corner_MultiJoin_ExtendCuts_Cmd::Fastrelle_Corner_MultiJoin_ExtendCuts_Cmd()
    : Fastrelle_Corner_MultiJoin_Cmd(std::make_unique<Fastrelle_Corner_Join_ExtendBothCut_Cmd>(),
                                     std::make_unique<Fastrelle_Corner_MultiJoin_ExtendCuts>()) {}

Fastrelle_Corner_MultiJoin_ExtendOneSeam_Cmd::Fastrelle_Corner_MultiJoin_ExtendOneSeam_Cmd()
    : Fastrelle_Corner_MultiJoin_Cmd(std::make_unique<Fastrelle_Corner_Join_ExtendOneSeam_Cmd>(),
                                     std::make_unique<Fastrelle_Corner_MultiJoin_ExtendOneSeam>()) {}

Fastrelle_Corner_MultiJoin_Angle_Cmd::Fastrelle_Corner_MultiJoin_Angle_Cmd(double angle)
    : Fastrelle_Corner_MultiJoin_Cmd(std::make_unique<Fastrelle_Corner_Join_Angle_Cmd>(angle),
                                     std::make_unique<Fastrelle_Corner_MultiJoin_Angle>(angle)) {}

Fastrelle_Corner_MultiJoin_ByMirrors_Cmd::Fastrelle_Corner_MultiJoin_ByMirrors_Cmd()
    : Fastrelle_Corner_MultiJoin_Cmd(std::make_unique<Fastrelle_Corner_Join_ByMirrors_Cmd>(),
                                     std::make_unique<Fastrelle_Corner_MultiJoin_ByMirrors>()) {}

std::unique_ptr<Fastrelle_Corner_MultiJoin_Cmd> CreateCornerMultiJoinCmd(int mode) {
  switch (mode) {
    case 0: return std::make_unique<Fastrelle_Corner_MultiJoin_ExtendCuts_Cmd>();
    case 1: return std::make_unique<Fastrelle_Corner_MultiJoin_ExtendOneSeam_Cmd>();
    case 2: return std::make_unique<Fastrelle_Corner_MultiJoin_ExtendBothSeam_Cmd>();
    case 3: return std::make_unique<Fastrelle_Corner_MultiJoin_Angle_Cmd>(90.0);
    case 4: return std::make_unique<Fastrelle_Corner_MultiJoin_Angle_Cmd>(45.0);
    case 5: return std::make_unique<Fastrelle_Corner_MultiJoin_ByMirrors_Cmd>();
    default: return nullptr;
  }
}
