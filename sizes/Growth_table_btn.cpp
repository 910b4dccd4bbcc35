// The growth dialog's table button.
#include "sizes/Growth_table_btn.h"

#include "sizes/Growth_list.h"

namespace {
const UINT kGrowthIcon = 8032;
}

IMPLEMENT_DYNAMIC(Growth_table_btn, CMFCButton)

BEGIN_MESSAGE_MAP(Growth_table_btn, CMFCButton)
  ON_BN_CLICKED_REFLECT(OnClicked)
END_MESSAGE_MAP()

void Growth_table_btn::ShowIcon() { SetImage(kGrowthIcon); }

void Growth_table_btn::OnClicked() {
  if (CWnd* dialog = GetParent()) dialog->SendMessage(kGrowthTableMessage, 0);
}
