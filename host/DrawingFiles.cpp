// Opening, saving and rendering the working drawing for cadhost.
#include "host/DrawingFiles.h"

#include <iostream>

#include "db/ZcDbDatabase.h"
#include "headless/Host.h"
#include "host/DrawingPreview.h"
#include "host/SvgWriter.h"

namespace {
ZcDbDatabase* Working() { return zcdbHostApplicationServices()->workingDatabase(); }
}  // namespace

bool OpenDrawing(const std::string& path) {
  ZcDbDatabase* db = Working();
  std::wstring wide = headless::FromUtf8(path);
  Zcad::ErrorStatus es = db ? db->readDwgFile(wide.c_str()) : Zcad::eNoDatabase;
  if (es == Zcad::eOk) return true;
  std::cerr << "cadhost: cannot open the drawing " << path << ": ";
  if (es == Zcad::eBadDxfFile) std::cerr << headless::ToUtf8(db->readError());
  else std::cerr << headless::ToUtf8(zcadErrorStatusText(es));
  std::cerr << "\n";
  return false;
}

bool SaveDrawing(const std::string& path) {
  ZcDbDatabase* db = Working();
  std::wstring wide = headless::FromUtf8(path);
  Zcad::ErrorStatus es = db ? db->saveAs(wide.c_str()) : Zcad::eNoDatabase;
  if (es == Zcad::eOk) {
    if (AddDrawingPreview(*db, path)) return true;
    std::cerr << "cadhost: cannot add the preview to the drawing " << path << "\n";
    return false;
  }
  std::cerr << "cadhost: cannot save the drawing " << path << ": " << headless::ToUtf8(zcadErrorStatusText(es)) << "\n";
  return false;
}

bool SaveSvg(const std::string& path) {
  ZcDbDatabase* db = Working();
  if (db && WriteSvg(*db, path)) return true;
  std::cerr << "cadhost: cannot write the picture " << path << "\n";
  return false;
}
