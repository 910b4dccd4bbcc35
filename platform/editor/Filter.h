// Selection filters and the geometric tests of selections: whether an entity's data list
// passes a filter list, wildcard matching of names, and whether a curve lies in or
// crosses a window. Private to the editor.
#ifndef PLATFORM_EDITOR_FILTER_H
#define PLATFORM_EDITOR_FILTER_H

#include <string>
#include <vector>

#include "ed/ResultBuffer.h"
#include "ge/ZcGePoint3d.h"

class ZcGeCurve3d;

namespace editor {

/// Matches a name against a wildcard pattern without regard to case: "*" any run, "?" any
/// character, "#" a digit, "@" a letter, "." a character that is neither, "[...]" one of a
/// set or range ("[~...]" none of it), "`" takes the next character literally, "," separates
/// alternatives, and a leading "~" negates the whole pattern.
///   "*POLYLINE" matches "LWPOLYLINE"; "38*,40" matches "38'" and "40"; "~0" matches "38".
bool WildcardMatch(const std::wstring& pattern, const std::wstring& text);

/// Whether an entity, given by its data list, passes a filter. The filter's items are
/// ANDed; -4 "<OR" ... "OR>", "<AND" ... "AND>", "<NOT" ... "NOT>" (one item or group) and
/// "<XOR" ... "XOR>" (two) nest. An item passes when the data list holds the same code
/// with a matching value (texts by WildcardMatch, numbers and points equal). An empty
/// "<OR" group passes nothing; an empty filter passes everything. False with `error` set
/// for an unbalanced or unknown marker.
bool FilterAccepts(const resbuf* filter, const resbuf* data, std::wstring* error);

/// The box of two corners, in any order.
struct Box {
  ZcGePoint3d lo, hi;
  Box(const ZcGePoint3d& a, const ZcGePoint3d& b);
  bool Contains(const ZcGePoint3d& p) const;
};
/// The whole curve lies in the box (its exact extents, in XY).
bool CurveInWindow(const ZcGeCurve3d& curve, const Box& box);
/// The curve lies in the box or crosses its edge, tested on the curve itself (not its
/// bounding box): an arc whose bounding box touches the window but whose path misses it
/// does not cross.
bool CurveCrossesWindow(const ZcGeCurve3d& curve, const Box& box);

/// Whether a non-periodic NURBS curve (clamped knots, positive weights; no weights for a
/// polynomial one) meets the box in XY, decided on its control points: the curve is cut
/// into Bezier pieces, halved while a piece's control box meets the box but no end of the
/// piece lies in it. 1 it meets it, 0 it does not, -1 undecided (the curve only grazes an
/// edge, or its data is not of that form): test the curve itself then.
int NurbsMeetsBox(int degree, const std::vector<double>& knots, const std::vector<ZcGePoint3d>& controlPoints,
                  const std::vector<double>& weights, const Box& box);

/// Whether a polyline with bulges (vertices in XY, the bulge of the segment starting at
/// each) meets the box, decided segment by segment: a straight segment exactly, an arc by
/// its vertices and a box holding it. 1 it meets it, 0 it does not, -1 undecided (an arc
/// passes near the box with both ends outside): test the curve itself then.
int PolylineMeetsBox(const std::vector<ZcGePoint3d>& vertices, const std::vector<double>& bulges, bool closed,
                     const Box& box);

}  // namespace editor

#endif
