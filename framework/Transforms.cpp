// The UCS origin, the interactive move and rotation, database transforms, handles and
// curve-to-polyline conversion.
#include "framework/Transforms.h"

#include <cmath>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbPolyline.h"
#include "ed/zced.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "framework/ZWDrawer.h"
#include "framework/ZWVariable.h"

ActiveUCS::ActiveUCS() : m_db(zcdbHostApplicationServices()->workingDatabase()) {}

int ActiveUCS::SetOrigin(const ZcGePoint3d& origin) {
  ResBuf list;
  list.AddString(L"_UCS");
  list.AddString(L"_O");
  list.AddPoint(WorldToUser(origin));
  return RunCommandAndWait(list) == RTNORM ? 0 : Zcad::eIsWriteProtected;
}

int ActiveUCS::GetOrigin(ZcGePoint3d& origin) {
  if (!IsActive()) return Zcad::eWrongObjectType;
  origin = m_db->ucsorg();
  return 0;
}

Move::Move() {
  m_originSaved = ActiveUCS().GetOrigin(m_savedOrigin) == 0;
  m_ucsIconSaved = ZWVariable(L"UCSICON").GetShort(m_savedUcsIcon);
  SetVariableInt(L"UCSICON", 0);
}

Move::~Move() { RestoreUcs(); }

void Move::RestoreUcs() {
  if (m_originSaved) ActiveUCS().SetOrigin(m_savedOrigin);
  if (m_ucsIconSaved) SetVariableInt(L"UCSICON", m_savedUcsIcon);
}

int Move::Run() {
  ActiveUCS().SetOrigin(m_basePoint);
  ResBuf list;
  MoveIds(m_ids, WorldToUser(m_basePoint), list);
  int result = list.Head() ? RunCommandAndWait(list) : RTERROR;
  return result == RTNORM && GetLastPoint().distanceTo(m_basePoint) >= 1e-6 ? 0 : Zcad::eUserBreak;
}

ZcGePoint3d Move::GetLastPoint() {
  ZcGePoint3d last;
  if (!ZWVariable(L"LASTPOINT").GetPoint(last)) return ZcGePoint3d::kOrigin;
  return UserToWorld(last);
}

int Rotation_UserSelector::select() {
  if (m_ids.isEmpty()) return Zcad::eNoInputFiles;
  ResBuf list;
  SaveAndSet_pickstyle(list);
  list.AddString(L"_ROTATE");
  list.AddIds(m_ids);
  list.AddString(L"");
  list.AddPoint(WorldToUser(m_basePoint));
  if (m_reference.length() > 1e-5) {
    list.AddString(L"_R");
    list.AddPoint(WorldToUser(m_basePoint));
    list.AddPoint(WorldToUser(m_basePoint + m_reference));
  }
  list.AddString(L"\\");
  int result = RunCommandAndWait(list);
  Restore_pickstyle(list);
  return result == RTNORM ? 0 : Zcad::eAmbiguousInput;
}

int Position_MoveSelector::select() {
  m_move.m_ids = m_ids;
  return m_move.Run();
}

namespace {

// Transforms one entity (an MText only by the translation); notes an owner other than
// model space. 0 or the failure.
int TransformEntity(ZcDbObjectId id, const ZcGeMatrix3d& m, ZcDbObjectId modelSpace, int& allInModelSpace) {
  ZcDbEntity* e = nullptr;
  if (Zcad::ErrorStatus es = zcdbOpenZcDbEntity(e, id, ZcDb::kForRead)) return es;
  // Closed on every way out, an exception from the entity's transform included.
  struct Closer {
    ZcDbEntity* entity;
    ~Closer() { entity->close(); }
  } closer{e};
  int status = 0;
  if (e->isKindOf(ZcDbMText::desc())) {
    auto* text = static_cast<ZcDbMText*>(e);
    status = text->upgradeOpen() == Zcad::eOk ? text->setLocation(text->location() + m.translation())
                                              : Zcad::eWrongObjectType;
  } else if ((status = e->upgradeOpen()) == Zcad::eOk) {
    status = e->transformBy(m);
    e->downgradeOpen();
  }
  if (e->ownerId() != modelSpace) allInModelSpace = 0;
  return status;
}

}  // namespace

int DbMove::Transform(const ZcGeMatrix3d& m) {
  const ZcDbObjectId modelSpace = GetModelSpaceId();
  // The set moves whole or not at all: what moved already goes back, after a failure or
  // an exception alike.
  int moved = 0;
  auto putBack = [&] {
    const ZcGeMatrix3d back = m.inverse();
    for (int j = moved - 1; j >= 0; --j) TransformEntity(m_ids[j], back, modelSpace, m_allInModelSpace);
  };
  try {
    for (; moved < m_ids.length(); ++moved) {
      int status = TransformEntity(m_ids[moved], m, modelSpace, m_allInModelSpace);
      if (status == 0) continue;
      putBack();
      return status;
    }
  } catch (...) {
    putBack();
    throw;
  }
  return 0;
}

CString ObjectId::GetHandleText() const {
  ZcDbObject* o = nullptr;
  if (!m_id.isValid() || zcdbOpenObject(o, m_id, ZcDb::kForRead) != Zcad::eOk) return CString();
  ZcDbHandle handle;
  o->getZcDbHandle(handle);
  o->close();
  wchar_t text[17];
  handle.getIntoAsciiBuffer(text);
  return CString(text);
}

namespace {

CurvePolylineCopier g_copier = nullptr;

// Points every 1.0 along the curve and its end point; 3 when the curve is shorter.
int DividedPolyline(const ZcDbCurve* curve, ZcDbPolyline*& pl) {
  double endParam = 0.0, length = 0.0;
  if (curve->getEndParam(endParam) != Zcad::eOk || curve->getDistAtParam(endParam, length) != Zcad::eOk)
    return Zcad::eNotThatKindOfClass;
  if (length < 1.0) return Zcad::eInvalidInput;
  pl = new ZcDbPolyline();
  unsigned n = 0;
  for (double d = 0.0; d < length; d += 1.0) {
    ZcGePoint3d p;
    if (curve->getPointAtDist(d, p) == Zcad::eOk) pl->addVertexAt(n++, ZcGePoint2d(p.x, p.y));
  }
  ZcGePoint3d end;
  curve->getEndPoint(end);
  pl->addVertexAt(n, ZcGePoint2d(end.x, end.y));
  return 0;
}

}  // namespace

void SetCurvePolylineCopier(CurvePolylineCopier copier) { g_copier = copier; }

int ConvertCurveToPolyline(ZcDbObjectId& polylineId, ZcDbObjectId curveId) {
  if (g_copier) {
    int status = g_copier(curveId, polylineId);
    if (status != Zcad::eNotThatKindOfClass) return status;
  }
  ZcDbCurve* curve = nullptr;
  if (Zcad::ErrorStatus es = zcdbOpenObject(curve, curveId, ZcDb::kForRead)) return es;
  ZcDbPolyline* pl = nullptr;
  int status = DividedPolyline(curve, pl);
  if (pl) pl->setPropertiesFrom(curve);
  curve->close();
  if (status) return status;
  if (ZWDrawer::Add(pl) != 0) {
    delete pl;
    return Zcad::eInvalidDwgVersion;
  }
  polylineId = pl->objectId();
  pl->close();
  return 0;
}
