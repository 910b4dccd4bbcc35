// The help of the part-description dialog: the tokens the description texts may hold, one
// per line in the order they are substituted.
#ifndef CONSTRUCTION_FASTRELLE_DESCRIPTION_HELP_DIALOG_H
#define CONSTRUCTION_FASTRELLE_DESCRIPTION_HELP_DIALOG_H

#include "mfc/CDialog.h"
#include "mfc/CListCtrl.h"

class Fastrelle_Description_Help_Dialog : public CDialogEx {
public:
  enum { IDD = 8013 };
  Fastrelle_Description_Help_Dialog(CWnd* parent = nullptr) : CDialogEx(IDD, parent) {}

protected:
  /// Caption the product word, Cancel "Zamknij"; one headerless column 100 pixels wide
  /// with a row per variable of a fresh part variable set.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  CListCtrl m_list;
};

#endif
