// The document's file name, read from its drawing database.
#include "framework/Document.h"

#include "db/ZcDbDatabase.h"
#include "ed/ZcApDocManager.h"

CString GetDocumentFileName(ZcDbDatabase* document) {
  ZcDbDatabase* db = document ? document : zcdbHostApplicationServices()->workingDatabase();
  if (!db) return CString();
  const wchar_t* name = db->originalFileName();
  return CString(name ? name : L"");
}

CString GetDocumentFileName(ZcApDocument* document) {
  ZcApDocument* doc = document ? document : zcDocManagerPtr()->curDocument();
  return doc ? CString(doc->fileName()) : CString();
}
