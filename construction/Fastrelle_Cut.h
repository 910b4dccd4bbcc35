// Cut lines: a part's seam line offset outward by the seam allowance onto the cut layer of
// each size, joined at both of its grade points with the neighbouring cut lines through a
// corner join. Used by the AddCutLine command and by the construction module's test command.
#ifndef CONSTRUCTION_FASTRELLE_CUT_H
#define CONSTRUCTION_FASTRELLE_CUT_H

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class Fastrelle_Corner;
class Fastrelle_Size_ZW;
class Fastrelle_SizePoint;

/// States of one run (each pick of the command builds the run afresh from here):
/// 1. unprepared: numbers and allowance set (SetSeamLine or the constructor);
/// 2. prepared (Prepare): every layer's on/off state recorded, every layer on, the view
///    "Fastrelle_Cut" saved and the view zoomed to the part;
/// 3. finished (Finish): layers as recorded, the view restored and deleted; back to 1.
/// AddToAllSizes goes 1 -> 2 -> 3 on every path once Prepare succeeded.
///
/// Statuses: 0; 5 several seam lines between the grade points in a size; 16 none; 24 the
/// drawing has no sizes; 157 no offset lies towards the outside; 374 preparation failed, or
/// no part in the size for the first grade point; a corner join's status.
class Fastrelle_Cut {
public:
  /// Allowance 0, no grade points; the corner join is the mode-0 join.
  Fastrelle_Cut();
  /// The cut of the seam line between grade points `first` and `second`, offset by
  /// `allowance`, towards `direction` when one is given.
  Fastrelle_Cut(double allowance, int first, int second, const ZcGePoint3d* direction = nullptr);
  virtual ~Fastrelle_Cut();
  Fastrelle_Cut(const Fastrelle_Cut&) = delete;
  Fastrelle_Cut& operator=(const Fastrelle_Cut&) = delete;

  /// The numbers of the grade points nearest to the entity's first two defining points (a
  /// polyline's vertices, else its ends). False, numbers unchanged, with fewer than two
  /// points or when the drawing has no grade point.
  bool SetSeamLine(ZcDbObjectId seam);
  /// False (nothing touched) unless both numbers are above 0 and differ and the allowance
  /// is above 0.01; else state 2 and true.
  bool Prepare();
  /// Every size of the drawing in list order: 24 and nothing touched without sizes; 374
  /// when Prepare fails. A size that fails is reported with its name (ReportSizeFailure)
  /// and the next follows; Finish runs at the end on every path. 0 once the sizes ran.
  int AddToAllSizes();
  /// The offset in one size, then joins each new piece at the first and the second grade
  /// point with the nearest other cut line within 25 of it there. The first failure.
  int AddInSize(Fastrelle_Size_ZW& size);
  /// State 3.
  void Finish();
  /// Prints why a size got no cut line: 5 and 16 as the texts 42106 and 42107 followed by
  /// the size name and " !"; any other status as the size name and " !" on a line, then
  /// the status through the error printer.
  static void ReportSizeFailure(const CString& size, int status);

  void SetAllowance(double allowance) { m_allowance = allowance; }
  double GetAllowance() const { return m_allowance; }
  void SetDirection(const ZcGePoint3d& point);
  int GetFirstNumber() const { return m_first; }
  int GetSecondNumber() const { return m_second; }
  /// The cut lines this object made, in every size so far, as they stand after their joins.
  const ZcDbObjectIdArray& GetNewCutLines() const { return m_newCutLines; }

protected:
  /// Offsets the size's seam line between the two grade points; the new curves, on the
  /// size's cut layer and in the part's group, are appended to `made`.
  int Offset(Fastrelle_Size_ZW& size, ZcDbObjectIdArray& made);
  /// The one seam-layer entity of the size near both grade points (half-side 1): 16 none,
  /// 5 several.
  int FindSeamLine(const CString& size, ZcDbObjectId& seam);
  /// The point the offset must come nearer to (see the source).
  ZcGePoint3d ReferencePoint(ZcDbObjectId seam, const CString& part, const CString& size, double allowance);
  /// Joins the current cut line with its neighbour at the grade point of that number in
  /// the size; nothing when the size lacks the point or no other cut line lies near it.
  int JoinWithNeighbour(int number, Fastrelle_Size_ZW& size);
  /// Every size asks for the same two places: their grade points are gathered in one pass
  /// over the drawing for the run (until Finish).
  void GatherPoints();
  /// The grade point of that number in the size: from the points gathered for the run, else
  /// looked up afresh.
  Fastrelle_SizePoint PointIn(int number, const CString& size) const;
  /// Saves the view "Fastrelle_Cut" and zooms to the part of the first grade point grown
  /// by 30.0; without that part or its extents the view stays.
  void SaveView();

  double m_allowance = 0.0;
  int m_first = 0;
  int m_second = 0;
  std::unique_ptr<Fastrelle_Corner> m_join;
  ZcDbObjectId m_current;
  std::unique_ptr<ZcGePoint3d> m_direction;
  std::map<CString, bool> m_layerStates;
  bool m_prepared = false;
  ZcDbObjectIdArray m_newCutLines;
  /// The grade points of the two numbers over all sizes, for the run under way: number ->
  /// (size name, point) in drawing order.
  std::map<int, std::vector<std::pair<CString, ZcDbObjectId>>> m_points;
  bool m_pointsGathered = false;
};

#endif
