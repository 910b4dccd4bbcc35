// Opening, saving and rendering the working drawing for cadhost.
#include "host/DrawingFiles.h"

#include <filesystem>
#include <iostream>

#include "db/ZcDbDatabase.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "host/DrawingPreview.h"
#include "host/SvgWriter.h"

namespace {
ZcDbDatabase* Working() { return zcdbHostApplicationServices()->workingDatabase(); }

// What a failed save says after its reason: whether a file of that name is still there.
const char* Outcome(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) ? "; the file there is left as it was" : "";
}
}  // namespace

bool OpenDrawing(const std::string& path) {
  ZcDbDatabase* db = Working();
  std::wstring wide = headless::FromUtf8(path);
  Zcad::ErrorStatus es = db ? db->readDwgFile(wide.c_str()) : Zcad::eNoDatabase;
  if (es == Zcad::eOk) return true;
  std::cerr << "\ncadhost: cannot open the drawing " << path << ": ";
  if (db && !db->readError().empty()) std::cerr << headless::ToUtf8(db->readError());
  else std::cerr << headless::ToUtf8(zcadErrorStatusText(es));
  std::cerr << "\n";
  return false;
}

bool SaveDrawing(const std::string& path) {
  ZcDbDatabase* db = Working();
  std::wstring wide = headless::FromUtf8(path);
  if (db) headless::SetDrawingPreview(*db, DrawingPreview(*db));
  Zcad::ErrorStatus es = db ? db->saveAs(wide.c_str()) : Zcad::eNoDatabase;
  if (es == Zcad::eOk) return true;
  std::cerr << "cadhost: cannot save the drawing " << path << ": "
            << headless::ToUtf8(db && !db->readError().empty() ? db->readError() : zcadErrorStatusText(es))
            << Outcome(path) << "\n";
  return false;
}

bool SaveSvg(const std::string& path) {
  ZcDbDatabase* db = Working();
  std::wstring reason = L"there is no drawing";
  if (db && WriteSvg(*db, path, reason)) return true;
  std::cerr << "cadhost: cannot write the picture " << path << ": " << headless::ToUtf8(reason) << Outcome(path)
            << "\n";
  return false;
}
