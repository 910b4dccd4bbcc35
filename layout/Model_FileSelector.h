// The model drawing path of the model dialog: an edit with a browse button. A browse that
// chose an existing file not in use asks the dialog to load the model (message 1124).
#ifndef LAYOUT_MODEL_FILESELECTOR_H
#define LAYOUT_MODEL_FILESELECTOR_H

#include "mfc/CMFCControls.h"

class Model_FileSelector : public CMFCEditBrowseCtrl {
public:
  /// Posted to the parent after a browse that chose a usable model drawing.
  static constexpr UINT kModelChosen = 0x0400 + 100;
  /// The text as typed.
  CString GetPath() const;
  /// After the file dialog, a non-empty text: a missing file shows 43203, a file in use
  /// 43208 (message boxes); otherwise the parent (if any) is posted 1124.
  void OnBrowse() override;

protected:
  /// The browse button offers "dwg" and the filter "ModelExtensionFilter".
  void PreSubclassWindow() override;
};

#endif
