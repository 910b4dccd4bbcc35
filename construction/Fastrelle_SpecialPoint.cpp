// The symbol reference of the drag tools: inserting, sliding, turning and erasing it.
#include "construction/Fastrelle_SpecialPoint.h"

#include "db/ZcDbBlockReference.h"
#include "framework/BlockReference.h"
#include "framework/UI_Block.h"
#include "geometry/PointHelpers.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;

// The reference of `id` opened for `mode`; null when it does not open as one.
ZcDbBlockReference* OpenReference(ZcDbObjectId id, ZcDb::OpenMode mode) {
  ZcDbBlockReference* ref = nullptr;
  if (id.isNull() || zcdbOpenObject(ref, id, mode) != Zcad::eOk) return nullptr;
  return ref;
}

}  // namespace

int Fastrelle_SpecialPoint::Insert(const ZcGePoint3d& point) {
  UI_Block block(m_blockName, true);
  if (!block.Record()) return Zcad::eUndefinedBlock;
  ZcDbObjectId id;
  if (int es = InsertBlock(block.GetName(), point, m_scale, 0.0, &id)) return es;
  m_reference = id;
  return 0;
}

int Fastrelle_SpecialPoint::PlaceAlong(const ZcGePoint3d& point, const ZcGeVector3d& direction) {
  if (!IsInserted()) {
    if (int es = Insert(point)) return es;
  }
  ZcDbBlockReference* ref = OpenReference(m_reference, ZcDb::kForRead);
  if (!ref) return Zcad::eWasErased;
  ref->close();  // held closed: the wrappers below open it by its id
  MoveBlockReferenceTo(ref, point);
  SetBlockReferenceRotation(ref, AngleInXYPlane(point, point + direction) - kHalfPi);
  return 0;
}

int Fastrelle_SpecialPoint::Erase() {
  ZcDbBlockReference* ref = OpenReference(m_reference, ZcDb::kForWrite);
  m_reference = ZcDbObjectId();
  if (!ref) return 0;
  int es = ref->erase();
  ref->close();
  return es;
}

bool Fastrelle_SpecialPoint::GetPosition(ZcGePoint3d& point) const {
  ZcDbBlockReference* ref = OpenReference(m_reference, ZcDb::kForRead);
  if (!ref) return false;
  point = ref->position();
  ref->close();
  return true;
}

bool Fastrelle_SpecialPoint::IsInserted() const {
  ZcDbBlockReference* ref = OpenReference(m_reference, ZcDb::kForRead);
  if (ref) ref->close();
  return ref != nullptr;
}
