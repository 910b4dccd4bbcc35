// The two legs previewed while a dart is dragged.
#include "construction/Dart_lines.h"

#include "construction/Fastrelle_Clip.h"
#include "db/ZcDbPolyline.h"
#include "framework/ZWDrawer.h"

namespace {

// A polyline of two vertices at the origin in model space; null when it cannot be added.
ZcDbObjectId AddLeg() {
  auto* leg = new ZcDbPolyline();
  leg->addVertexAt(0, ZcGePoint2d(0.0, 0.0));
  leg->addVertexAt(1, ZcGePoint2d(0.0, 0.0));
  if (ZWDrawer::Add(leg) != 0) {
    delete leg;
    return ZcDbObjectId();
  }
  ZcDbObjectId id = leg->objectId();
  leg->close();
  return id;
}

void SetLeg(ZcDbObjectId id, const ZcGePoint3d& from, const ZcGePoint3d& to) {
  ZcDbPolyline* leg = nullptr;
  if (id.isNull() || zcdbOpenObject(leg, id, ZcDb::kForWrite) != Zcad::eOk) return;
  leg->setPointAt(0, from.convert2d());
  leg->setPointAt(1, to.convert2d());
  leg->close();
}

}  // namespace

Dart_lines::Dart_lines() {
  m_legs[0] = AddLeg();
  m_legs[1] = AddLeg();
}

Dart_lines::~Dart_lines() {
  for (ZcDbObjectId id : m_legs) {
    ZcDbPolyline* leg = nullptr;
    if (id.isNull() || zcdbOpenObject(leg, id, ZcDb::kForWrite) != Zcad::eOk) continue;
    leg->erase();
    leg->close();
  }
}

void Dart_lines::OnMove() {
  auto* dart = dynamic_cast<Fastrelle_Clip*>(m_subject);
  if (!dart) return;
  ZcGePoint3d apex = dart->EndPoint();
  SetLeg(m_legs[0], dart->DartStart(), apex);
  SetLeg(m_legs[1], dart->DartEnd(), apex);
}
