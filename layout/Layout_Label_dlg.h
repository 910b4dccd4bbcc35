// The layout-label dialog (template 12003 of the plot module): picks a description
// template, its size and its attribute texts, shown with the layout's values, and inserts
// the layout's label at points the user gives, as often as "Wstaw" is pressed. Run by
// Layout_Label_Cmd.
#ifndef LAYOUT_LAYOUT_LABEL_DLG_H
#define LAYOUT_LAYOUT_LABEL_DLG_H

#include "ge/ZcGePoint3d.h"
#include "layout/Layout_Label_grid.h"
#include "mfc/CZdUiDialog.h"

class Layout_Label_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(Layout_Label_dlg)
public:
  enum { IDD = 12003 };
  Layout_Label_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

protected:
  /// Caption, "Zamknij" and "Wstaw" buttons; rows "Szablon opisu", "Wielkość opisu",
  /// "Opis"; the name column 30 % of the grid; the template of
  /// "LayoutDescriptionDefaultName" loaded at once.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// "Wstaw": hides for a point; a point inserts the label (a failure is shown with the
  /// template and its status); the dialog stays open either way.
  void OnOK() override;

  Layout_Label_grid m_grid;
};

#endif
