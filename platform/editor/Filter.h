// Selection filters and the geometric tests of selections: whether an entity's data list
// passes a filter list, wildcard matching of names, and whether a curve lies in or
// crosses a window. Private to the editor.
#ifndef PLATFORM_EDITOR_FILTER_H
#define PLATFORM_EDITOR_FILTER_H

#include <string>

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

}  // namespace editor

#endif
