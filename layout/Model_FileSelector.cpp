// The model drawing path of the model dialog.
#include "layout/Model_FileSelector.h"

#include "framework/Plot_Settings.h"
#include "layout/Fastrelle_Plot_ErrorHandler.h"

void Model_FileSelector::PreSubclassWindow() {
  CMFCEditBrowseCtrl::PreSubclassWindow();
  EnableFileBrowseButton(L"dwg", GetPlotSettingString(L"ModelExtensionFilter"));
}

CString Model_FileSelector::GetPath() const {
  CString text;
  GetWindowText(text);
  return text;
}

void Model_FileSelector::OnBrowse() {
  CMFCEditBrowseCtrl::OnBrowse();
  const CString path = GetPath();
  if (path.IsEmpty()) return;
  if (const int code = CheckModelFile(path)) {
    Fastrelle_Plot_ErrorHandler(code, path).Show();
    return;
  }
  if (CWnd* parent = GetParent()) parent->PostMessage(kModelChosen, 0, 0);
}
