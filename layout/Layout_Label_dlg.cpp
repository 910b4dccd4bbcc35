// The layout-label dialog.
#include "layout/Layout_Label_dlg.h"

#include "ed/UserInput.h"
#include "framework/Plot_Settings.h"
#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "layout/Fastrelle_Layout_Description.h"
#include "ui/UI_PropertiesProperty.h"

namespace {
const int kGridId = 12010;
const UINT kCloseString = 43120, kInsertString = 43149, kPointPrompt = 43148, kTemplateRow = 43150,
           kSizeRow = 43151, kAttributesRow = 43152, kTemplateDialogTitle = 43153;
}  // namespace

IMPLEMENT_DYNAMIC(Layout_Label_dlg, CZdUiDialog)

void Layout_Label_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kGridId, m_grid);
}

BOOL Layout_Label_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(kProductWord);
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->SetWindowText(LoadResString(kCloseString));
  if (CWnd* ok = GetDlgItem(IDOK)) ok->SetWindowText(LoadResString(kInsertString));
  m_grid.NameRows(LoadResString(kTemplateRow), LoadResString(kTemplateDialogTitle),
                  GetPlotSettingString(L"LayoutDescriptionExtensionFilter"), LoadResString(kSizeRow),
                  LoadResString(kAttributesRow));
  m_grid.LoadTemplate(Plot_Settings().GetPath(L"LayoutDescriptionDefaultName"));
  return TRUE;
}

void Layout_Label_dlg::OnOK() {
  BeginEditorCommand();
  ads_point picked;
  if (zcedGetPoint(nullptr, L"\n" + LoadResString(kPointPrompt), picked) == RTNORM) {
    const CString path = m_grid.Selector() ? m_grid.Selector()->GetPath() : CString();
    NameValueList attributes;
    attributes.ReadFromPropertyGroup(m_grid.AttributeGroup());
    Fastrelle_Layout_Description description(path, attributes, m_grid.ChosenSize());
    const int status = description.Insert(ZcGePoint3d(picked[0], picked[1], picked[2]));
    if (status != 0) {
      ZWAlert alert;
      alert.Print(L"\n" + path);
      alert.PrintErrorStatus(status);
    }
  }
  CompleteEditorCommand();
}
