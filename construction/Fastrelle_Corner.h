// A corner join: the seam line at a corner of a part and the two cut lines meeting there,
// trimmed or extended and, for most kinds, closed by a line between their new ends. The
// base of the five join kinds; used by the cut lines (kind 0), the corner commands and the
// corner joins over all sizes.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_H
#define CONSTRUCTION_FASTRELLE_CORNER_H

#include <memory>

#include "db/ZcDbObjectId.h"
#include "framework/UI_Kolekcja.h"
#include "ge/ZcGePoint3d.h"

/// Join modes: 0 extend both cut lines to their crossing; 1 extend the first cut line to
/// the seam line and the second to the foot of the seam line's corner end; 2 extend both
/// cut lines to the seam lines; 3 angle 90.0; 4 angle 45.0; 5 mirrors.
///
/// Statuses: 0; 4 two of the curves are the same; 16 a curve id is invalid; 20 not exactly
/// two cut lines at a point; 127 both cut lines the same (mode 0); 180 a pick cancelled;
/// 551 no intersection; a part-in-size group's status when the closing line has no group;
/// the trims' and host statuses otherwise. A join failing after it trimmed the first cut
/// line keeps that trim. Trimming may replace a curve by a new entity: the join then holds
/// the new id (the cut-line builder reads the first cut line back after each join).
class Fastrelle_Corner {
public:
  Fastrelle_Corner() = default;
  virtual ~Fastrelle_Corner() = default;
  Fastrelle_Corner(const Fastrelle_Corner&) = delete;
  Fastrelle_Corner& operator=(const Fastrelle_Corner&) = delete;

  /// The two cut lines at a point: those of the cut layer around the grade point nearest
  /// to it (half-side 25), or without grade points those SelectCutLinesNear gives. Exactly
  /// two become the first and second cut line (0); any other count gives 20.
  virtual int FindCutLinesAt(const ZcGePoint3d& point);
  virtual int Join() = 0;
  /// Fills the cut lines for a join at the point; 1 for the kinds that pick otherwise.
  virtual int PickCutLines(const ZcGePoint3d& point) = 0;
  /// 16 when the seam line or a cut line is invalid; 4 when two of them are the same.
  virtual int Validate();
  /// Appends the entities but block references crossing the square of half-side 10.0
  /// around the point ("PICKSTYLE" 0 meanwhile).
  virtual void SelectCutLinesNear(const ZcGePoint3d& point, ZcDbObjectIdArray& ids);
  /// The corner's grade-point numbers from the cut lines' end numbers (s1, e1) and (s2,
  /// e2): the number both share, tested in the order s1 = s2, s1 = e2, s2 = e1, e2 = e1,
  /// with each cut line's other end number as its far end. No shared number leaves all
  /// four outputs as the caller set them. With a valid seam line, its far end is its end
  /// number that is not the corner. 0.
  virtual int GetCornerNumbers(int& corner, int& firstFar, int& secondFar, int& seamFar);

  /// When Validate passes, zooms to the three curves' extents grown by 20.0.
  void ZoomToCorner();
  /// The closing line from A to B: the first cut line's part-in-size group is looked up
  /// first (its failure is returned and no line is made); the line joins that group and
  /// the created lines and takes the first cut line's colour, layer, linetype, linetype
  /// scale and line weight. A line that cannot join the group or take the properties is
  /// erased again and the failure returned.
  int AddClosingLine(const ZcGePoint3d& a, const ZcGePoint3d& b);
  /// The part-in-size group the closing line will join: the kinds that close a corner ask
  /// it before they change anything, so a corner that cannot be closed is left as it was.
  /// 0, or the lookup's status after printing "Fastrelle_Corner::AddClosingLine" (the
  /// callers print the status itself).
  int CheckClosingGroup() const;

  ZcDbObjectId m_seam;
  ZcDbObjectId m_cut1;
  ZcDbObjectId m_cut2;
  /// The closing lines this join added.
  UI_Kolekcja m_created;
};

/// The join of a mode; any mode outside 1 to 5 gives the mode-0 join (extend both cut
/// lines), the one the cut lines use: 7 and -1 => mode 0.
std::unique_ptr<Fastrelle_Corner> CreateCornerJoin(int mode);

/// An id that names a live object.
bool IsLiveId(ZcDbObjectId id);

#endif
