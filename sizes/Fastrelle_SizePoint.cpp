// Fastrelle_SizePoint: numbering, inserting, selecting around and moving a grade point.
#include "sizes/Fastrelle_SizePoint.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbSymbolTable.h"
#include "db/ZcDbExtents.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Folders.h"
#include "framework/Layers.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "framework/Strings.h"
#include "framework/UI_DwgBlock.h"
#include "geometry/FastrelleArcCalculator.h"
#include "geometry/Fastrelle_SplineStretchDistributor.h"
#include "geometry/StretchByDataBase.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/GradePointNumbers.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/SizeLayerNames.h"
#include "win/crt.h"

namespace {
/// A seam entity follows the point when it passes this close to it.
constexpr double kOnSeam = 0.1;

/// The model-space entities on the layer, by one walk.
ZcDbObjectIdArray EntitiesOnLayer(ZcDbObjectId layer) {
  ZcDbObjectIdArray ids;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTableRecord* space = nullptr;
  if (!db || zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return ids;
  for (ZcDbObjectId id : space->entityIds()) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    if (e->layerId() == layer) ids.append(id);
    e->close();
  }
  space->close();
  return ids;
}

/// The point lies in the box grown by `margin` on every side.
bool Within(const ZcDbExtents& box, const ZcGePoint3d& p, double margin) {
  const ZcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
  return p.x >= lo.x - margin && p.x <= hi.x + margin && p.y >= lo.y - margin && p.y <= hi.y + margin &&
         p.z >= lo.z - margin && p.z <= hi.z + margin;
}
}  // namespace

CString GradePointBlockName() { return UI_DwgBlock::FileTitle(GetSettingString(L"GradePoint")); }
CString GradePointNumberTag() { return GetSettingString(L"GradePointNumber"); }

Fastrelle_SizePoint::Fastrelle_SizePoint(const ZcGePoint3d& position) {
  Fastrelle_SizePoints points;
  points.CollectReferences(points.BlockName());
  int index = points.FindNearestIndex(position);
  if (index >= 0) m_id = points.Ids()[index];
}

Fastrelle_SizePoint::Fastrelle_SizePoint(int number, const CString& size) {
  Fastrelle_SizePoints_Set points(IntToString(number));
  m_id = points.FindInSize(size);
}

int Fastrelle_SizePoint::Insert(const ZcGePoint3d& position, const CString& size) {
  Fastrelle_SizePoints points;  // defines the block from its drawing when missing
  if (points.BlockName().IsEmpty()) return Zcad::eUndefinedBlock;
  ZcDbObjectId id;
  if (int es = InsertBlock(points.BlockName(), position, 1.0, 0.0, &id)) return es;
  m_id = id;
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  Fastrelle_Size_ZW found = sizes.Find(size);
  CString layer = found.Tech().GetLayerName();
  // Size "0" has no extra-elements layer until its first point or part needs one.
  if (!FindLayer(layer)) EnsureSizeLayers(found);
  ZcDbEntity* e = nullptr;
  int es = zcdbOpenObject(e, m_id, ZcDb::kForWrite);
  if (es == Zcad::eOk) {
    es = e->setLayer(layer);
    e->close();
  }
  return es;
}

void Fastrelle_SizePoint::SetNumber(int number) {
  GradePointNumbers::Forget(m_id);
  if (ZcDbBlockReference* ref = Reference(m_id)) SetAttributeValue(ref, GradePointNumberTag(), IntToString(number));
}

int Fastrelle_SizePoint::GetNumber() const {
  int number = 0;
  if (!m_id.isErased() && GradePointNumbers::Recall(m_id, number)) return number;
  ZcDbBlockReference* ref = Reference(m_id);
  CString text;
  if (ref && GetAttributeValue(ref, GradePointNumberTag(), text) == Zcad::eOk && StartsWithNumber(text))
    number = _wtoi(text);
  if (ref) GradePointNumbers::Remember(m_id, number);
  return number;
}

Fastrelle_Size_ZW Fastrelle_SizePoint::GetSize() const { return Fastrelle_Size_ZW(m_id); }

void Fastrelle_SizePoint::SelectAround(const CString& layer, ZcDbObjectIdArray& ids, double d) const {
  ResBuf filter;
  filter.BeginNot();
  filter.Add(0, L"INSERT");
  filter.EndNot();
  if (!layer.IsEmpty()) filter.Add(8, QuoteForFilter(layer));  // a layer name is free text
  const ZcGePoint3d p = GetPosition();
  const ZcGePoint3d corner1(p.x + d, p.y - d, p.z), corner2(p.x - d, p.y + d, p.z);
  SSGet selection(kSelectCrossing, filter.Head());
  selection.SavePickStyle();
  selection.SetCorners(&corner1, &corner2);
  selection.Select();
  ids.append(selection.Ids());
}

void Fastrelle_SizePoint::SelectCutLinesAround(ZcDbObjectIdArray& ids) const {
  SelectAround(GetSize().Cut().GetLayerName(), ids, 25.0);
}

void Fastrelle_SizePoint::SelectSeamLinesAround(ZcDbObjectIdArray& ids) const {
  if (m_id.isValid()) SelectAround(GetSize().Seam().GetLayerName(), ids, 1.0);
}

void Fastrelle_SizePoint::SeamCurvesThrough(ZcDbObjectIdArray& ids) const {
  ZcDbLayerTableRecord* seam = FindLayer(GetSize().Seam().GetLayerName());
  if (!seam) return;
  const ZcGePoint3d p = GetPosition();
  ZcDbObjectIdArray found;
  if (!seam->isOff() && !seam->isFrozen()) {
    // A shown layer: the entities crossing the square around the point, which holds every
    // curve passing within the distance (the selection finds them by their extents).
    ResBuf filter;
    filter.Add(0, L"LINE,LWPOLYLINE,POLYLINE,ARC,SPLINE");
    filter.Add(8, QuoteForFilter(seam->name().c_str()));
    const ZcGePoint3d corner1(p.x + kOnSeam, p.y - kOnSeam, p.z), corner2(p.x - kOnSeam, p.y + kOnSeam, p.z);
    SSGet selection(kSelectCrossing, filter.Head());
    selection.SavePickStyle();
    selection.SetCorners(&corner1, &corner2);
    selection.Select();
    found = selection.Ids();
  } else {
    // A hidden layer is still the size's seam: its entities follow the point all the same.
    found = EntitiesOnLayer(seam->objectId());
  }
  for (ZcDbObjectId id : found) {
    ZcDbCurve* curve = nullptr;
    if (zcdbOpenObject(curve, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool handled = curve->isKindOf(ZcDbLine::desc()) || curve->isKindOf(ZcDbPolyline::desc()) ||
                   curve->isKindOf(ZcDb2dPolyline::desc()) || curve->isKindOf(ZcDbArc::desc()) ||
                   curve->isKindOf(ZcDbSpline::desc());
    ZcDbExtents box;
    bool near = handled && (curve->getGeomExtents(box) != Zcad::eOk || Within(box, p, kOnSeam));
    ZcGePoint3d nearest;
    near = near && curve->getClosestPointTo(p, nearest) == Zcad::eOk && nearest.distanceTo(p) < kOnSeam;
    curve->close();
    if (near) ids.append(id);
  }
}

int Fastrelle_SizePoint::MoveTo(const ZcGePoint3d& target) {
  const ZcGePoint3d from = GetPosition();
  if (from.distanceTo(target) < 1e-4) return Zcad::eOk;
  StretchByDataBase stretch;
  stretch.SetArcCalculator(new FastrelleArcCalculator);
  stretch.SetSplineStretcher(new Fastrelle_SplineStretchDistributor);
  SeamCurvesThrough(stretch.ids);
  // Apply checks every id before it changes any: a failure leaves the seam and the point.
  if (int es = stretch.Apply(from, target)) return es;
  return Fastrelle_Point_Gradable::MoveTo(target);
}
