// Fastrelle_Corner_Join_Cmd and its plain kinds: picking a corner and joining it.
#include "construction/Fastrelle_Corner_Join_Cmd.h"

#include "construction/Fastrelle_Corner_Join_Angle.h"
#include "construction/Fastrelle_Corner_Join_ByMirrors_Cmd.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothCut.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothSeam.h"
#include "construction/Fastrelle_Corner_Join_ExtendOneSeam.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "db/ZcDbExtents.h"
#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "geometry/UI_Curve.h"

namespace {
/// The view kept while a corner is joined.
const wchar_t* const kView = L"Fastrelle_Corner_Join_Cmd";
/// Margin around the part when zooming to it.
constexpr double kPartMargin = 20.0;

void Regenerate() {
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
}

/// Takes the highlight off the curve when it opens.
void Unlight(ZcDbObjectId id) {
  UI_Curve curve;
  if (curve.Attach(id)) curve.Highlight(false);
}
}  // namespace

int Fastrelle_Corner_Join_Cmd::Run() {
  int status = Pick();
  Unhighlight();
  if (status == 0) status = Join();
  Regenerate();
  return status;
}

int Fastrelle_Corner_Join_Cmd::Pick() {
  if (!PickHighlighted(40205, m_join->m_seam)) return Zcad::eUserBreak;
  return PickCutLines();
}

bool Fastrelle_Corner_Join_Cmd::PickHighlighted(unsigned prompt, ZcDbObjectId& id) {
  UI_Curve curve;
  if (!curve.PickCurve(LoadResString(prompt))) return false;
  id = curve.Id();
  curve.Highlight(true);
  return true;
}

int Fastrelle_Corner_Join_Cmd::PickCutLines() {
  if (!PickHighlighted(40208, m_join->m_cut1)) return Zcad::eUserBreak;
  UI_Curve second;
  if (!second.PickCurve(LoadResString(40210))) return Zcad::eUserBreak;
  m_join->m_cut2 = second.Id();
  return 0;
}

void Fastrelle_Corner_Join_Cmd::SaveViewAndZoomToPart() {
  SaveNamedView(kView);
  Fastrelle_Part_Drawer part(m_join->m_cut1);
  ZcDbExtents extents;
  if (part.GetName().IsEmpty() || part.GetQuantity() < 1 || part.GetExtents(extents) || extents.isEmpty()) return;
  const ZcGeVector3d margin(kPartMargin, kPartMargin, 0.0);
  ZoomToExtents(extents.minPoint() - margin, extents.maxPoint() + margin);
}

int Fastrelle_Corner_Join_Cmd::Join() {
  SaveViewAndZoomToPart();
  m_join->ZoomToCorner();
  int status = m_join->Join();
  RestoreNamedView(kView);
  return status;
}

int Fastrelle_Corner_Join_Cmd::Unhighlight() {
  for (ZcDbObjectId id : {m_join->m_seam, m_join->m_cut1, m_join->m_cut2}) Unlight(id);
  return 0;
}

Fastrelle_Corner_Join_ExtendBothCut_Cmd::Fastrelle_Corner_Join_ExtendBothCut_Cmd()
    : Fastrelle_Corner_Join_Cmd(std::make_unique<Fastrelle_Corner_Join_ExtendBothCut>()) {}

int Fastrelle_Corner_Join_ExtendBothCut_Cmd::Pick() { return PickCutLines(); }

Fastrelle_Corner_Join_ExtendOneSeam_Cmd::Fastrelle_Corner_Join_ExtendOneSeam_Cmd()
    : Fastrelle_Corner_Join_Cmd(std::make_unique<Fastrelle_Corner_Join_ExtendOneSeam>()) {}

Fastrelle_Corner_Join_ExtendBothSeam_Cmd::Fastrelle_Corner_Join_ExtendBothSeam_Cmd()
    : Fastrelle_Corner_Join_Cmd(std::make_unique<Fastrelle_Corner_Join_ExtendBothSeam>()) {}

ZcDbObjectId Fastrelle_Corner_Join_ExtendBothSeam_Cmd::SecondSeam() const {
  return static_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(m_join.get())->m_seam2;
}

int Fastrelle_Corner_Join_ExtendBothSeam_Cmd::Pick() {
  if (!PickHighlighted(40205, static_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(m_join.get())->m_seam2))
    return Zcad::eUserBreak;
  return Fastrelle_Corner_Join_Cmd::Pick();
}

int Fastrelle_Corner_Join_ExtendBothSeam_Cmd::Unhighlight() {
  Fastrelle_Corner_Join_Cmd::Unhighlight();
  UI_Curve seam2;
  if (!seam2.Attach(SecondSeam())) return Zcad::eWrongObjectType;
  seam2.Highlight(false);
  return 0;
}

Fastrelle_Corner_Join_Angle_Cmd::Fastrelle_Corner_Join_Angle_Cmd(double angle)
    : Fastrelle_Corner_Join_Cmd(std::make_unique<Fastrelle_Corner_Join_Angle>(angle)) {}

std::unique_ptr<Fastrelle_Corner_Join_Cmd> CreateCornerJoinCmd(int mode) {
  switch (mode) {
    case 0: return std::make_unique<Fastrelle_Corner_Join_ExtendBothCut_Cmd>();
    case 1: return std::make_unique<Fastrelle_Corner_Join_ExtendOneSeam_Cmd>();
    case 2: return std::make_unique<Fastrelle_Corner_Join_ExtendBothSeam_Cmd>();
    case 3: return std::make_unique<Fastrelle_Corner_Join_Angle_Cmd>(90.0);
    case 4: return std::make_unique<Fastrelle_Corner_Join_Angle_Cmd>(45.0);
    case 5: return std::make_unique<Fastrelle_Corner_Join_ByMirrors_Cmd>();
    default: return nullptr;
  }
}
