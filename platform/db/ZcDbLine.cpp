// Lines: geometry and their DXF record.
#include "db/ZcDbLine.h"

#include "db/DbInternal.h"
#include "ge/ZcGeLineSeg3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbLine, ZcDbCurve)

Zcad::ErrorStatus ZcDbLine::setStartPoint(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  start_ = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLine::setEndPoint(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  end_ = p;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  start_.transformBy(m);
  end_.transformBy(m);
  return Zcad::eOk;
}

ZcDbObject* ZcDbLine::cloneObject() const {
  auto* c = new ZcDbLine(start_, end_);
  copyEntityTo(c);
  c->normal_ = normal_;
  c->thickness_ = thickness_;
  return c;
}

// LINE: 100 AcDbLine, 39 thickness (when not 0), 10/20/30 start, 11/21/31 end,
// 210/220/230 normal (when not +Z).
void ZcDbLine::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbLine");
  if (thickness_ != 0) f->writeDouble(39, thickness_);
  f->writePoint3d(10, start_);
  f->writePoint3d(11, end_);
  if (normal_ != ZcGeVector3d::kZAxis) f->writeVector3d(210, normal_);
}

Zcad::ErrorStatus ZcDbLine::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbLine");
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 10: start_ = f->toPoint3d(p); break;
      case 11: end_ = f->toPoint3d(p); break;
      case 39: thickness_ = f->toDouble(p); break;
      case 210: normal_ = f->toVector3d(p).normal(); break;
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

std::unique_ptr<ZcGeCurve3d> ZcDbLine::toGeCurve() const { return std::make_unique<ZcGeLineSeg3d>(start_, end_); }

Zcad::ErrorStatus ZcDbLine::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kLineSeg) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  start_ = curve.startPoint();
  end_ = curve.endPoint();
  return Zcad::eOk;
}
