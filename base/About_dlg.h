// The About dialog (template 8018 of Base): the information text naming the product, its
// version and its maker, the link to the product's page (its address in the template), the
// logo and the list of the installed modules with their file versions.
#ifndef BASE_ABOUT_DLG_H
#define BASE_ABOUT_DLG_H

#include "base/About_Modules.h"
#include "base/LogoFastrelle.h"
#include "mfc/CDialog.h"
#include "mfc/CMFCControls.h"

class About_dlg : public CDialogEx {
public:
  enum { IDD = 8018 };
  About_dlg() : CDialogEx(IDD) {}
  /// Shows the information text, gives the link its tooltip (string 42201) and the logo
  /// its picture (PNG 8026); the module list fills itself as it is attached.
  BOOL OnInitDialog() override;

  /// "Fastrelle 2018.0.5 - ...": the product, its version and its maker; shown in 8028.
  static CString InformationText();

protected:
  void DoDataExchange(CDataExchange* dx) override;

  CString m_information;
  CMFCLinkCtrl m_link;
  LogoFastrelle m_logo;
  About_Modules m_modules;
};

#endif
