// Compaction written out from single movers, as the comparison tests compose it, with
// seeded layouts to run it on and the positions to compare. Used by the compaction and
// comparison tests of the layout.
#ifndef TESTS_LAYOUT_COMPACTIONFIXTURE_H
#define TESTS_LAYOUT_COMPACTIONFIXTURE_H

#include <algorithm>
#include <random>

#include "LayoutFixture.h"
#include "db/ZcDbArc.h"
#include "framework/Extents.h"
#include "layout/Layout_Move.h"
#include "layout/Layout_draw_closingLine.h"

struct CachingRestored {
  ~CachingRestored() { headless::SetCaching(true); }
};

class CompactionTest : public LayoutTest {
protected:
  static ZcDbObjectIdArray One(ZcDbObjectId id) {
    ZcDbObjectIdArray ids;
    ids.append(id);
    return ids;
  }
  static ZcDbExtents BoxOf(const ZcDbObjectIdArray& ids) {
    ZcDbExtents box;
    GetExtentsOfIds(box, ids);
    return box;
  }

  /// The compaction loop written out from single movers, the closing line placed after
  /// every push: left; then (down, left, test, up, left, test) until a test gains less
  /// than 0.1 on the pieces' right edge recorded at the previous one (first: before any
  /// push), at most 50 tests. Returns the number of tests.
  static int Composed(const ZcDbObjectIdArray& pieces) {
    double recorded = BoxOf(pieces).maxPoint().x;
    int tests = 0;
    auto pushAll = [&](int kind) {  // 0 left, 1 down, 2 up
      std::vector<std::pair<double, ZcDbObjectId>> order;
      for (ZcDbObjectId id : pieces) {
        ZcDbExtents box = BoxOf(One(id));
        order.push_back({kind == 0 ? box.minPoint().x : box.minPoint().y, id});
      }
      std::stable_sort(order.begin(), order.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      for (const auto& [key, id] : order) {
        if (kind == 0) Layout_Move_Left(One(id)).Run();
        else if (kind == 1) Layout_Move_Bottom(One(id)).Run();
        else Layout_Move_Top(One(id)).Run();
        Layout_draw_closingLine().Draw();
      }
    };
    auto stop = [&] {
      ++tests;
      double now = BoxOf(pieces).maxPoint().x;
      if (recorded - now < 0.1) return true;
      recorded = now;
      return tests >= 50;
    };
    pushAll(0);
    while (!stop()) {
      pushAll(1);
      pushAll(0);
      if (stop()) break;
      pushAll(2);
      pushAll(0);
    }
    return tests;
  }

  /// Where every reference stands: position and rotation.
  std::vector<double> Positions(const ZcDbObjectIdArray& pieces) {
    std::vector<double> out;
    for (ZcDbObjectId id : pieces) {
      auto* reference = Read<ZcDbBlockReference>(id);
      out.push_back(reference->position().x);
      out.push_back(reference->position().y);
      out.push_back(reference->rotation());
    }
    ZcDbObjectId line = FindTaggedPolyline(L"EndLine");
    out.push_back(line.isNull() ? -1.0 : Box(line).minPoint().x);
    return out;
  }

  /// A seeded layout: a 600 × 3000 border and 3-12 pieces of rectangles, half discs (lines
  /// and an arc) and spline-sided pieces, turned 0, 90 or 37 degrees, some mirrored, laid
  /// apart in cells of a grid.
  ZcDbObjectIdArray SeededLayout(unsigned seed) {
    std::mt19937 rng(seed);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    Border(600, 3000);
    ZcDbObjectId blocks[3];
    blocks[0] = PieceBlock(L"m|Prostokąt|S|S|B", {Rectangle(70, 40)});
    blocks[1] = PieceBlock(L"m|Łuk|S|L|B", {new ZcDbLine({0, 0, 0}, {60, 0, 0}), new ZcDbArc({60, 25, 0}, 25, -M_PI / 2, M_PI / 2),
                                            new ZcDbLine({60, 50, 0}, {0, 50, 0}), new ZcDbLine({0, 50, 0}, {0, 0, 0})});
    auto* side = new ZcDbSpline;
    ZcGePoint3dArray fit;
    for (ZcGePoint3d p : {ZcGePoint3d(80, 30, 0), ZcGePoint3d(55, 50, 0), ZcGePoint3d(25, 20, 0), ZcGePoint3d(0, 30, 0)})
      fit.append(p);
    side->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
    blocks[2] = PieceBlock(L"m|Spline|S|R|B", {new ZcDbLine({0, 0, 0}, {80, 0, 0}), new ZcDbLine({80, 0, 0}, {80, 30, 0}),
                                               side, new ZcDbLine({0, 30, 0}, {0, 0, 0})});
    const int count = 3 + static_cast<int>(rng() % 10);
    const double rotations[] = {0.0, 90.0, 37.0};
    ZcDbObjectIdArray pieces;
    for (int i = 0; i < count; ++i) {
      // Cells of 150 × 150 from the left, four to a column; a piece's box is under 110.
      double cx = 150.0 * (i / 4) + 20, cy = 150.0 * (i % 4) + 20;
      // Splines are the slow ones with the caches off: one piece in five.
      const int kinds[] = {0, 0, 1, 1, 2};
      auto* reference = new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), blocks[kinds[rng() % 5]]);
      reference->setRotation(rotations[rng() % 3] / 180.0 * M_PI);
      if (rng() % 3 == 0) reference->setScaleFactors(ZcGeScale3d(-1, 1, 1));
      ZcDbObjectId id = Add(reference);
      ZcDbExtents box = Box(id);
      ZcGeVector3d to = ZcGePoint3d(cx + uniform(0, 15), cy + uniform(0, 15), 0) - box.minPoint();
      ZcDbEntity* e = nullptr;
      zcdbOpenObject(e, id, ZcDb::kForWrite);
      e->transformBy(ZcGeMatrix3d::translation(to));
      e->close();
      pieces.append(id);
    }
    return pieces;
  }
};

#endif
