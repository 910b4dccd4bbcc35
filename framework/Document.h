// The drawing document's file name. Used by the description variables that name the
// drawing (they strip its folder and extension themselves).
#ifndef FRAMEWORK_DOCUMENT_H
#define FRAMEWORK_DOCUMENT_H

#include "mfc/CString.h"

class ZcApDocument;
class ZcDbDatabase;

/// The file name of the document's drawing as the host gives it (the path the drawing was
/// last read from or saved to); empty for a new drawing never saved, or without a drawing.
/// `document` is the document's database; null means the working drawing.
///   opened "C:\wzory\tył.dwg", not saved   => "C:\wzory\tył.dwg"
///   then saved as "C:\wzory\tył 2.dwg"      => "C:\wzory\tył 2.dwg"
CString GetDocumentFileName(ZcDbDatabase* document = nullptr);
/// The same for a host document (null: the current one); "" without a document.
CString GetDocumentFileName(ZcApDocument* document);

#endif
