// Renders the working drawing's model space as an SVG picture, so that a person can look at
// what a script made: layers' colours, lines, arcs, circles, ellipses, polylines, splines,
// texts and block references (with their attributes). Used by cadhost --svg.
#ifndef HOST_SVGWRITER_H
#define HOST_SVGWRITER_H

#include <string>

class ZcDbDatabase;

/// The SVG text of `db`'s model space. Entities on layers that are off or frozen, and
/// invisible ones, are left out; an empty drawing gives an empty 100 x 100 picture.
std::string RenderSvg(const ZcDbDatabase& db);

/// Writes RenderSvg to `path` whole or not at all (an old file there stays as it was until
/// the new one is complete on the disk); false with `reason` set when it cannot.
bool WriteSvg(const ZcDbDatabase& db, const std::string& path, std::wstring& reason);

#endif
