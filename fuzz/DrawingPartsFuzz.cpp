// Fuzz target of what the sizes and parts code reads from a drawing: any bytes read as a
// drawing (refused ones end the case) are listed for sizes, parts with their groups and
// records, and grade points, and searched for a part at points - never a crash, an object
// left open, or a drawing changed by the reading (its DXF text stays the same).
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartServices.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbBlockTableRecord.h"
#include "ed/zced.h"
#include "headless/Database.h"
#include "sizes/CollectSymbolsAt.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/SizeLayerNames.h"

namespace {

std::string& InstallFolder() {
  static std::string folder;
  return folder;
}

// A private install folder with the shipped Config and Templates (the grade-point symbol).
void UseShippedInstall() {
  std::string& pattern = InstallFolder();
  pattern = (std::filesystem::temp_directory_path() / "fastrelle-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(InstallFolder(), ec);
  });
  for (const char* sub : {"Config", "Templates"})
    std::filesystem::copy(std::filesystem::path(FASTRELLE_SHIPPED_INSTALL) / sub, std::filesystem::path(pattern) / sub,
                          std::filesystem::copy_options::recursive);
  std::wstring folder(pattern.begin(), pattern.end());
  zcedSetEnv(L"Fastrelle_Construction_Path", folder.c_str());
}

void Check(bool ok) {
  if (!ok) std::abort();
}

// Everything the parts code reads of a part: record, groups of every size and "0".
void ReadPart(ZcDbDatabase& db, const Fastrelle_Part& part, const Fastrelle_Sizes_ZW& sizes) {
  Fastrelle_Part_Drawer drawer(part.GetName(), &db);
  drawer.ReadRecord();
  Check(drawer.GetType() == part.GetType() && drawer.GetQuantity() == part.GetQuantity());
  ZcDbExtents extents;
  drawer.GetExtents(extents, sizes);
  drawer.GetMaterial();
  std::vector<CString> names{CString(L"0")};
  for (const Fastrelle_Size& size : sizes.Sizes()) names.push_back(size.GetName());
  for (const CString& size : names) {
    PartSizeGroup group(&db, part.GetName(), size);
    ZcDbObjectIdArray ids, seam, cut, tech;
    if (group.GetIds(ids) != 0) continue;
    group.SplitByLineKind(seam, cut, tech);
    Check(seam.length() + cut.length() + tech.length() <= ids.length());
    ZcDbExtents groupExtents;
    group.GetExtents(groupExtents);
    CStringArray blocks;
    group.GetBlockNamesAt(ZcGePoint3d(0, 0, 0), blocks);
  }
}

// The grade points: listed, numbered, each place gathered over the sizes, collected at
// each point's position.
void ReadGradePoints() {
  Fastrelle_SizePoints points;
  points.CollectReferences(points.BlockName());
  NextGradePointNumber();
  for (int i = 0; i < points.GetCount() && i < 8; ++i) {
    Fastrelle_SizePoint point = points.GetAt(i);
    point.GetNumber();
    point.GetSizeName();
    std::unique_ptr<Fastrelle_Points_Gradable> place = PointsFromReference(point.Id());
    if (place) place->FindBasePoint();
    std::vector<std::unique_ptr<Fastrelle_Points_Gradable>> collections;
    CollectSymbolsAt(point.GetPosition(), collections);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  UseShippedInstall();
  RegisterPartServices();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZcDbDatabase db(false, true);
  if (db.readDxfText(std::string(reinterpret_cast<const char*>(data), size)) != Zcad::eOk) return 0;
  ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
  zcdbHostApplicationServices()->setWorkingDatabase(&db);
  const std::string before = db.dxfText();

  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers(&db);
  for (const Fastrelle_Size& s : sizes.Sizes()) Check(CheckSizeName(s.GetName()));
  CStringArray names;
  ListSizeNamesFromLayers(names, &db);
  GetBaseSizeName(&db);

  Fastrelle_Parts parts;
  parts.Load(&db);
  for (const Fastrelle_Part& part : parts.Parts()) ReadPart(db, part, sizes);
  // A part whose groups all have extents is found at a corner of them (it or a later one).
  for (const Fastrelle_Part& part : parts.Parts()) {
    Fastrelle_Part_Drawer drawer(part.GetName(), &db);
    ZcDbExtents extents;
    if (drawer.GetExtents(extents, sizes) != 0) continue;
    Fastrelle_Part found;
    Check(parts.FindAt(extents.minPoint(), found));
  }
  Fastrelle_Part none;
  parts.FindAt(ZcGePoint3d(0, 0, 0), none);
  Check(headless::OpenObjectCount(&db) == 0);
  Check(db.dxfText() == before);

  // The grade points' collection defines its symbol when the drawing lacks it: the drawing
  // must stay unchanged only when it had the symbol already.
  ZcDbBlockTable* blocks = nullptr;
  Check(db.getBlockTable(blocks, ZcDb::kForRead) == Zcad::eOk);
  bool hadSymbol = blocks->has(GradePointBlockName());
  blocks->close();
  ReadGradePoints();
  Check(headless::OpenObjectCount(&db) == 0);
  if (hadSymbol) Check(db.dxfText() == before);

  zcdbHostApplicationServices()->setWorkingDatabase(working);
  return 0;
}
