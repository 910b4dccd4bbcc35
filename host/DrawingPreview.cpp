// Drawing previews: the visible curves of model space sampled and drawn as lines into a
// 128 x 96 picture (a 24-bit device-independent bitmap: a BITMAPINFOHEADER, then rows
// bottom up padded to 4 bytes), which the drawing writer keeps in the file's THUMBNAILIMAGE
// section.
#include "host/DrawingPreview.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"

namespace {

const int kWidth = 128, kHeight = 96;

using Polyline = std::vector<ZcGePoint3d>;

bool Shown(const ZcDbEntity* e) {
  ZcDbLayerTableRecord* layer = nullptr;
  if (zcdbOpenObject(layer, e->layerId(), ZcDb::kForRead) != Zcad::eOk) return true;
  bool on = !layer->isOff() && !layer->isFrozen();
  layer->close();
  return on;
}

// Each visible curve of model space as points along it.
std::vector<Polyline> Curves(const ZcDbDatabase& db) {
  std::vector<Polyline> out;
  ZcDbBlockTableRecord* ms = nullptr;
  if (zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return out;
  std::vector<ZcDbObjectId> ids;
  for (ZcDbObjectId id : ms->entityIds()) ids.push_back(id);
  ms->close();
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    auto* curve = dynamic_cast<ZcDbCurve*>(e);
    double start = 0, end = 0;
    if (curve && Shown(e) && curve->getStartParam(start) == Zcad::eOk && curve->getEndParam(end) == Zcad::eOk) {
      Polyline points;
      for (int i = 0; i <= 64; ++i) {
        ZcGePoint3d p;
        if (curve->getPointAtParam(start + (end - start) * i / 64, p) == Zcad::eOk) points.push_back(p);
      }
      out.push_back(points);
    }
    e->close();
  }
  return out;
}

void Line(std::vector<unsigned char>& bgr, double x0, double y0, double x1, double y1) {
  int steps = static_cast<int>(std::max({std::fabs(x1 - x0), std::fabs(y1 - y0), 1.0}));
  for (int s = 0; s <= steps; ++s) {
    int x = static_cast<int>(std::lround(x0 + (x1 - x0) * s / steps));
    int y = static_cast<int>(std::lround(y0 + (y1 - y0) * s / steps));
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) continue;
    std::fill_n(bgr.begin() + 3 * (y * kWidth + x), 3, 0);
  }
}

void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::vector<unsigned char> Picture(const ZcDbDatabase& db) {
  std::vector<unsigned char> bgr(3 * kWidth * kHeight, 255);  // top row first
  std::vector<Polyline> curves = Curves(db);
  double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
  for (const Polyline& c : curves)
    for (const ZcGePoint3d& p : c) {
      minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
  if (minX <= maxX) {
    double scale = std::min((kWidth - 8) / std::max(maxX - minX, 1e-9), (kHeight - 8) / std::max(maxY - minY, 1e-9));
    double left = (kWidth - scale * (maxX - minX)) / 2, top = (kHeight - scale * (maxY - minY)) / 2;
    auto x = [&](const ZcGePoint3d& p) { return left + (p.x - minX) * scale; };
    auto y = [&](const ZcGePoint3d& p) { return kHeight - 1 - (top + (p.y - minY) * scale); };
    for (const Polyline& c : curves)
      for (size_t i = 1; i < c.size(); ++i) Line(bgr, x(c[i - 1]), y(c[i - 1]), x(c[i]), y(c[i]));
  }
  std::vector<unsigned char> dib;
  Put32(dib, 40);
  Put32(dib, kWidth);
  Put32(dib, kHeight);
  Put32(dib, 1 | (24 << 16));  // planes, bits per pixel
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  for (int row = kHeight - 1; row >= 0; --row)  // bottom up; 128 x 3 bytes need no padding
    dib.insert(dib.end(), bgr.begin() + 3 * row * kWidth, bgr.begin() + 3 * (row + 1) * kWidth);
  return dib;
}

}  // namespace

std::vector<unsigned char> DrawingPreview(const ZcDbDatabase& db) { return Picture(db); }
