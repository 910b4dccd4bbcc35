// The warehouse command.
#include "layout/Warehouse_Cmd.h"

#include "layout/Layout_drawer.h"
#include "layout/Model_dlg.h"
#include "layout/NewLayout_dlg.h"
#include "layout/Warehouse2018_dlg.h"

void Warehouse_Cmd::Run() {
  Layout measured(0.0, 0.0);
  if (measured.MeasureBorder() != 0) {
    NewLayout_dlg size;
    if (size.DoModal() != IDOK) return;
    Layout_drawer border(Layout(size.m_width > 0.0 ? size.m_width : 0.0, size.m_length > 0.0 ? size.m_length : 0.0));
    if (border.Draw() != 0) return;
    Model_dlg model;
    if (model.DoModal() != IDOK) return;
  }
  Warehouse2018_dlg warehouse;
  warehouse.DoModal();
}
