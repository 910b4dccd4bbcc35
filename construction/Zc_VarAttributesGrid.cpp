// The attribute grid with the description variables applied to its default texts.
#include "construction/Zc_VarAttributesGrid.h"

#include "ui/UI_PropertiesProperty.h"

IMPLEMENT_DYNAMIC(Zc_VarAttributesGrid, Zc_AttributesGrid)

void Zc_VarAttributesGrid::AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt,
                                        int constant) {
  Zc_AttributesGrid::AddAttribute(tag, m_vars.Substitute(defaultText), prompt, constant);
}

void Zc_VarAttributesGrid::NameRows(const CString& templateRow, const CString& dialogTitle, const CString& filter,
                                    const CString& sizeRow, const CString& attributesRow) {
  CRect box;
  GetClientRect(&box);
  SetLeftColumnWidth(box.Width() * 30 / 100);
  if (Zc_AttributesTemplateSelector* selector = Selector()) {
    selector->SetName(templateRow);
    selector->SetDialogTitle(dialogTitle);
    selector->SetFilter(filter);
  }
  if (CMFCPropertyGridProperty* size = NumericRow()) size->SetName(sizeRow);
  if (CMFCPropertyGridProperty* group = AttributeGroup()) group->SetName(attributesRow);
}

double Zc_VarAttributesGrid::ChosenSize() const {
  CMFCPropertyGridProperty* row = NumericRow();
  const double size = row ? row->GetValue().dblVal : 0.0;
  return size > 0 ? size : 1.0;
}
