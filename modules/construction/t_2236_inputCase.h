// The construction module's test case: on an empty drawing it makes size "38" and a part of
// one straight seam line whose grade points are numbered 17 and 29, cuts it 8.0 towards
// the origin and checks where the cut line lies; Finish leaves the drawing empty again.
#ifndef MODULES_CONSTRUCTION_T_2236_INPUTCASE_H
#define MODULES_CONSTRUCTION_T_2236_INPUTCASE_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "testcase/ZWTestCase.h"

class t_2236_inputCase : public ZWTestCase {
public:
  /// The cut line's expected ends and the tolerance they must lie within (strictly).
  static const ZcGePoint3d kExpectedStart;
  static const ZcGePoint3d kExpectedEnd;
  static constexpr double kTolerance = 0.1;
  static constexpr double kAllowance = 8.0;
  /// The part the case makes.
  static const wchar_t* const kPart;

  /// Makes the input (see the header comment), runs the cut (allowance 8.0, grade points
  /// 17 and 29, direction point the origin) over all sizes and checks the first new cut
  /// line: a status is printed with " evaluate error ", a null id as "Id invalid", an end
  /// off by the tolerance or more with both points, their distance and " SP is invalid " or
  /// " EP is invalid ". False on any of these.
  bool Evaluate() override;
  /// Erases what the case made (the part's groups with their lines and grade points, its
  /// record, the "Fastrelle" dictionary when left empty), then purges.
  void Finish() override;
  CString GetName() const override { return L"t_2236_inputCase"; }

  /// True when `actual` lies strictly within the tolerance of `expected`; else prints the
  /// two points, their distance, the tolerance and the case's `what` line; false.
  bool PointNear(const ZcGePoint3d& actual, const ZcGePoint3d& expected, const wchar_t* what);
  /// The seam line's end that the cut moves `allowance` towards the origin onto `cutEnd`:
  /// `cutEnd` moved away from the origin, square to the expected cut line.
  static ZcGePoint3d SeamEndFor(const ZcGePoint3d& cutEnd, double allowance);

private:
  /// Size "38", the seam line on layer "0" made a part in every size, its end points
  /// renumbered 17 and 29: 0 or the first failure (printed).
  int MakeInput();

  ZcDbObjectId m_cutLine;
};

#endif
