// cadhost's drawing files: --open reads a drawing into the working database before the
// script, --save writes it after, --svg renders it. Each reports failure on stderr.
#ifndef HOST_DRAWINGFILES_H
#define HOST_DRAWINGFILES_H

#include <string>

/// Reads `path` (DXF, whatever its extension) as the working drawing; false (with the
/// reason, and the line for a malformed file, on stderr) when it cannot.
bool OpenDrawing(const std::string& path);
/// Writes the working drawing to `path` as DXF; false when it cannot.
bool SaveDrawing(const std::string& path);
/// Renders the working drawing to `path` as SVG; false when it cannot.
bool SaveSvg(const std::string& path);

#endif
