// The size rules dialog's "Utwórz" button (control 8017): lays every part out over the
// drawing's sizes when clicked. Subclassed by Fastrelle_Sizes_Rules_dlg.
#ifndef SIZES_FASTRELLE_SIZES_RULES_EVAL_BTN_H
#define SIZES_FASTRELLE_SIZES_RULES_EVAL_BTN_H

#include "ui/UI_Button.h"

class Fastrelle_Sizes_Rules_dlg;

class Fastrelle_Sizes_Rules_Eval_btn : public UI_Button {
  DECLARE_DYNAMIC(Fastrelle_Sizes_Rules_Eval_btn)
public:
  void SetDialog(Fastrelle_Sizes_Rules_dlg* dialog) { m_dialog = dialog; }

protected:
  /// The dialog's sizes := what its list shows; none: a message box (string 40123 under
  /// the product group name). Either way every part is copied into the sizes that lack it
  /// (RebuildPartsInAllSizes). The click goes no further.
  BOOL OnClicked();
  DECLARE_MESSAGE_MAP()

private:
  Fastrelle_Sizes_Rules_dlg* m_dialog = nullptr;
};

#endif
