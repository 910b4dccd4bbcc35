// Model drawings for the piece tests: a part "Front" in sizes 38 and 40 with seam, cut and
// extra-element lines, a grain line, grade points and a part description, saved to a file;
// and readers of what a piece block holds.
#ifndef TESTS_LAYOUT_PIECEFIXTURE_H
#define TESTS_LAYOUT_PIECEFIXTURE_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Thread.h"
#include "construction/PartSizeGroup.h"
#include "construction/PartsFixture.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbLeader.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbText.h"
#include "framework/BlockReference.h"
#include "support/TempFolder.h"

class PieceTest : public PartsTest {
protected:
  static constexpr double kPi = 3.141592653589793;
  /// Seam outline: a trapezoid of area 7000. Cut outline around it: area 10800.
  static constexpr double kSeamArea = 7000.0;
  static constexpr double kCutArea = 10800.0;

  ZcDbObjectIdArray Outline(const std::vector<ZcGePoint3d>& corners) {
    ZcDbObjectIdArray ids;
    for (std::size_t i = 0; i < corners.size(); ++i) ids.append(AddLine(corners[i], corners[(i + 1) % corners.size()]));
    return ids;
  }

  /// Draws the part `name` into the working drawing: seam and cut outlines, grade points at
  /// the seam corners, a grain line at `grainDegrees` (none when negative) and a part
  /// description whose MATERIAL is `material`. Everything is moved by (dx, 0).
  void DrawModelPart(const wchar_t* name, double grainDegrees = 30.0, double dx = 0.0,
                     const wchar_t* material = L"Len") {
    EnsureSizeLayers(Fastrelle_Size(L"38", 1, false));  // a drawing after SaveModel has none
    EnsureSizeLayers(Fastrelle_Size(L"40", 2, true));
    Fastrelle_Part_Drawer part(name, 0);
    ASSERT_EQ(0, part.BuildFromCurves(Outline({{dx, 0, 0}, {dx + 100, 0, 0}, {dx + 100, 60, 0}, {dx, 80, 0}})));
    ASSERT_EQ(0, part.AddEntities(Outline({{dx - 10, -10, 0}, {dx + 110, -10, 0}, {dx + 110, 70, 0}, {dx - 10, 90, 0}}), 3));
    if (grainDegrees >= 0.0) {
      double a = grainDegrees * kPi / 180.0;
      ZcGePoint3d start(dx + 50, 30, 0);
      ASSERT_EQ(0, Fastrelle_Thread(start, start + ZcGeVector3d(20 * std::cos(a), 20 * std::sin(a), 0)).Draw());
    }
    ZcDbObjectId ref;
    ASSERT_EQ(0, InsertBlock(DescriptionBlock(), ZcGePoint3d(dx + 40, 40, 0), 1.0, 0.0, &ref));
    SetAttributeValue(Read<ZcDbBlockReference>(ref), L"MATERIAL", material);
    ASSERT_EQ(0, part.AddEntity(ref, 2));
  }

  /// The part-description block (named as the Plot.ini template), with a MATERIAL field.
  CString DescriptionBlock() {
    ZcDbBlockTable* blocks = nullptr;
    db_->getBlockTable(blocks, ZcDb::kForWrite);
    if (!blocks->has(L"PartDescription")) {
      auto* block = new ZcDbBlockTableRecord;
      block->setName(L"PartDescription");
      blocks->add(block);
      auto* field = new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), L"", L"MATERIAL");
      block->appendZcDbEntity(field);
      field->close();
      auto* frame = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
      block->appendZcDbEntity(frame);
      frame->close();
      block->close();
    }
    blocks->close();
    return L"PartDescription";
  }

  /// Saves the working drawing as `file` of the test's folder, then starts a new drawing;
  /// the saved path, written the Windows way.
  CString SaveModel(const std::string& file) {
    std::filesystem::create_directories(std::filesystem::path(folder_.Native(file)).parent_path());
    std::wstring path = folder_.Windows(file);
    EXPECT_EQ(Zcad::eOk, db_->saveAs(path.c_str()));
    db_ = headless::NewDrawing();
    return CString(path.c_str());
  }

  /// The id of the block of that name in the working drawing; null when there is none.
  ZcDbObjectId BlockId(const CString& name) {
    ZcDbBlockTable* blocks = nullptr;
    db_->getBlockTable(blocks, ZcDb::kForRead);
    ZcDbObjectId id;
    blocks->getAt(name, id);
    blocks->close();
    return id;
  }
  int BlockCount() {
    ZcDbBlockTable* blocks = nullptr;
    db_->getBlockTable(blocks, ZcDb::kForRead);
    int n = 0;
    for (ZcDbObjectId id : blocks->recordIds()) n += id.isErased() ? 0 : 1;
    blocks->close();
    return n;
  }
  std::vector<ZcDbObjectId> Entities(ZcDbObjectId block) {
    std::vector<ZcDbObjectId> out;
    for (ZcDbObjectId id : Read<ZcDbBlockTableRecord>(block)->entityIds())
      if (!id.isErased()) out.push_back(id);
    return out;
  }
  /// The ends of the block's curves on `layer` (leaders and regions left out), sorted.
  std::vector<ZcGePoint3d> Ends(ZcDbObjectId block, const wchar_t* layer) {
    std::vector<ZcGePoint3d> points;
    for (ZcDbObjectId id : Entities(block)) {
      auto* curve = dynamic_cast<ZcDbCurve*>(Read<ZcDbEntity>(id));
      if (!curve || dynamic_cast<ZcDbLeader*>(curve) || curve->layer() != layer) continue;
      ZcGePoint3d a, b;
      curve->getStartPoint(a);
      curve->getEndPoint(b);
      points.push_back(a);
      points.push_back(b);
    }
    std::sort(points.begin(), points.end(), [](const ZcGePoint3d& p, const ZcGePoint3d& q) {
      return std::round(p.x * 1e6) != std::round(q.x * 1e6) ? p.x < q.x : p.y < q.y;
    });
    return points;
  }
  /// The box of the block's entities.
  ZcDbExtents Box(ZcDbObjectId block) {
    ZcDbExtents box;
    for (ZcDbObjectId id : Entities(block)) {
      ZcDbExtents e;
      if (Read<ZcDbEntity>(id)->getGeomExtents(e) == Zcad::eOk) box.addExt(e);
    }
    return box;
  }

  TempFolder folder_;
};

#endif
