// The About dialog (template 8018 of Base): the information text naming the product, its
// version and its maker, the link to the product's page, the logo and the list of the
// installed modules with their file versions (ModuleList.h).
#ifndef BASE_ABOUT_DLG_H
#define BASE_ABOUT_DLG_H

#include "mfc/CDialog.h"

class About_dlg : public CDialogEx {
public:
  enum { IDD = 8018 };
  About_dlg() : CDialogEx(IDD) {}
  BOOL OnInitDialog() override;

  /// "Fastrelle 2018.0.5 ...: the product, its version and its maker; shown in 8028.
  static CString InformationText();

protected:
  void DoDataExchange(CDataExchange* dx) override;

  CString m_information;
};

#endif
