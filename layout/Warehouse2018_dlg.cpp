// The warehouse dialog.
#include "layout/Warehouse2018_dlg.h"

#include "db/ZcDbExtents.h"
#include "framework/CommandSequences.h"
#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "framework/ResBuf.h"
#include "framework/Tagged.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_draw_form.h"
#include "layout/Layout_saver_XData.h"

namespace {
const int kListId = 12000, kPropertiesId = 1001, kAddId = 12011, kRemoveId = 1013, kInsertAllId = 1016;
const UINT kCellLeft = 43106;

void ZoomAndRegen() {
  ResBuf zoom;
  zoom.AddString(L"_Zoom");
  zoom.AddString(L"_A");
  RunCommandAndWait(zoom);
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
}
}  // namespace

BEGIN_MESSAGE_MAP(Warehouse2018_dlg, CZdUiDialog)
  ON_BN_CLICKED(kAddId, OnAddClicked)
  ON_BN_CLICKED(kRemoveId, OnRemoveClicked)
  ON_BN_CLICKED(kInsertAllId, OnInsertAllClicked)
  ON_MESSAGE(Warehouse_list::kInsertOne, OnInsertOne)
  ON_MESSAGE(kRefresh, OnRefresh)
  ON_MESSAGE(kRemovePart, OnRemovePart)
  ON_MESSAGE(kInsertAll, OnInsertAll)
END_MESSAGE_MAP()

void Warehouse2018_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kListId, m_list);
  DDX_Control(dx, kPropertiesId, m_properties);
  DDX_Control(dx, kAddId, m_add);
  DDX_Control(dx, kRemoveId, m_remove);
  DDX_Control(dx, kInsertAllId, m_insertAll);
}

BOOL Warehouse2018_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(ProductGroupName());
  Refresh(false);
  return TRUE;
}

void Warehouse2018_dlg::Refresh(bool clear) {
  Layout_saver_XData content(Layout(0.0, 0.0));
  ZcDbExtents box;
  content.MeasureBorder(&box);
  content.SetTarget(FindTaggedPolyline(L"Layout"));
  if (!content.GetTarget().isNull()) content.Load();
  if (clear) m_list.Clear();
  m_properties.SetLayoutSize(content);
  m_list.Fill(content);
  m_properties.ShowInfo();
}

LRESULT Warehouse2018_dlg::OnRefresh(WPARAM, LPARAM) {
  Refresh(true);
  return 0;
}

LRESULT Warehouse2018_dlg::OnRemovePart(WPARAM, LPARAM) {
  POSITION position = m_list.GetFirstSelectedItemPosition();
  if (!position) return 0;
  const int row = m_list.GetNextSelectedItem(position);
  Layout_saver_XData content(Layout(0.0, 0.0));
  content.SetTarget(FindTaggedPolyline(L"Layout"));
  if (content.GetTarget().isNull()) return 0;
  content.Load();
  Layout removed(0.0, 0.0);
  m_list.ReadRow(row, removed);
  if (content.RemoveItems(removed) != 0) return 0;  // the host refused: the content stands
  m_list.DeleteSelectedRows();
  Refresh(true);
  return 0;
}

int Warehouse2018_dlg::Insert(int row, int column) {
  Fastrelle_Form_To_Plot piece = m_list.NextPieceOfCell(row, column);
  if (piece.m_modelPath.IsEmpty() || piece.m_partName.IsEmpty() || piece.m_sizeName.IsEmpty()) return 3;
  if (const int status = piece.LoadPart(piece.m_partName)) return status;
  const CString name = piece.GetBlockName();
  Layout_draw_form_ByCalc byCalc(name, piece.m_rotation);
  ZcDbObjectId placed;
  if (byCalc.Draw() == 0) {
    placed = byCalc.GetId();
  } else {
    Layout_draw_form_ByUser byUser(name, piece.m_rotation);
    if (byUser.Draw() != 0) return 3;
    placed = byUser.GetId();
  }
  const int tagged = placed.isNull() ? 600 : Tagged(placed, kLayoutApplication).AddTag(kFormTag);
  if (tagged != 0) {
    ZWPrinter printer;
    printer.Print(L"\nWarehouse2018_dlg::Insert");
    printer.Print(L" MARK ");
    PrintErrorStatus(tagged);
  }
  ZoomAndRegen();
  m_list.RefreshCell(row, column);
  return 0;
}

int Warehouse2018_dlg::InsertOne(int row, int column) {
  BeginEditorCommand();
  const int status = Insert(row, column);
  CompleteEditorCommand();
  m_properties.ShowInfo();
  return status;
}

LRESULT Warehouse2018_dlg::OnInsertOne(WPARAM wParam, LPARAM lParam) {
  const int row = static_cast<int>(wParam), column = static_cast<int>(lParam);
  // The count is taken from the drawing first: a cell with nothing left places nothing,
  // so the pieces never outnumber the quantity the content asks for.
  m_list.RefreshCell(row, column);
  if (m_list.HasPieceToPlace(row, column)) InsertOne(row, column);
  return 0;
}

LRESULT Warehouse2018_dlg::OnInsertAll(WPARAM, LPARAM) {
  BeginEditorCommand();
  int status = 0;
  const int end = m_list.FirstUntitledColumn();
  for (int row = 0; row < m_list.GetItemCount() && status == 0; ++row)
    for (int column = 2; column < end && status == 0; ++column)
      while (status == 0 && m_list.HasPieceToPlace(row, column)) {
        const CString before = m_list.GetItemText(row, column);
        status = Insert(row, column);
        if (status == 0 && m_list.GetItemText(row, column) == before) {
          // Nothing fell: placing again would never end.
          CString message;
          message.Format(LoadResString(kCellLeft), static_cast<const wchar_t*>(m_list.GetItemText(row, 0)),
                         static_cast<const wchar_t*>(m_list.GetItemText(row, 1)),
                         static_cast<const wchar_t*>(m_list.GetColumnTitle(column)));
          ZWPrinter().Print(message);
          break;
        }
      }
  CompleteEditorCommand();
  m_properties.ShowInfo();
  return 0;
}
