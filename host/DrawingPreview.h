// The preview a drawing saved by the host carries: model space drawn in black on white,
// kept in the file's THUMBNAILIMAGE section, which the drawing lists of the dialogs show.
#ifndef HOST_DRAWINGPREVIEW_H
#define HOST_DRAWINGPREVIEW_H

#include <string>

class ZcDbDatabase;

/// Adds the preview of `db`'s model space to the DXF file at `path` (written just before),
/// before its end of file. False when the file cannot be read or written again.
bool AddDrawingPreview(const ZcDbDatabase& db, const std::string& path);

#endif
