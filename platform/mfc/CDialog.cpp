// CDialog, CDialogEx and the host's CZdUiBaseDialog: modal and modeless dialogs from
// templates, their default buttons, and hiding the open dialogs while the user works in
// the drawing.
#include "mfc/CDialog.h"

#include "ed/zced.h"
#include "mfc/CZdUiDialog.h"
#include "mfc/DialogSystem.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CDialogEx, CDialog)
IMPLEMENT_DYNAMIC(CZdUiBaseDialog, CDialog)
IMPLEMENT_DYNAMIC(CZdUiDialog, CZdUiBaseDialog)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::~CDialog() = default;

BOOL CDialog::Build(UINT templateId, CWnd* parent) {
  const platform::DialogTemplate* tmpl = platform::FindDialogTemplate(templateId);
  if (!tmpl) {
    zcutPrintf(L"\nDialog %d not found.\n", static_cast<int>(templateId));
    return FALSE;
  }
  HWND owner = parent ? parent->m_hWnd : nullptr;
  if (!owner && !platform::ModalDialogs().empty()) owner = platform::ModalDialogs().back();
  return platform::CreateDialogFromTemplate(*tmpl, owner, this) != nullptr;
}

INT_PTR CDialog::DoModal() {
  if (m_hWnd || !Build(m_nIDHelp, m_pParentWnd)) return -1;
  HWND dialog = m_hWnd;
  HWND owner = ::GetParent(dialog);
  BOOL ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  if (owner) ::EnableWindow(owner, FALSE);
  ::ShowWindow(dialog, SW_SHOW);
  auto close = [&] {
    if (ownerWasEnabled && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
  };
  INT_PTR result = IDCANCEL;
  try {
    result = platform::RunModalLoop(dialog, m_nIDHelp);
  } catch (...) {  // a handler's exception passes on, the dialog gone and its owner usable
    close();
    throw;
  }
  close();
  zcutPrintf(L"\n[Dialog %d ended: %d]\n", static_cast<int>(m_nIDHelp), static_cast<int>(result));
  return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  if (m_hWnd) return FALSE;
  m_nIDHelp = templateId;
  m_pParentWnd = parent;
  return Build(templateId, parent);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  auto& modal = platform::ModalDialogs();
  if (std::find(modal.begin(), modal.end(), m_hWnd) != modal.end()) ::EndDialog(m_hWnd, result);
  else ShowWindow(SW_HIDE);  // a modeless dialog is only hidden; DestroyWindow ends it
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYDOWN && msg->message <= WM_CHAR) return ::IsDialogMessageW(m_hWnd, msg);
  return FALSE;
}

void CDialog::SetDefID(UINT id) {
  for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    LRESULT code = ::SendMessageW(c, WM_GETDLGCODE, 0, 0);
    if (code & DLGC_DEFPUSHBUTTON) ::SendMessageW(c, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && ::GetDlgCtrlID(c) == static_cast<int>(id))
      ::SendMessageW(c, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  }
}

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

void CDialog::NextDlgCtrl() const {
  if (HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE)) ::SetFocus(next);
}
void CDialog::PrevDlgCtrl() const {
  if (HWND prev = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), TRUE)) ::SetFocus(prev);
}
void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) ::SetFocus(control->m_hWnd);
}

BEGIN_MESSAGE_MAP(CDialogEx, CDialog)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

void CDialogEx::SetBackgroundColor(COLORREF colour, BOOL repaint) {
  m_background.CreateSolidBrush(colour);
  if (repaint && m_hWnd) Invalidate();
}

HBRUSH CDialogEx::OnCtlColor(CDC*, CWnd*, UINT kind) {
  if (kind == CTLCOLOR_DLG && m_background.GetSafeHandle()) return m_background;
  return reinterpret_cast<HBRUSH>(Default());
}

namespace {
int g_editorDepth = 0;
std::vector<HWND> g_hidden;
}  // namespace

BOOL CZdUiBaseDialog::BeginEditorCommand() {
  if (g_editorDepth++ == 0)
    for (HWND h : platform::OpenDialogs())
      if (::IsWindowVisible(h)) {
        ::ShowWindow(h, SW_HIDE);
        g_hidden.push_back(h);
      }
  return TRUE;
}

void CZdUiBaseDialog::CompleteEditorCommand(BOOL restoreDialogs) {
  if (g_editorDepth == 0 || --g_editorDepth > 0) return;
  for (HWND h : g_hidden)
    if (restoreDialogs && ::IsWindow(h)) ::ShowWindow(h, SW_SHOW);
  g_hidden.clear();
}

void CZdUiBaseDialog::CancelEditorCommand() {
  CompleteEditorCommand(TRUE);
  EndDialog(IDCANCEL);
}
