// The layout properties of the warehouse dialog.
#include "layout/Layout_property.h"

#include "framework/ResString.h"
#include "layout/Fastrelle_Desc_LayoutVariables.h"
#include "layout/Layout_calc.h"
#include "ui/UI_PropertiesProperty.h"

namespace {
const UINT kGroup = 43136, kWidth = 43138, kLength = 43139, kInfo = 43140, kUsed = 43141, kEfficiency = 43142,
           kCount = 43144;

UI_PropertyNumeric* Numeric(UINT name) {
  auto* row = new UI_PropertyNumeric(LoadResString(name), 0.0);
  row->SetDecimals(0);
  row->AllowEdit(FALSE);
  return row;
}
}  // namespace

void Layout_property::PreSubclassWindow() {
  CRect rect;
  GetClientRect(&rect);
  SetLeftColumnWidth(static_cast<int>(rect.Width() * 0.5));
  auto* group = new CMFCPropertyGridProperty(LoadResString(kGroup));
  group->AddSubItem(Numeric(kWidth));
  group->AddSubItem(Numeric(kLength));
  auto* info = new CMFCPropertyGridProperty(LoadResString(kInfo));
  info->AddSubItem(Numeric(kUsed));
  auto* efficiency = new CMFCPropertyGridProperty(LoadResString(kEfficiency), COleVariant(L""));
  efficiency->AllowEdit(FALSE);
  info->AddSubItem(efficiency);
  auto* count = new CMFCPropertyGridProperty(LoadResString(kCount), COleVariant(static_cast<short>(0)));
  count->AllowEdit(FALSE);
  info->AddSubItem(count);
  group->AddSubItem(info);
  m_group = AddProperty(group, TRUE, TRUE);
  ShowInfo();
  UI_PropertiesGrid::PreSubclassWindow();
}

CMFCPropertyGridProperty* Layout_property::Row(int index) const {
  CMFCPropertyGridProperty* group = m_group < 0 ? nullptr : GetProperty(m_group);
  if (!group || group->GetSubItemsCount() < 3) return nullptr;
  if (index < 2) return group->GetSubItem(index);
  CMFCPropertyGridProperty* info = group->GetSubItem(2);
  return info && index - 2 < info->GetSubItemsCount() ? info->GetSubItem(index - 2) : nullptr;
}

void Layout_property::SetLayoutSize(const Layout& layout) {
  if (CMFCPropertyGridProperty* width = Row(0)) width->SetValue(COleVariant(layout.GetWidth()));
  if (CMFCPropertyGridProperty* length = Row(1)) length->SetValue(COleVariant(layout.GetLength()));
}

void Layout_property::ShowInfo() {
  if (CMFCPropertyGridProperty* used = Row(2)) used->SetValue(COleVariant(Layout_calc_Length().Calculate()));
  if (CMFCPropertyGridProperty* efficiency = Row(3))
    efficiency->SetValue(COleVariant(Fastrelle_Desc_Var_Efficiency().GetValue()));
  if (CMFCPropertyGridProperty* count = Row(4))
    count->SetValue(COleVariant(static_cast<short>(layout_calc_ItemsCounter().Calculate())));
}
