// A fresh drawing for the layout tests, a private folder for the files they write, and
// model drawings with part records saved into it.
#ifndef TESTS_LAYOUT_LAYOUTFIXTURE_H
#define TESTS_LAYOUT_LAYOUTFIXTURE_H

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "DrawingFixture.h"
#include "construction/PartRecords.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbSpline.h"
#include "framework/Tagged.h"
#include "geometry/RegionByEntities.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_drawer.h"

class LayoutTest : public DrawingTest {
protected:
  /// The test's own folder (removed after the test).
  std::filesystem::path Folder() {
    if (tmp_.empty()) {
      char pattern[] = "/tmp/fastrelle-layout-XXXXXX";
      tmp_ = mkdtemp(pattern);
    }
    return tmp_;
  }
  CString PathOf(const char* name) { return CString(headless::FromUtf8((Folder() / name).string())); }

  /// Saves a model drawing holding the records (part, type, quantity) at `name` in the
  /// test's folder and starts a new working drawing; the model's path.
  CString SaveModel(const char* name, std::initializer_list<std::tuple<const wchar_t*, int, int>> parts) {
    for (const auto& [part, type, quantity] : parts) WritePartRecord(nullptr, part, type, quantity);
    CString path = PathOf(name);
    EXPECT_EQ(Zcad::eOk, db_->saveAs(path));
    db_ = headless::NewDrawing();
    return path;
  }

  /// A piece block named `name`: the curves (taken), a region of them unless `region` is
  /// false, tagged "Form". Its record's id.
  ZcDbObjectId PieceBlock(const wchar_t* name, std::vector<ZcDbEntity*> curves, bool region = true) {
    ZcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, ZcDb::kForWrite);
    auto* record = new ZcDbBlockTableRecord;
    record->setName(name);
    ZcDbObjectId block;
    table->add(block, record);
    table->close();
    RegionByEntities maker;
    for (ZcDbEntity* curve : curves) {
      ZcDbObjectId id;
      record->appendZcDbEntity(id, curve);
      curve->close();
      maker.m_curveIds.append(id);
    }
    record->close();
    if (region) {
      maker.m_owner = block;
      EXPECT_EQ(0, maker.Make());
    }
    EXPECT_EQ(0, Tagged(block, kLayoutApplication).AddTag(kFormTag));
    return block;
  }
  /// The w × h rectangle with its lower-left corner at the origin, as one closed polyline.
  static ZcDbEntity* Rectangle(double w, double h) {
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, {0, 0});
    pl->addVertexAt(1, {w, 0});
    pl->addVertexAt(2, {w, h});
    pl->addVertexAt(3, {0, h});
    pl->setClosed(true);
    return pl;
  }
  /// A reference of the block at `position`, turned by `degrees`.
  ZcDbObjectId Place(ZcDbObjectId block, const ZcGePoint3d& position, double degrees = 0.0) {
    auto* reference = new ZcDbBlockReference(position, block);
    reference->setRotation(degrees / 180.0 * M_PI);
    return Add(reference);
  }
  /// Draws a border of that width (Y) and length (X) at the origin.
  void Border(double width, double length) { ASSERT_EQ(0, Layout_drawer(Layout(width, length)).Draw()); }
  /// The box of an entity.
  static ZcDbExtents Box(ZcDbObjectId id) {
    ZcDbEntity* e = nullptr;
    ZcDbExtents box;
    if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) {
      ADD_FAILURE() << "no entity to measure";
      return box;
    }
    e->getGeomExtents(box);
    e->close();
    return box;
  }

  static std::string Bytes(const CString& path) {
    std::ifstream in(headless::ToUtf8(path.str()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteBytes(const CString& path, const std::string& bytes) {
    std::ofstream(headless::ToUtf8(path.str()), std::ios::binary) << bytes;
  }
  /// `text` as a UTF-16LE file with a byte-order mark (the layout-definition form).
  static void WriteUtf16(const CString& path, const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
      bytes += static_cast<char>(c & 0xFF);
      bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    WriteBytes(path, bytes);
  }
};

#endif
