// The overlap check's search: where placed pieces overlap, found from their outlines only
// (each piece block's curves under its reference, the fill region left out) and, for two
// pieces whose outlines do not cross, from one lying inside the other. Used by the
// CheckIntersections command; the markers it draws are points tagged "Overlap".
#ifndef LAYOUT_LAYOUT_OVERLAPFINDER_H
#define LAYOUT_LAYOUT_OVERLAPFINDER_H

#include <memory>
#include <vector>

#include "ge/ZcGeCurve3d.h"
#include "ge/ZcGeRegion.h"
#include "geometry/Intersections.h"

/// The tag of overlap markers under "Fastrelle_Layout".
extern const wchar_t* const kOverlapTag;

/// The subjects are the piece references. Partners of a piece are only the other pieces
/// among what the crossing query over its box returns (labels, the border, the closing
/// line, texts and earlier markers never count); each pair is tried once, from its first
/// member in subject order.
class Layout_OverlapFinder : public IntersectionsDefault {
public:
  /// The points where outlines of two pieces meet (touching counts); for a pair that gave
  /// none, the start point of one piece's first outline curve when it lies inside the
  /// other's fill region. Points within 1e-9 of an earlier one are dropped. 0.
  int CheckAll() override;
  /// Erases the points tagged "Overlap" of earlier checks, then draws one tagged point per
  /// point found; the first failing status.
  int MarkIntersectionPoints() override;

  /// Counts of the last CheckAll: piece pairs tried and curve pairs intersected.
  int PairsTried() const { return m_pairsTried; }
  int CurvePairsTried() const { return m_curvePairsTried; }

  /// Drops the points within `tolerance` of an earlier one, keeping the order of the
  /// first of each group; sorted by x, each point compared only with those within the
  /// window in x.
  static void MergePoints(ZcGePoint3dArray& points, double tolerance);
  /// Erases every point entity of model space tagged "Overlap"; the first failure.
  static int EraseMarkers();

  /// A piece as the check sees it: its block's curves and first region under its
  /// reference's transform, each curve's box beside it.
  struct Piece {
    ZcDbObjectId id;
    std::vector<std::unique_ptr<ZcGeCurve3d>> curves;
    std::vector<std::pair<ZcGePoint3d, ZcGePoint3d>> boxes;  // per curve, min and max
    ZcGeRegion region;
    bool hasRegion = false;
  };
  /// Loads the piece of reference `id`; false when it is no block reference.
  static bool LoadPiece(ZcDbObjectId id, Piece& piece);

private:
  /// The crossings of the two pieces' curves, curve boxes tested first.
  void IntersectPieces(const Piece& a, const Piece& b, ZcGePoint3dArray& points);
  /// The start of `inner`'s first curve when it lies inside `outer`'s region.
  static bool InsidePoint(const Piece& inner, const Piece& outer, ZcGePoint3d& point);

  int m_pairsTried = 0;
  int m_curvePairsTried = 0;
};

#endif
