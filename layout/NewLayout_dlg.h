// The new-layout dialog (template 138): the fabric width and maximum length of a layout
// that has no border yet, typed or read from a layout-definition file, and saved to one.
// Run by the warehouse command.
#ifndef LAYOUT_NEWLAYOUT_DLG_H
#define LAYOUT_NEWLAYOUT_DLG_H

#include "mfc/CZdUiDialog.h"

class NewLayout_dlg : public CZdUiDialog {
public:
  enum { IDD = 138 };
  NewLayout_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}
  /// After OK: the width and length typed (each above 1e-4).
  double m_width = 0.0;
  double m_length = 0.0;

protected:
  BOOL OnInitDialog() override;
  /// Both values must be numbers above 1e-4; otherwise the message box 43103, and the
  /// dialog stays open with what was typed.
  void OnOK() override;
  /// "Wczytaj": a layout-definition file chosen with an open dialog fills both edits.
  void OnLoad();
  /// "Zapisz": both edits (numbers above 1e-4, else the message) written to a file
  /// chosen with a save dialog.
  void OnSave();
  /// Reads both edits: false (message shown) when either is no number above 1e-4.
  bool ReadValues(double& width, double& length);
  DECLARE_MESSAGE_MAP()
};

#endif
