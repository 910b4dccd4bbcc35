// Placing a reference of a piece block on the layout: by calculation (the bottom row after
// the pieces already placed) or by the user, who drags it with the host's move. The
// warehouse insertion tries the calculation first and falls back to the user.
#ifndef LAYOUT_LAYOUT_DRAW_FORM_H
#define LAYOUT_LAYOUT_DRAW_FORM_H

#include "layout/Layout_drawer_item.h"
#include "mfc/CString.h"

/// A piece to place: its block name and rotation (degrees). After a successful Draw the
/// held id is the new reference; the caller tags it "Form".
class Layout_draw_form : public Layout_drawer_item {
public:
  Layout_draw_form(const CString& blockName, double rotation) : m_blockName(blockName), m_rotation(rotation) {}
  /// Places the piece: a status. The base places nothing (4).
  virtual int Draw() { return 4; }

  CString m_blockName;
  double m_rotation;
};

/// Placement by calculation: 47 for an empty name; InsertCalcStatus of the calculation
/// (379 no such block, 2 the piece cannot be measured, 7 it does not fit inside the
/// border, 374 no border); the insertion's failure; else 0 with the closing line redrawn.
class Layout_draw_form_ByCalc : public Layout_draw_form {
public:
  using Layout_draw_form::Layout_draw_form;
  int Draw() override;
};

/// Placement by the user: a reference at the origin, then the host's "_MOVE" from the
/// origin with the user giving the destination. 0 with the closing line redrawn; the
/// insertion's failure; 3 when the user cancelled (the reference is erased).
class Layout_draw_form_ByUser : public Layout_draw_form {
public:
  using Layout_draw_form::Layout_draw_form;
  int Draw() override;
};

#endif
