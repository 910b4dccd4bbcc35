// The buttons of the warehouse dialog.
#include "layout/Warehouse_buttons.h"

#include "layout/Model_dlg.h"
#include "layout/Warehouse2018_dlg.h"

void AddModel_btn::OnClicked() {
  Model_dlg dialog(GetParent());
  dialog.DoModal();
  if (CWnd* parent = GetParent()) parent->PostMessage(Warehouse2018_dlg::kRefresh);
}

void RemovePart_btn::OnClicked() {
  if (CWnd* parent = GetParent()) parent->PostMessage(Warehouse2018_dlg::kRemovePart);
}

void InsertAll_btn::OnClicked() {
  if (CWnd* parent = GetParent()) parent->PostMessage(Warehouse2018_dlg::kInsertAll);
}
