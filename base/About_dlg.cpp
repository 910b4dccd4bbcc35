// The About dialog.
#include "base/About_dlg.h"

#include "framework/ModuleVersion.h"

namespace {
const int kInformationId = 8028;
}  // namespace

CString About_dlg::InformationText() {
  return L"Fastrelle " FASTRELLE_BANNER_VERSION L" - system konstrukcji i stopniowania form odzieżowych. "
         L"Producent: MIRABO";
}

BOOL About_dlg::OnInitDialog() {
  m_information = InformationText();
  return CDialogEx::OnInitDialog();  // pushes the fields to the controls
}

void About_dlg::DoDataExchange(CDataExchange* dx) {
  CDialogEx::DoDataExchange(dx);
  DDX_Text(dx, kInformationId, m_information);
}
