// Piece blocks as a fabric layout holds them, for the benchmarks of references and of the
// layout: 8 blocks "Piece0".."Piece7" of 12-40 curves (lines, arcs at every third side and
// one spline side) around rough rectangles of 80-150 by 85-120.
#ifndef BENCH_PIECEBLOCKS_H
#define BENCH_PIECEBLOCKS_H

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"

/// A piece outline of `sides` curves around a rough rectangle of w x h.
inline void AddPiece(ZcDbBlockTableRecord* block, int sides, double w, double h, std::mt19937& rng) {
  std::uniform_real_distribution<double> wobble(-3, 3);
  std::vector<ZcGePoint3d> ring;
  for (int i = 0; i < sides; ++i) {
    double t = 2 * 3.141592653589793 * i / sides;
    ring.emplace_back(w / 2 + w / 2 * std::cos(t) + wobble(rng), h / 2 + h / 2 * std::sin(t) + wobble(rng), 0);
  }
  for (int i = 0; i < sides; ++i) {
    const ZcGePoint3d &a = ring[i], &b = ring[(i + 1) % sides];
    ZcDbEntity* e = nullptr;
    if (i == 0) {
      auto* sp = new ZcDbSpline();
      ZcGePoint3dArray fit;
      for (int k = 0; k <= 4; ++k)
        fit.append(a + (b - a) * (k / 4.0) + ZcGeVector3d(0, k % 2 ? 2.0 : 0.0, 0));
      sp->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
      e = sp;
    } else if (i % 3 == 0) {
      ZcGePoint3d mid = a + (b - a) * 0.5;
      double r = a.distanceTo(b) * 0.75;
      double dir = std::atan2(b.y - a.y, b.x - a.x);
      ZcGePoint3d c = mid + ZcGeVector3d(std::sin(dir), -std::cos(dir), 0) * std::sqrt(r * r - std::pow(a.distanceTo(b) / 2, 2));
      e = new ZcDbArc(c, r, std::atan2(a.y - c.y, a.x - c.x), std::atan2(b.y - c.y, b.x - c.x));
    } else {
      e = new ZcDbLine(a, b);
    }
    block->appendZcDbEntity(e);
    e->close();
  }
}

/// The 8 piece blocks in `db`, their record ids in order.
inline std::vector<ZcDbObjectId> AddPieceBlocks(ZcDbDatabase* db, std::mt19937& rng) {
  std::uniform_int_distribution<int> sides(12, 40);
  ZcDbBlockTable* table = nullptr;
  db->getBlockTable(table, ZcDb::kForWrite);
  std::vector<ZcDbObjectId> blocks;
  for (int b = 0; b < 8; ++b) {
    auto* record = new ZcDbBlockTableRecord();
    record->setName((L"Piece" + std::to_wstring(b)).c_str());
    ZcDbObjectId id;
    table->add(id, record);
    AddPiece(record, sides(rng), 80 + 10 * b, 120 - 5 * b, rng);
    record->close();
    blocks.push_back(id);
  }
  table->close();
  return blocks;
}

#endif
