// Regions: boundary loops, their box and DXF record.
#include "db/ZcDbRegion.h"

#include <cmath>
#include <cstdio>

#include "db/DbInternal.h"
#include "db/CurveMath.h"
#include "db/ZcDbDxfFiler.h"
#include "ge/ZcGeBulgePolyline3d.h"

ZCRX_DEFINE_MEMBERS(ZcDbRegion, ZcDbEntity)

Zcad::ErrorStatus ZcDbRegion::setLoops(const std::vector<Loop>& loops, double elevation) {
  if (!zcdb::Finite(elevation)) return Zcad::eInvalidInput;
  for (const Loop& l : loops) {
    if (l.size() < 2) return Zcad::eInvalidInput;
    for (const LoopVertex& v : l)
      if (!zcdb::Finite(v.p, v.bulge)) return Zcad::eInvalidInput;
  }
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  loops_ = loops;
  elevation_ = elevation;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  double scale = 1, elevation = elevation_;
  for (Loop& l : loops_) {
    elevation = elevation_;
    if (Zcad::ErrorStatus es = zcdb::TransformFlat(l, elevation, m, scale); es != Zcad::eOk) return es;
  }
  if (loops_.empty()) {
    Loop none;
    zcdb::TransformFlat(none, elevation, m, scale);
  }
  elevation_ = elevation;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getGeomExtents(ZcDbExtents& ext) const {
  if (loops_.empty()) return Zcad::eInvalidExtents;
  ext = ZcDbExtents();
  for (const Loop& l : loops_) {
    std::vector<ZcGePoint2d> pts;
    std::vector<double> bulges;
    for (const LoopVertex& v : l) pts.push_back(v.p), bulges.push_back(v.bulge);
    ZcGePoint3d lo, hi;
    if (ZcGeBulgePolyline3d(pts, bulges, true, elevation_).getGeomExtents(lo, hi) == Zcad::eOk)
      ext.addExt(ZcDbExtents(lo, hi));
  }
  return ext.isEmpty() ? Zcad::eInvalidExtents : Zcad::eOk;
}

ZcDbObject* ZcDbRegion::cloneObject() const {
  auto* c = new ZcDbRegion;
  c->loops_ = loops_;
  c->elevation_ = elevation_;
  copyEntityTo(c);
  return c;
}

// REGION: 100 AcDbModelerGeometry, 70 1 (format version), then the body as text lines,
// each a group 1 (a line continued past 255 characters goes on in groups 3), encoded as
// modeler text is in these files (each character c other than a space becomes 159 - c).
// The body is the database's own loop format, one line per item:
//   "loops N elevation Z", then per loop "loop M", then M lines "x y bulge".
void ZcDbRegion::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbModelerGeometry");
  f->writeInt(70, 1);
  auto line = [f](const std::string& text) {
    std::string enc;
    for (char c : text) enc.push_back(c == ' ' ? ' ' : static_cast<char>(159 - c));
    f->writeRaw(1, enc);
  };
  char buf[128];
  std::snprintf(buf, sizeof buf, "loops %zu elevation %.17g", loops_.size(), elevation_);
  line(buf);
  for (const Loop& l : loops_) {
    std::snprintf(buf, sizeof buf, "loop %zu", l.size());
    line(buf);
    for (const LoopVertex& v : l) {
      std::snprintf(buf, sizeof buf, "%.17g %.17g %.17g", v.p.x, v.p.y, v.bulge);
      line(buf);
    }
  }
}

Zcad::ErrorStatus ZcDbRegion::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbModelerGeometry");
  ZcDbDxfPair p;
  std::vector<std::string> lines;
  int firstLine = 0;
  while (f->next(p)) {
    if (p.code != 1 && p.code != 3) continue;
    if (!firstLine) firstLine = p.line;
    std::string dec;
    for (char c : p.value) dec.push_back(c == ' ' ? ' ' : static_cast<char>(159 - c));
    if (p.code == 3 && !lines.empty()) lines.back() += dec;
    else lines.push_back(dec);
  }
  std::size_t at = 0;
  auto fail = [&]() {
    f->setError(firstLine, L"the region's boundary text cannot be read");
    loops_.clear();
    return Zcad::eBadDxfFile;
  };
  std::size_t nLoops = 0;
  if (lines.empty()) return Zcad::eOk;  // a body of another modeler: kept as an empty region
  if (std::sscanf(lines[at++].c_str(), "loops %zu elevation %lf", &nLoops, &elevation_) != 2)
    return fail();
  for (std::size_t k = 0; k < nLoops; ++k) {
    std::size_t n = 0;
    if (at >= lines.size() || std::sscanf(lines[at++].c_str(), "loop %zu", &n) != 1 ||
        n > lines.size() - at)
      return fail();
    Loop l;
    for (std::size_t i = 0; i < n; ++i) {
      LoopVertex v;
      if (std::sscanf(lines[at++].c_str(), "%lf %lf %lf", &v.p.x, &v.p.y, &v.bulge) != 3) return fail();
      l.push_back(v);
    }
    loops_.push_back(l);
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
