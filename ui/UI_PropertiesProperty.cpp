// The rows of the system's property grids.
#include "ui/UI_PropertiesProperty.h"

#include "framework/UI_Path.h"
#include "ui/UI_PropertiesGrid.h"

IMPLEMENT_DYNAMIC(UI_PropertiesProperty, CMFCPropertyGridProperty)
IMPLEMENT_DYNAMIC(UI_PropertyNumeric, UI_PropertiesProperty)
IMPLEMENT_DYNAMIC(Combo_Property, CMFCPropertyGridProperty)
IMPLEMENT_DYNAMIC(UI_PropertiesFileProperty, CMFCPropertyGridFileProperty)
IMPLEMENT_DYNAMIC(Zc_AttributesTemplateSelector, UI_PropertiesFileProperty)

CString UI_PropertiesProperty::FormatProperty() {
  if (m_value.vt != VT_R8) return CMFCPropertyGridProperty::FormatProperty();
  CString format, text;
  format.Format(L"%%0.%df", m_decimals);
  text.Format(format, m_value.dblVal);
  return text;
}

UI_PropertyNumeric::UI_PropertyNumeric(const CString& name, double value)
    : UI_PropertiesProperty(name, COleVariant(value)) {
  m_decimals = 2;
  UI_PropertyNumeric::SetDecimals(0);
}

void UI_PropertyNumeric::SetDecimals(int decimals) {
  UI_PropertiesProperty::SetDecimals(decimals);
  m_format.Format(L"%%.%df", decimals);
}

CString UI_PropertyNumeric::FormatProperty() {
  CString text;
  text.Format(m_format, m_value.dblVal);
  return text;
}

void Combo_Property::SetOptions(const CStringArray& options) {
  RemoveAllOptions();
  for (int i = 0; i < options.GetSize(); ++i) AddOption(options[i]);
  AllowEdit(FALSE);
}

void UI_PropertiesFileProperty::SetPath(const CString& path) {
  m_path.Empty();
  if (path.IsEmpty()) return;
  m_path = path;
  SetValue(COleVariant(UI_Path(path).GetNameWithoutExtension()));
}

CString UI_PropertiesFileProperty::Browse() {
  CFileDialog dlg(m_bOpenFileDialog, m_strDefExt, m_path, m_dwFileOpenFlags, m_strFilter, m_pWndList);
  if (!m_title.IsEmpty()) dlg.m_ofn.lpstrTitle = m_title;
  return dlg.DoModal() == IDOK ? dlg.GetPathName() : CString();
}

void UI_PropertiesFileProperty::OnClickButton(CPoint) {
  CString chosen = Browse();
  if (chosen.IsEmpty()) return;
  SetPath(chosen);
  if (m_pWndList) m_pWndList->OnPropertyChanged(this);
}

void Zc_AttributesTemplateSelector::OnClickButton(CPoint) {
  CString chosen = Browse();
  auto* grid = dynamic_cast<Zc_AttributesGrid*>(m_pWndList);
  if (chosen.IsEmpty() || !grid) return;
  grid->LoadTemplate(chosen);
  if (CWnd* parent = grid->GetParent()) parent->PostMessage(2026, 0, 0);
}
