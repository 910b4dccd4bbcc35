// The buttons of the warehouse dialog: "+" runs the model dialog then asks for a refresh,
// "x" asks to remove the selected part, "=>>" asks to place every piece. The dialog passes their clicks
// to them.
#ifndef LAYOUT_WAREHOUSE_BUTTONS_H
#define LAYOUT_WAREHOUSE_BUTTONS_H

#include "mfc/CButton.h"

class AddModel_btn : public CButton {
public:
  /// The model dialog (whatever its end), then 1126 to the parent.
  void OnClicked();
};

class RemovePart_btn : public CButton {
public:
  /// 1127 to the parent.
  void OnClicked();
};

class InsertAll_btn : public CButton {
public:
  /// 1128 to the parent.
  void OnClicked();
};

#endif
