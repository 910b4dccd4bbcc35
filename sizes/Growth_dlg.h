// The growth-control dialog (template 8030): the list of set lengths per size and the
// table button. The list hides it while the user picks in the drawing. Run by Growth_cmd.
#ifndef SIZES_GROWTH_DLG_H
#define SIZES_GROWTH_DLG_H

#include "mfc/CZdUiDialog.h"
#include "sizes/Growth_list.h"
#include "sizes/Growth_table_btn.h"

class Growth_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(Growth_dlg)
public:
  enum { IDD = 8030 };
  explicit Growth_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// Message 1130: hides the dialog, draws the table from the list's sets and lets the user
  /// move it from the origin to its place; the dialog is shown again on every path. A
  /// failure (374: no sizes) is printed and leaves no table. 0 or the status.
  int DrawTable();

protected:
  /// Title "Fastrelle  Kontrola przyrostu"; the button's icon.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// Message 1129: wParam 0 hides the dialog for work in the drawing, 5 brings it back.
  LRESULT OnShowMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnTableMessage(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  Growth_list m_list;
  Growth_table_btn m_tableButton;
};

#endif
