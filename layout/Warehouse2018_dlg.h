// The warehouse dialog (template 102): what the layout's content still asks to place, the
// layout's properties, and buttons to add a model, remove a part and place every piece; a
// double-click on a size cell places one piece. Run by the warehouse command.
#ifndef LAYOUT_WAREHOUSE2018_DLG_H
#define LAYOUT_WAREHOUSE2018_DLG_H

#include "layout/Layout_property.h"
#include "layout/Warehouse_buttons.h"
#include "layout/Warehouse_list.h"
#include "mfc/CZdUiDialog.h"

class Warehouse2018_dlg : public CZdUiDialog {
public:
  enum { IDD = 102 };
  static constexpr UINT kRefresh = 0x0400 + 102, kRemovePart = 0x0400 + 103, kInsertAll = 0x0400 + 104;
  Warehouse2018_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// Places the cell's next piece (by calculation, else by the user) with the dialog
  /// hidden; the cell's count and the properties refreshed: 0, the piece's load status, or
  /// 3 when it could not be placed.
  int InsertOne(int row, int column);

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// Loads the border's content into the list and the border's size into the grid
  /// (emptying the list first when `clear`), then the properties.
  void Refresh(bool clear);
  int Insert(int row, int column);
  /// A double-click on a size cell: one piece when the cell still has one to place.
  LRESULT OnInsertOne(WPARAM row, LPARAM column);
  LRESULT OnRefresh(WPARAM, LPARAM);
  LRESULT OnRemovePart(WPARAM, LPARAM);
  /// Every cell in row order while it asks for a piece; the first failure stops all, and a
  /// cell whose count did not fall is left with a message.
  LRESULT OnInsertAll(WPARAM, LPARAM);
  void OnAddClicked() { m_add.OnClicked(); }
  void OnRemoveClicked() { m_remove.OnClicked(); }
  void OnInsertAllClicked() { m_insertAll.OnClicked(); }
  DECLARE_MESSAGE_MAP()

  Warehouse_list m_list;
  Layout_property m_properties;
  AddModel_btn m_add;
  RemovePart_btn m_remove;
  InsertAll_btn m_insertAll;
};

#endif
