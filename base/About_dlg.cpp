// The About dialog.
#include "base/About_dlg.h"

#include "framework/ModuleVersion.h"
#include "framework/ResString.h"

namespace {
const int kInformationId = 8028, kLinkId = 8029, kLogoId = 8030, kModulesId = 1003;
const UINT kTooltipString = 42201, kLogoPng = 8026;
}  // namespace

CString About_dlg::InformationText() {
  return L"Fastrelle " FASTRELLE_BANNER_VERSION L" - system konstrukcji i stopniowania form odzieżowych. "
         L"Producent: MIRABO";
}

BOOL About_dlg::OnInitDialog() {
  m_information = InformationText();
  CDialogEx::OnInitDialog();  // attaches the controls and pushes the fields to them
  m_link.SetTooltip(LoadResString(kTooltipString));
  m_logo.LoadPng(kLogoPng);
  return TRUE;
}

void About_dlg::DoDataExchange(CDataExchange* dx) {
  CDialogEx::DoDataExchange(dx);
  DDX_Text(dx, kInformationId, m_information);
  DDX_Control(dx, kLinkId, m_link);
  DDX_Control(dx, kLogoId, m_logo);
  DDX_Control(dx, kModulesId, m_modules);
}
