// The size rules dialog's "Utwórz" button.
#include "sizes/Fastrelle_Sizes_Rules_Eval_btn.h"

#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "sizes/Fastrelle_Sizes_Rules_dlg.h"
#include "sizes/RebuildPartsInAllSizes.h"

namespace {
constexpr UINT kAddSizesFirst = 40123;
}  // namespace

IMPLEMENT_DYNAMIC(Fastrelle_Sizes_Rules_Eval_btn, UI_Button)

BEGIN_MESSAGE_MAP(Fastrelle_Sizes_Rules_Eval_btn, UI_Button)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL Fastrelle_Sizes_Rules_Eval_btn::OnClicked() {
  if (m_dialog) {
    m_dialog->Sizes() = CollectSizes(m_dialog->List());
    if (m_dialog->Sizes().empty())
      MessageBoxW(m_dialog->GetSafeHwnd(), LoadResString(kAddSizesFirst), ProductGroupName(), MB_OK);
  }
  if (int es = RebuildPartsInAllSizes()) {
    ZWPrinter().Print(L"\nRebuildPartsInAllSizes");
    PrintErrorStatus(es);
  }
  return TRUE;
}
