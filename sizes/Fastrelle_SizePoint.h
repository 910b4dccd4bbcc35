// A grade point: a reference of the grade-point block on the extra-elements layer of its
// size, numbered by its attribute so that the points of one place in every size share a
// number. Moving it stretches its size's seam lines through it. Used by grading, the
// grade-point commands and the parts model.
#ifndef SIZES_FASTRELLE_SIZEPOINT_H
#define SIZES_FASTRELLE_SIZEPOINT_H

#include "sizes/Fastrelle_Point_Gradable.h"
#include "sizes/Fastrelle_Size_ZW.h"

/// The grade point in the drawing (settings of "Construction.ini"):
///   block     the file title of "GradePoint" ("Templates\GradePoint.dwg" => "GradePoint"),
///             defined from that drawing when the drawing lacks it; scale 1, rotation 0
///   layer     the extra-elements layer of its size ("38~", "^40~"); its size is its layer's
///   number    attribute "GradePointNumber" ("NUMER") = "%i"; numbers start at 1. A text is a
///             number only when it starts with one of "0123456789.,-" (then its leading
///             integer, clamped to the int range); any other reads as 0.
class Fastrelle_SizePoint : public Fastrelle_Point_Gradable {
public:
  explicit Fastrelle_SizePoint(ZcDbObjectId id = ZcDbObjectId()) : Fastrelle_Point_Gradable(id) {}
  /// The grade point nearest to `position` over every size (ties: the first in drawing
  /// order); a null id when the drawing has none.
  explicit Fastrelle_SizePoint(const ZcGePoint3d& position);
  /// The point numbered `number` in the size named `size` (case aside); null when none.
  Fastrelle_SizePoint(int number, const CString& size);

  /// Moves the point and stretches its size's seam lines with it. Candidates are the lines,
  /// polylines, 2-D polylines, arcs and splines on the size's seam layer, whether it is
  /// on or off, that pass within 0.1 of the point; other entities stay. 0 for a move
  /// below 1e-4 (nothing changes); a stretch failure is returned with nothing changed and
  /// the point unmoved; else the point's move status.
  int MoveTo(const ZcGePoint3d& target) override;

  /// Inserts a new grade point at `position` on the extra-elements layer of the size (size
  /// "0" for a name of no size; a missing layer of it is made) and holds it: 0, or the
  /// insert's failure (379 without the block).
  int Insert(const ZcGePoint3d& position, const CString& size);
  void SetNumber(int number);
  int GetNumber() const;
  /// The size of its layer, bound to its layers.
  Fastrelle_Size_ZW GetSize() const;
  /// Appends the ids of entities that are no block reference, on `layer` (taken literally;
  /// any layer when empty), crossing the square of half side d around the point;
  /// "PICKSTYLE" is 0 meanwhile.
  void SelectAround(const CString& layer, ZcDbObjectIdArray& ids, double d) const;
  /// On its size's cut layer, d = 25.
  void SelectCutLinesAround(ZcDbObjectIdArray& ids) const;
  /// On its size's seam layer, d = 1; nothing without a point.
  void SelectSeamLinesAround(ZcDbObjectIdArray& ids) const;
  /// The seam entities MoveTo stretches: see MoveTo.
  void SeamCurvesThrough(ZcDbObjectIdArray& ids) const;
};

/// The block name of the grade point (file title of "GradePoint").
CString GradePointBlockName();
/// The tag of the number attribute ("GradePointNumber").
CString GradePointNumberTag();

#endif
