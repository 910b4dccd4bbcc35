// Where the next piece goes on a layout: a temporary reference of the piece block is
// parked below and left of the origin, measured, and moved to its place in the bottom row,
// right after the pieces already placed. Used by the placement by calculation.
#ifndef LAYOUT_LAYOUTDRAWERINSERTCALC_H
#define LAYOUT_LAYOUTDRAWERINSERTCALC_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "layout/Layout_drawer.h"
#include "mfc/CString.h"

/// Calculation codes (InsertCalcStatus turns them into statuses):
///   0 point found;  1 empty block name;  2 block not in the drawing;  3 the temporary
///   reference could not be inserted or measured;  5 the piece would end right of the
///   border;  6 the piece is taller than the border;  8 border missing or unreadable, or no
///   piece reference.
///
/// The temporary reference lives from Prepare until the object is destroyed (it is erased
/// then), so a calculation never leaves it in the drawing.
class LayoutDrawerInsertCalc {
public:
  /// Keeps the block name and rotation (degrees), measures the border and collects the
  /// pieces already placed.
  LayoutDrawerInsertCalc(const CString& blockName, double rotation);
  virtual ~LayoutDrawerInsertCalc();
  LayoutDrawerInsertCalc(const LayoutDrawerInsertCalc&) = delete;
  LayoutDrawerInsertCalc& operator=(const LayoutDrawerInsertCalc&) = delete;

  /// The insertion point of the piece: a code above. The base finds none (4).
  virtual int Calculate(ZcGePoint3d& point);

  CString m_blockName;
  double m_rotation;
  ZcDbObjectId m_temporary;
  ZcGePoint3d m_candidate;
  ZcGeVector3d m_size;
  ZcDbObjectIdArray m_placed;
  Layout_drawer m_layout;

protected:
  /// Inserts the temporary reference at the origin with the rotation, measures it and
  /// parks it so that its box ends at the origin: 0, 1, 2 or 3.
  int Prepare();
};

/// The bottom-row rule: the piece's box starts 0.01 right of the rightmost piece and 0.01
/// above the border's bottom edge; a piece that would not fit inside the border is refused
/// (5 past the right edge, 6 above the top).
class LayoutDrawerInsertCalc_InBottomRow : public LayoutDrawerInsertCalc {
public:
  using LayoutDrawerInsertCalc::LayoutDrawerInsertCalc;
  int Calculate(ZcGePoint3d& point) override;

  ZcGePoint3d m_reference;
};

/// The status of a calculation code: 0 -> 0, 1 -> 47, 2 -> 379, 3 and 4 -> 2, 5 and 6 -> 7,
/// 7 -> 1, anything else -> 374.
int InsertCalcStatus(int code);

#endif
