// The editor of the base-size row's offset cells in the grading grid: typing there moves
// the base-size point, which reshapes the base size, so the first key asks first.
#ifndef SIZES_FASTRELLE_SIZEPOINTS_BASESIZE_EDIT_H
#define SIZES_FASTRELLE_SIZEPOINTS_BASESIZE_EDIT_H

#include "ui/UI_Edit.h"

/// States (per editor window):
/// 1. -1 not asked: the first key other than Enter and Escape asks string 40238 (Yes/No).
/// 2. 0 agreed (Yes): keys are typed.
/// 3. 1 refused (No): every key but Enter and Escape is swallowed.
/// Enter, Escape and the loss of the focus go back to -1 (PreTranslateMessage, OnKillFocus).
class Fastrelle_SizePoints_BaseSize_edit : public UI_DG_Edit {
  DECLARE_DYNAMIC(Fastrelle_SizePoints_BaseSize_edit)
public:
  using UI_DG_Edit::UI_DG_Edit;
  /// Enter: the grid hears WM_UI_EDIT_KILL_FOCUS; Escape: WM_UI_EDIT_VK_ESCAPE; both
  /// consumed. Other keys as the state says.
  BOOL PreTranslateMessage(MSG* msg) override;
  int State() const { return m_state; }

protected:
  void OnKillFocusNotify() override;

  int m_state = -1;
};

#endif
