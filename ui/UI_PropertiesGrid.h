// The system's property grids: UI_PropertiesGrid removes its rows before its window goes;
// Zc_AttributesGrid shows a description template's attribute definitions as rows (tag,
// default text, prompt), with a template selector and a numeric row above them.
#ifndef UI_UI_PROPERTIESGRID_H
#define UI_UI_PROPERTIESGRID_H

#include "mfc/CMFCPropertyGridCtrl.h"

class UI_PropertiesGrid : public CMFCPropertyGridCtrl {
  DECLARE_DYNAMIC(UI_PropertiesGrid)
public:
  BOOL DestroyWindow() override;
  void OnPropertyChanged(CMFCPropertyGridProperty* property) const override {
    CMFCPropertyGridCtrl::OnPropertyChanged(property);
  }
};

class Zc_AttributesTemplateSelector;

class Zc_AttributesGrid : public UI_PropertiesGrid {
  DECLARE_DYNAMIC(Zc_AttributesGrid)
public:
  /// Fills the rows from the template drawing's block of the same name.
  virtual void LoadTemplate(const CString& path);
  /// "S;M;L" gives a row S with options S, M, L and no free text; otherwise a plain row
  /// (read-only when constant).
  virtual void AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt, int constant);
  virtual void SetPropertyValue(int index, const CString& text);
  /// Every attribute row named `name` (ignoring case) takes the text.
  virtual void SetValueByName(const CString& name, const CString& text);
  CMFCPropertyGridProperty* AttributeGroup() const { return GetProperty(m_group); }
  Zc_AttributesTemplateSelector* Selector() const;
  CMFCPropertyGridProperty* NumericRow() const { return GetProperty(m_numeric); }

protected:
  /// Hidden header "Property" / "Value"; the selector, the attribute group and the numeric row.
  void PreSubclassWindow() override;
  int m_group = 1, m_selector = 0, m_numeric = 2;
};

#endif
