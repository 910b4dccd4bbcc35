// The preview a drawing saved by the host carries: model space drawn in black on white,
// kept in the file's THUMBNAILIMAGE section, which the drawing lists of the dialogs show.
#ifndef HOST_DRAWINGPREVIEW_H
#define HOST_DRAWINGPREVIEW_H

#include <vector>

class ZcDbDatabase;

/// The preview of `db`'s model space: a 128 x 96 device-independent bitmap, 24 bits.
std::vector<unsigned char> DrawingPreview(const ZcDbDatabase& db);

#endif
