// The part-set dialog.
#include "construction/PartsSet_dlg.h"

#include "construction/PartSetDescriptionDefault.h"
#include "construction/PartSetTable_Settings.h"
#include "db/ZcDbDatabase.h"
#include "ed/UserInput.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "ui/UI_PropertiesProperty.h"

namespace {
const int kPropertiesId = 8024, kListId = 8025, kTextId = 8026, kInsertId = 8027;
const UINT kAttributesRow = 40303, kTemplateRow = 40301, kTemplateDialogTitle = 40304, kSizeRow = 40404,
           kInsertString = 40402, kCloseString = 40306, kPointPrompt = 40403;

bool& SizeRead() {
  static bool read = false;
  return read;
}
}  // namespace

IMPLEMENT_DYNAMIC(PartsSet_dlg, CZdUiDialog)

BEGIN_MESSAGE_MAP(PartsSet_dlg, CZdUiDialog)
  ON_BN_CLICKED(kInsertId, OnInsert)
END_MESSAGE_MAP()

double& PartsSet_dlg::RememberedSize() {
  static double size = 1.0;
  if (!SizeRead()) {
    SizeRead() = true;
    const double setting = PartSetTable_Settings().GetDouble(L"DecriptiorSize");
    size = setting > 0 ? setting : 1.0;
  }
  return size;
}

CString& PartsSet_dlg::RememberedText() {
  static CString text;
  return text;
}

void PartsSet_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kPropertiesId, m_properties);
  DDX_Control(dx, kListId, m_list);
}

BOOL PartsSet_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(kProductWord);
  if (CWnd* insert = GetDlgItem(kInsertId)) insert->SetWindowText(LoadResString(kInsertString));
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->SetWindowText(LoadResString(kCloseString));
  if (CMFCPropertyGridProperty* group = m_properties.AttributeGroup()) group->SetName(LoadResString(kAttributesRow));
  if (Zc_AttributesTemplateSelector* selector = m_properties.Selector()) {
    selector->SetName(LoadResString(kTemplateRow));
    selector->SetDialogTitle(LoadResString(kTemplateDialogTitle));
  }
  if (CMFCPropertyGridProperty* size = m_properties.NumericRow()) size->SetName(LoadResString(kSizeRow));
  CRect box;
  m_properties.GetClientRect(&box);
  m_properties.SetLeftColumnWidth(box.Width() / 2);
  m_properties.LoadTemplate(PartSetTable_Settings().GetPath(L"DecriptiorName"));
  SetDlgItemText(kTextId, RememberedText());
  if (CMFCPropertyGridProperty* size = m_properties.NumericRow()) size->SetValue(COleVariant(RememberedSize()));
  m_list.Fill();
  return TRUE;
}

CString PartsSet_dlg::Text() const {
  CString text;
  GetDlgItemText(kTextId, text);
  return text;
}

void PartsSet_dlg::SaveAndRemember() {
  m_list.Save();
  RememberedSize() = m_properties.ChosenSize();
  RememberedText() = Text();
}

void PartsSet_dlg::OnOK() {
  SaveAndRemember();
  CZdUiDialog::OnOK();
}

void PartsSet_dlg::OnCancel() {
  SaveAndRemember();
  CZdUiDialog::OnCancel();
}

int PartsSet_dlg::InsertSet(const ZcGePoint3d& point) {
  PartSetDescriptionDefault description;
  description.m_templatePath = m_properties.TemplatePath();
  description.m_attributes.ReadFromPropertyGroup(m_properties.AttributeGroup());
  description.m_text = Text();
  description.m_scale = m_properties.ChosenSize();
  if (ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase()) description.m_owner = db->currentSpaceId();
  return description.Insert(point);
}

void PartsSet_dlg::OnInsert() {
  m_list.Save();
  BeginEditorCommand();
  ads_point picked;
  if (zcedGetPoint(nullptr, LoadResString(kPointPrompt), picked) == RTNORM)
    InsertSet(ZcGePoint3d(picked[0], picked[1], picked[2]));  // each failing item has printed its status
  CompleteEditorCommand();
}
