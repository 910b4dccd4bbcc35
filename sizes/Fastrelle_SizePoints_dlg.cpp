// The grading dialog: showing a picked point's grading and copying it onto other points.
#include "sizes/Fastrelle_SizePoints_dlg.h"

#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "geometry/PointHelpers.h"
#include "sizes/CollectSymbolsAt.h"
#include "sizes/Fastrelle_SizePoint.h"

namespace {
const UINT kTitle = 40125, kClose = 40306, kPickPoint = 40118, kToShow = 40119, kToPaste = 40120;
const UINT kNothingAtPick = 41219, kNoBasePoint = 41220, kNothingShown = 41222;

struct CopyButton {
  int id, xMode, yMode;
};
// "XY", "X", "MY", "MX", "Y", "MXMY", "MXY", "XMY".
const CopyButton kCopyButtons[] = {{8019, 0, 0}, {8020, 0, 2}, {8021, 2, 1}, {8022, 1, 2},
                                   {8023, 2, 0}, {8024, 1, 1}, {8025, 1, 0}, {8026, 0, 1}};

void Say(UINT message) { ZWPrinter().Print(L"\n" + LoadResString(message)); }
}  // namespace

IMPLEMENT_DYNAMIC(Fastrelle_SizePoints_dlg, CZdUiDialog)

BEGIN_MESSAGE_MAP(Fastrelle_SizePoints_dlg, CZdUiDialog)
  ON_BN_CLICKED(kCloseId, OnClose8014)
  ON_BN_CLICKED(kShowId, OnShow)
  ON_COMMAND_RANGE(kFirstCopyId, kLastCopyId, OnCopyButton)
END_MESSAGE_MAP()

bool Fastrelle_SizePoints_dlg::CopyModes(int buttonId, int& xMode, int& yMode) {
  for (const CopyButton& b : kCopyButtons)
    if (b.id == buttonId) {
      xMode = b.xMode, yMode = b.yMode;
      return true;
    }
  return false;
}

void Fastrelle_SizePoints_dlg::ApplyModes(std::vector<GradingOffset>& offsets, int xMode, int yMode) {
  for (GradingOffset& o : offsets) {
    if (xMode == kMirror) o.DX = -o.DX;
    if (xMode == kLeave) o.X = false;
    if (yMode == kMirror) o.DY = -o.DY;
    if (yMode == kLeave) o.Y = false;
  }
}

void Fastrelle_SizePoints_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kGridId, m_grid);
}

BOOL Fastrelle_SizePoints_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(ProductGroupName() + LoadResString(kTitle));
  if (CWnd* close = GetDlgItem(kCloseId)) close->SetWindowText(LoadResString(kClose));
  return TRUE;
}

void Fastrelle_SizePoints_dlg::OnClose8014() { EndDialog(8); }

bool Fastrelle_SizePoints_dlg::PickPoint(UINT second, ZcGePoint3d& point) {
  return GetPointFromUser(LoadResString(kPickPoint) + LoadResString(second), nullptr, point) == RTNORM;
}

void Fastrelle_SizePoints_dlg::OnShow() {
  BeginEditorCommand();
  ZcGePoint3d picked;
  if (PickPoint(kToShow, picked)) {
    std::vector<std::unique_ptr<Fastrelle_Points_Gradable>> collections;
    if (CollectSymbolsAt(picked, collections) != 0 || collections.empty()) {
      Say(kNothingAtPick);
    } else {
      // The grade points' place, when the pick has one; else the first symbol's.
      Fastrelle_Points_Gradable* shown = collections.front().get();
      for (const auto& c : collections)
        if (c->BlockName().CompareNoCase(GradePointBlockName()) == 0) shown = c.get();
      if (!m_grid.ShowPoint(*shown)) Say(kNoBasePoint);
    }
  }
  CompleteEditorCommand();
}

void Fastrelle_SizePoints_dlg::OnCopyButton(UINT id) {
  int xMode = 0, yMode = 0;
  if (!CopyModes(static_cast<int>(id), xMode, yMode)) return;
  std::vector<GradingOffset> offsets = m_grid.GetOffsets();
  BeginEditorCommand();
  ZcGePoint3d picked;
  if (m_grid.BaseHandle().IsEmpty()) {
    Say(kNothingShown);
  } else if (PickPoint(kToPaste, picked)) {
    ApplyModes(offsets, xMode, yMode);
    std::vector<std::unique_ptr<Fastrelle_Points_Gradable>> collections;
    if (CollectSymbolsAt(picked, collections) != 0 || collections.empty()) Say(kNothingAtPick);
    for (const auto& c : collections) c->ApplyOffsets(offsets);
  }
  CompleteEditorCommand();
  m_grid.ShowAgain();  // the target may be the shown place itself
}
