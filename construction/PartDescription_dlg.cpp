// The part-description dialog.
#include "construction/PartDescription_dlg.h"

#include "construction/Fastrelle_Description_Help_Dialog.h"
#include "construction/Fastrelle_Part_Description.h"
#include "ed/ErrorStatus.h"
#include "ed/UserInput.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "ui/UI_PropertiesProperty.h"

namespace {
const int kGridId = 8019, kHelpId = 8020;
const UINT kPointPrompt = 40008, kTemplateRow = 40301, kSizeRow = 40302, kAttributesRow = 40303,
           kTemplateDialogTitle = 40304, kCloseString = 40306, kInsertString = 40307;

bool& RememberedRead() {
  static bool read = false;
  return read;
}

void ReadRememberedOnce() {
  if (RememberedRead()) return;
  RememberedRead() = true;
  PartDescription_dlg::RememberedTemplate() = GetSettingPath(L"PartDescriptionDefaultName");
  const double size = GetSettingDouble(L"PartDescriptionDefaultSize");
  PartDescription_dlg::RememberedSize() = size > 0 ? size : 1.0;
}
}  // namespace

IMPLEMENT_DYNAMIC(PartDescription_dlg, CZdUiDialog)

BEGIN_MESSAGE_MAP(PartDescription_dlg, CZdUiDialog)
  ON_BN_CLICKED(kHelpId, OnHelp)
END_MESSAGE_MAP()

CString& PartDescription_dlg::RememberedTemplate() {
  static CString path;
  return path;
}

double& PartDescription_dlg::RememberedSize() {
  static double size = 1.0;
  return size;
}

void PartDescription_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kGridId, m_grid);
}

BOOL PartDescription_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  ReadRememberedOnce();
  SetWindowText(kProductWord);
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->SetWindowText(LoadResString(kCloseString));
  if (CWnd* ok = GetDlgItem(IDOK)) ok->SetWindowText(LoadResString(kInsertString));
  m_grid.NameRows(LoadResString(kTemplateRow), LoadResString(kTemplateDialogTitle),
                  GetSettingString(L"PartDescriptionExtensionFilter"), LoadResString(kSizeRow),
                  LoadResString(kAttributesRow));
  const CString defaultTemplate = GetSettingPath(L"PartDescriptionDefaultName");
  m_grid.LoadTemplate(defaultTemplate);
  if (RememberedTemplate() != defaultTemplate) m_grid.LoadTemplate(RememberedTemplate());
  if (CMFCPropertyGridProperty* size = m_grid.NumericRow()) size->SetValue(COleVariant(RememberedSize()));
  return TRUE;
}

double PartDescription_dlg::ChosenSize() const { return m_grid.ChosenSize(); }

int PartDescription_dlg::InsertDescription(const ZcGePoint3d& point) {
  const CString path = m_grid.Selector() ? m_grid.Selector()->GetPath() : CString();
  NameValueList attributes;
  attributes.ReadFromPropertyGroup(m_grid.AttributeGroup());
  Fastrelle_Part_Description description(path, attributes, ChosenSize());
  return description.InsertIntoPart(point);
}

void PartDescription_dlg::OnOK() {
  BeginEditorCommand();
  ads_point picked;
  if (zcedGetPoint(nullptr, LoadResString(kPointPrompt), picked) == RTNORM) {
    const int status = InsertDescription(ZcGePoint3d(picked[0], picked[1], picked[2]));
    if (status != 0 && status != Zcad::eWrongObjectType) {  // a point in no part has said so
      ZWAlert alert;
      alert.Print(L"\n" + (m_grid.Selector() ? m_grid.Selector()->GetPath() : CString()));
      alert.PrintErrorStatus(status);
    }
  }
  CompleteEditorCommand();
}

void PartDescription_dlg::OnCancel() {
  if (Zc_AttributesTemplateSelector* selector = m_grid.Selector()) RememberedTemplate() = selector->GetPath();
  RememberedSize() = ChosenSize();
  CZdUiDialog::OnCancel();
}

void PartDescription_dlg::OnHelp() {
  Fastrelle_Description_Help_Dialog help(this);
  help.DoModal();
}
