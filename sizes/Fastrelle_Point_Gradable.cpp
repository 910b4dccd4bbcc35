// Fastrelle_Point_Gradable.
#include "sizes/Fastrelle_Point_Gradable.h"

#include "db/ZcDbBlockReference.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"
#include "sizes/GradingOffset.h"
#include "sizes/SizeLayerNames.h"

ZcDbBlockReference* Fastrelle_Point_Gradable::Reference(ZcDbObjectId id) {
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) return nullptr;
  ref->close();
  return ref;
}

bool Fastrelle_Point_Gradable::IsReference() const { return Reference(m_id) != nullptr; }

ZcGePoint3d Fastrelle_Point_Gradable::GetPosition() const {
  ZcDbBlockReference* ref = Reference(m_id);
  return ref ? ref->position() : ZcGePoint3d(0, 0, 0);
}

int Fastrelle_Point_Gradable::Erase() {
  ZcDbBlockReference* ref = Reference(m_id);
  return ref ? EraseBlockReference(ref) : Zcad::eIllegalEntityType;
}

CString Fastrelle_Point_Gradable::GetSizeName() const {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, m_id, ZcDb::kForRead) != Zcad::eOk) return CString();
  CString layer = e->layer();
  e->close();
  return SizeNameOfLayer(layer);
}

int Fastrelle_Point_Gradable::MoveTo(const ZcGePoint3d& point) {
  ZcDbBlockReference* ref = Reference(m_id);
  return ref ? MoveBlockReferenceTo(ref, point) : Zcad::eNullIterator;
}

void Fastrelle_Point_Gradable::ApplyOffset(const GradingOffset& offset, ZcDbObjectId reference) {
  Fastrelle_Point_Gradable base(reference);
  if (!base.IsReference() || !IsReference()) return;
  const ZcGePoint3d r = base.GetPosition(), own = GetPosition();
  MoveTo(ZcGePoint3d(offset.X ? r.x + offset.DX : own.x, offset.Y ? r.y + offset.DY : own.y, r.z));
}
