// Dialogs made from templates: CDialog (modal through DoModal, or modeless through Create),
// CDialogEx, and the data exchange between controls and members (DDX_*). The modal loop
// takes its actions from the input queue ("@dlg ..." lines); see the README's "Dialogs".
#ifndef PLATFORM_MFC_CDIALOG_H
#define PLATFORM_MFC_CDIALOG_H

#include "mfc/CWnd.h"

/// One exchange between a dialog's controls and its members (UpdateData).
class CDataExchange {
public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  /// The control `id` of the dialog (remembered for Fail); null when there is none.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
  /// Puts the focus on the last prepared control and stops the exchange (UpdateData: FALSE).
  [[noreturn]] void Fail();

private:
  HWND m_lastControl = nullptr;
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
/// A text that is no whole number: a message box, the focus on the control, the exchange fails.
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
/// Written with "%.15g"; a text that is no number fails as for int.
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_Check(CDataExchange* dx, int id, int& value);

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
public:
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDHelp(templateId), m_pParentWnd(parent) {}
  ~CDialog() override;

  /// Makes the dialog from its template, runs OnInitDialog, then the modal loop until
  /// EndDialog; the window is gone on return. -1 when the template is not found
  /// ("Dialog <id> not found." on the command line).
  virtual INT_PTR DoModal();
  /// A modeless dialog: made and initialised, shown when its template says WS_VISIBLE.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  virtual BOOL OnInitDialog();
  /// UpdateData(TRUE), then EndDialog(IDOK); a failed exchange keeps the dialog open.
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);
  BOOL PreTranslateMessage(MSG* msg) override;
  void SetDefID(UINT id);
  DWORD GetDefID() const;
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* control);

  UINT m_nIDHelp = 0;
  CWnd* m_pParentWnd = nullptr;

protected:
  LRESULT HandleInitDialog(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

private:
  BOOL Build(UINT templateId, CWnd* parent);
};

/// A dialog with a background of its own; otherwise CDialog.
class CDialogEx : public CDialog {
  DECLARE_DYNAMIC(CDialogEx)
public:
  CDialogEx() = default;
  explicit CDialogEx(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}
  void SetBackgroundColor(COLORREF colour, BOOL repaint = TRUE);

protected:
  DECLARE_MESSAGE_MAP()

private:
  HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
  CBrush m_background;
};

#endif
