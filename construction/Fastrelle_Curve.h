// One curve of a part found by the grade points at its ends: the cut line or the seam line
// running between two numbered grade points in one size, and the numbers of the grade
// points at a curve's ends. Used by the corner joins over all sizes and by growth control.
#ifndef CONSTRUCTION_FASTRELLE_CURVE_H
#define CONSTRUCTION_FASTRELLE_CURVE_H

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"

class Fastrelle_SizePoint;

/// Holds one curve id (null until found). Statuses: 0; 20 the id is no curve; 22 no cut
/// line common to both grade points; 55 a number outside 1 to the next free grade-point
/// number; 130 no cut line near a grade point, or that grade point is missing in the size;
/// 374 the grade point's group names no part or size.
class Fastrelle_Curve {
public:
  explicit Fastrelle_Curve(ZcDbObjectId id = ZcDbObjectId()) : m_id(id) {}
  virtual ~Fastrelle_Curve() = default;

  /// The cut line between grade points a and b of the size: the first entity of the size's
  /// cut layer crossing the square of half-side 25 around a that also crosses the one
  /// around b. A number missing in the size gives 130 and no selection is made (a missing
  /// point never stands at the origin).
  int FindCutBetweenPoints(const CString& size, int a, int b);
  /// The seam line between grade points a and b of the size: among the members of the
  /// part-in-size group holding a that lie on the size's seam layer (case aside), the last
  /// one passing within 0.01 of both points. 0 with a null id when none does, or when a or
  /// b is missing in the size.
  int FindSeamBetweenPoints(const CString& size, int a, int b);
  /// The two searches with the grade points of the size found by the caller (one that does
  /// not open is missing in the size) and their numbers' range checked by it: for callers
  /// that look up many sizes from one gathering of the grade points.
  int FindCutBetween(const Fastrelle_SizePoint& a, const Fastrelle_SizePoint& b);
  int FindSeamBetween(const Fastrelle_SizePoint& a, const Fastrelle_SizePoint& b);
  /// The numbers of the grade points nearest to the curve's start and end (over every size,
  /// at any distance); each is written only when the drawing has a grade point. 20 when
  /// the id is no curve.
  int GetEndPointNumbers(int& start, int& end) const;

  ZcDbObjectId Id() const { return m_id; }
  void SetId(ZcDbObjectId id) { m_id = id; }

private:
  ZcDbObjectId m_id;
};

/// True when 1 <= number <= the next free grade-point number.
bool IsGradePointNumberInRange(int number);

#endif
