// The setting guards and the current view.
#include "framework/Guards.h"

#include <algorithm>
#include <cmath>

#include "ed/ZcGsView.h"
#include "ed/zced.h"
#include "framework/CommandSequences.h"
#include "framework/ZWVariable.h"

ZW_View::ZW_View() {
  GetVariableInt(L"CVPORT", m_viewport);
  m_view = zcgsGetGsView(m_viewport, true);
  if (m_view) zcgsSetViewParameters(m_viewport, m_view, true, true, false);
}

int ZW_View::GetMode() const { return m_view ? static_cast<int>(m_view->mode()) : -1; }

void ZW_View::SetMode(int mode) {
  if (!m_view) return;
  m_view->setMode(static_cast<ZcGsView::RenderMode>(mode));
  zcgsSetViewParameters(m_viewport, m_view, true, true, false);
}

bool ZW_View::IsInside(const ZcGePoint3d& point) const {
  ZcGePoint3d center, screen;
  double height = 0.0;
  ZWVariable vc(L"VIEWCTR"), vs(L"SCREENSIZE");
  if (!vc.GetPoint(center) || !vs.GetPoint(screen) || !ZWVariable(L"VIEWSIZE").GetReal(height)) return false;
  const ZcGePoint3d p = WorldToUser(point);  // VIEWCTR is in user coordinates
  double width = screen.y > 0 ? height * screen.x / screen.y : height;
  return std::abs(p.x - center.x) <= width / 2 && std::abs(p.y - center.y) <= height / 2;
}

void ZW_View::ZoomTo(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2) { ZoomToExtents(corner1, corner2); }

void PickStyle::SaveAndSetZero() {
  m_read = ZWVariable(L"PICKSTYLE").GetShort(m_saved);
  SetVariableInt(L"PICKSTYLE", 0);
}

void PickStyle::Restore() {
  if (m_read) SetVariableInt(L"PICKSTYLE", m_saved);
}

void OSNAP::SaveAndSetZero() {
  m_read = ZWVariable(L"OSMODE").GetShort(m_saved);
  SetVariableInt(L"OSMODE", 0);
}

void OSNAP::Restore() {
  if (m_read) SetVariableInt(L"OSMODE", m_saved);
}

void Shademode::SaveAndSet(int mode) {
  ZW_View view;
  m_saved = view.GetMode();
  view.SetMode(mode);
}

void Shademode::Restore() {
  if (m_saved >= 0) ZW_View().SetMode(m_saved);
}
