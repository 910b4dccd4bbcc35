// The part-set dialog (template 8016): the drawing's parts in an editable list, the set
// description's template, size and texts, and a free text; "Wstaw" inserts the set
// description (block, summary table, text) as often as pressed. Run by PartsSet_Cmd.
#ifndef CONSTRUCTION_PARTSSET_DLG_H
#define CONSTRUCTION_PARTSSET_DLG_H

#include "construction/PartsSet_PartsList.h"
#include "construction/PartsSet_Properties.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CZdUiDialog.h"

class PartsSet_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(PartsSet_dlg)
public:
  enum { IDD = 8016 };
  PartsSet_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// The size and free text remembered for the module's lifetime: the size starts as
  /// "DecriptiorSize" (not above 0: 1.0), the text empty; both kept when the dialog closes.
  static double& RememberedSize();
  static CString& RememberedText();

protected:
  /// Caption, button texts, the grid's rows ("Opis", "Szablon", "Wielkość opisu"; name
  /// column half the width) with the "DecriptiorName" template, the remembered size and
  /// text, and the parts list.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// OK and Cancel ("Zamknij") both save the list, remember size and text, and close.
  void OnOK() override;
  void OnCancel() override;
  /// "Wstaw": saves the list (so the table shows what the list holds), hides for a point
  /// ("Wskaż punkt wstawienia opisu kompletu") and inserts the set description there; the
  /// dialog stays open.
  void OnInsert();
  /// Inserts the set description at the point; 0 or the first failure's status.
  virtual int InsertSet(const ZcGePoint3d& point);
  void SaveAndRemember();
  CString Text() const;
  DECLARE_MESSAGE_MAP()

  PartsSet_Properties m_properties;
  PartsSet_PartsList m_list;
};

#endif
