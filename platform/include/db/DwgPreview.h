// The preview picture a drawing file keeps (its THUMBNAILIMAGE section).
#ifndef PLATFORM_DB_DWGPREVIEW_H
#define PLATFORM_DB_DWGPREVIEW_H

#include "win/wingdi.h"

/// Reads only the preview of the drawing file `path` into a new bitmap; false (nothing
/// made) for a missing file, a file without a preview, or a preview of no width or height.
bool zcdbGetPreviewBitmapFromDwg(const wchar_t* path, HBITMAP* preview, void* palette = nullptr);

#endif
