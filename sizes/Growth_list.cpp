// The growth dialog's list.
#include "sizes/Growth_list.h"

#include "ed/ZcApDocManager.h"
#include "framework/ResString.h"
#include "framework/Selections.h"
#include "sizes/Fastrelle_Sizes.h"

IMPLEMENT_DYNAMIC(Growth_list, UI_DataGrid_2)

namespace {
const UINT kSizeTitle = 43116, kDifferenceTitle = 43117;

/// Holds the current document locked for writing while it lives.
class DocumentLock {
public:
  DocumentLock() : m_docs(zcDocManagerPtr()), m_doc(m_docs ? m_docs->curDocument() : nullptr) {
    m_locked = m_doc && m_docs->lockDocument(m_doc, ZcAp::kWrite) == Zcad::eOk;
  }
  ~DocumentLock() {
    if (m_locked) m_docs->unlockDocument(m_doc);
  }
  DocumentLock(const DocumentLock&) = delete;
  DocumentLock& operator=(const DocumentLock&) = delete;

private:
  ZcApDocManager* m_docs;
  ZcApDocument* m_doc;
  bool m_locked = false;
};
}  // namespace

void Growth_list::PreSubclassWindow() {
  UI_DataGrid_2::PreSubclassWindow();
  CRect box;
  GetClientRect(&box);
  const int third = (box.Width() - 55) / 3;
  InsertColumn(0, LoadResString(kSizeTitle), LVCFMT_LEFT, 50);
  InsertColumn(1, L"+", LVCFMT_LEFT, third);
  InsertColumn(2, L"+", LVCFMT_LEFT, third);
  InsertColumn(3, LoadResString(kDifferenceTitle), LVCFMT_LEFT, third);
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes()) InsertRow(GetItemCount(), size.GetName());
}

BOOL Growth_list::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHEADERW*>(lParam);
  if (header && (header->hdr.code == HDN_ITEMCLICKW || header->hdr.code == HDN_ITEMCLICKA)) {
    PickSet(header->iItem);
    *result = 0;
    return TRUE;
  }
  return UI_DataGrid_2::OnNotify(wParam, lParam, result);
}

void Growth_list::PickSet(int set) {
  if (set != 1 && set != 2) return;
  CStringArray& keys = set == 1 ? m_growth.m_first : m_growth.m_second;
  keys.RemoveAll();
  CWnd* dialog = GetParent();
  if (dialog) dialog->SendMessage(kGrowthShowMessage, 0);
  ZcDbObjectIdArray picked = SelectEntities();
  if (dialog) dialog->SendMessage(kGrowthShowMessage, 5);
  Growth::MakeKeys(picked, keys);
  Recompute();
}

void Growth_list::Recompute() {
  DocumentLock lock;
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (int row = 0; row < GetItemCount(); ++row) {
    m_growth.m_size = sizes.Find(GetItemText(row, 0));
    const double first = m_growth.FirstLength(), second = m_growth.SecondLength();
    SetItemText(row, 1, Growth::Format(first));
    SetItemText(row, 2, Growth::Format(second));
    SetItemText(row, 3, Growth::Format(first - second));
  }
}
