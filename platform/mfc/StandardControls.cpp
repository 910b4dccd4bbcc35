// The run-time classes of MFC's standard controls, the classes FromHandle wraps each kind
// of window in, and the few calls of the controls that are not a single message.
#include <vector>

#include "mfc/CButton.h"
#include "mfc/CComboBox.h"
#include "mfc/CListCtrl.h"
#include "mfc/CMFCControls.h"
#include "mfc/DialogSystem.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {
using platform::MakeWindowObject;
[[maybe_unused]] const bool kKinds = [] {
  platform::RegisterTemporaryKind(L"Button", MakeWindowObject<CButton>);
  platform::RegisterTemporaryKind(L"Static", MakeWindowObject<CStatic>);
  platform::RegisterTemporaryKind(L"Edit", MakeWindowObject<CEdit>);
  platform::RegisterTemporaryKind(L"ComboBox", MakeWindowObject<CComboBox>);
  platform::RegisterTemporaryKind(L"SysListView32", MakeWindowObject<CListCtrl>);
  platform::RegisterTemporaryKind(L"SysHeader32", MakeWindowObject<CHeaderCtrl>);
  platform::RegisterTemporaryKind(L"RichEdit20W", MakeWindowObject<CRichEditCtrl>);
  return true;
}();
}  // namespace

void CComboBox::GetLBText(int index, CString& text) const {
  int n = GetLBTextLen(index);
  if (n < 0) {
    text.Empty();
    return;
  }
  std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1, 0);
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  text = buffer.data();
}
