// The small floating dialog that shows the tape's live length while a drag tool runs
// (template 8008, the length in static text 8011). Attached by the grade-point and
// measuring commands.
#ifndef CONSTRUCTION_FASTRELLE_OBSERVER_DLG_H
#define CONSTRUCTION_FASTRELLE_OBSERVER_DLG_H

#include "construction/Fastrelle_Observer.h"
#include "mfc/CDialog.h"

/// Modeless: the command creates it (Create, then ShowWindow(5)) before the drag and the
/// finish destroys it. Once its window is gone (closed by the user or finished), moves
/// and the finish do nothing.
class Fastrelle_Observer_dlg : public CDialogEx, public Fastrelle_Observer {
public:
  enum { IDD = 8008, IDC_LENGTH = 8011 };
  Fastrelle_Observer_dlg() : CDialogEx(IDD) {}
  ~Fastrelle_Observer_dlg() override;
  using CDialogEx::Create;
  /// Makes the window from template 8008; false when it cannot be made.
  BOOL Create();
  /// The length with four decimals ("50.0000") written into the dialog.
  void OnMove() override;
  /// The cancel of the tool and the dialog's own Cancel button alike: the window goes.
  void OnCancel() override;
  /// The window goes.
  void OnFinish() override;
  const CString& Text() const { return m_text; }

protected:
  void OnOK() override;
  void DoDataExchange(CDataExchange* dx) override;

private:
  void Close();
  CString m_text;
};

#endif
