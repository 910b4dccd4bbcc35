// The system's property grids and the attribute grid filled from a template drawing.
#include "ui/UI_PropertiesGrid.h"

#include "db/ZcDbText.h"
#include "framework/UI_AttDefList.h"
#include "framework/UI_Block.h"
#include "framework/UI_Path.h"
#include "ui/UI_PropertiesProperty.h"

IMPLEMENT_DYNAMIC(UI_PropertiesGrid, CMFCPropertyGridCtrl)
IMPLEMENT_DYNAMIC(Zc_AttributesGrid, UI_PropertiesGrid)

BOOL UI_PropertiesGrid::DestroyWindow() {
  RemoveAll();
  return CMFCPropertyGridCtrl::DestroyWindow();
}

void Zc_AttributesGrid::PreSubclassWindow() {
  UI_PropertiesGrid::PreSubclassWindow();
  EnableHeaderCtrl(FALSE, L"Property", L"Value");
  m_selector = AddProperty(new Zc_AttributesTemplateSelector);
  m_group = AddProperty(new CMFCPropertyGridProperty(CString()));
  auto* numeric = new UI_PropertiesProperty(L"", COleVariant(10.0));
  numeric->SetDecimals(2);
  numeric->AllowEdit(TRUE);
  m_numeric = AddProperty(numeric);
}

Zc_AttributesTemplateSelector* Zc_AttributesGrid::Selector() const {
  return dynamic_cast<Zc_AttributesTemplateSelector*>(GetProperty(m_selector));
}

void Zc_AttributesGrid::LoadTemplate(const CString& path) {
  UI_Path normalised(path);
  SetPropertyValue(m_selector, normalised.GetNameWithoutExtension());
  if (Zc_AttributesTemplateSelector* selector = Selector()) selector->SetPath(normalised.GetPath());
  CMFCPropertyGridProperty* group = AttributeGroup();
  if (!group) return;
  while (group->GetSubItemsCount() > 0) {
    CMFCPropertyGridProperty* row = group->GetSubItem(0);
    group->RemoveSubItem(row);
  }
  UI_Block block(path, true);
  UI_AttDefList definitions;
  if (block.Record() && definitions.LoadFromBlock(block.Record()) == 0)
    for (ZcDbAttributeDefinition* d : definitions.Definitions())
      AddAttribute(d->tag().c_str(), d->textString(), d->prompt().c_str(), d->isConstant() ? 1 : 0);
  group->Redraw();
  group->Expand(FALSE);
  group->Expand(TRUE);
  EnsureVisible(group);
}

void Zc_AttributesGrid::AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt,
                                     int constant) {
  CMFCPropertyGridProperty* group = AttributeGroup();
  if (!group) return;
  CStringArray options;
  int pos = 0;
  for (CString part = defaultText.Tokenize(L";", pos); pos >= 0; part = defaultText.Tokenize(L";", pos))
    if (!part.IsEmpty()) options.Add(part);
  if (defaultText.Find(L';') < 0) options.RemoveAll();
  if (options.GetSize() > 1) {
    auto* combo = new Combo_Property(tag, COleVariant(options[0]), prompt);
    combo->SetOptions(options);
    group->AddSubItem(combo);
    return;
  }
  auto* row = new CMFCPropertyGridProperty(tag, COleVariant(defaultText), prompt);
  if (constant == 1) row->AllowEdit(FALSE);
  group->AddSubItem(row);
}

void Zc_AttributesGrid::SetPropertyValue(int index, const CString& text) {
  if (CMFCPropertyGridProperty* row = GetProperty(index)) row->SetValue(COleVariant(text));
}

void Zc_AttributesGrid::SetValueByName(const CString& name, const CString& text) {
  CMFCPropertyGridProperty* group = AttributeGroup();
  for (int i = 0; group && i < group->GetSubItemsCount(); ++i)
    if (name.CompareNoCase(group->GetSubItem(i)->GetName()) == 0) group->GetSubItem(i)->SetValue(COleVariant(text));
}
