// The growth dialog's table button: shows the growth icon and asks its dialog to draw the
// table. Used by Growth_dlg.
#ifndef SIZES_GROWTH_TABLE_BTN_H
#define SIZES_GROWTH_TABLE_BTN_H

#include "mfc/CMFCControls.h"

class Growth_table_btn : public CMFCButton {
  DECLARE_DYNAMIC(Growth_table_btn)
public:
  /// The icon resource 8032.
  void ShowIcon();

protected:
  /// A click sends the dialog's message 1130 (draw the table).
  void OnClicked();
  DECLARE_MESSAGE_MAP()
};

#endif
