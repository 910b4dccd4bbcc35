// The floating length dialog of the drag tools: the length shown as the tape moves, the
// window destroyed at the end of the tool or when the user closes it.
#include "construction/Fastrelle_Observer_dlg.h"

#include "construction/Fastrelle_Miarka_Subject.h"
#include "framework/Strings.h"

Fastrelle_Observer_dlg::~Fastrelle_Observer_dlg() { Close(); }

BOOL Fastrelle_Observer_dlg::Create() { return CDialogEx::Create(IDD); }

void Fastrelle_Observer_dlg::DoDataExchange(CDataExchange* dx) {
  CDialogEx::DoDataExchange(dx);
  DDX_Text(dx, IDC_LENGTH, m_text);
}

void Fastrelle_Observer_dlg::OnMove() {
  if (!m_subject || !::IsWindow(m_hWnd)) return;
  m_text = FormatDouble(m_subject->GetLength(), L"%0.4f");
  UpdateData(FALSE);
}

void Fastrelle_Observer_dlg::Close() {
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

void Fastrelle_Observer_dlg::OnCancel() { Close(); }

void Fastrelle_Observer_dlg::OnOK() { Close(); }

void Fastrelle_Observer_dlg::OnFinish() { Close(); }
