// Running one host selection and reading its set into ids.
#include "framework/SSGet.h"

#include "ed/zced.h"
#include "framework/Guards.h"
#include "framework/ZWVariable.h"

SSGet::~SSGet() {
  if (m_pickStyleSaved) SetVariableInt(L"PICKSTYLE", m_savedPickStyle);
}

const wchar_t* SSGet::Mode() const {
  switch (m_type) {
    case kSelectAll: return L"X";
    case kSelectPickFirst: return L"I";
    case kSelectCrossing: return L"C";
    case kSelectSingle: return L":S";
    case kSelectLast: return L"L";
    case kSelectWindow: return L"W";
    default: return nullptr;
  }
}

void SSGet::SavePickStyle() {
  int value = 0;
  if (!m_pickStyleSaved && ZWVariable(L"PICKSTYLE").GetShort(value)) {
    m_savedPickStyle = static_cast<short>(value);
    m_pickStyleSaved = true;
  }
  SetVariableInt(L"PICKSTYLE", 0);
}

int SSGet::Select() {
  ads_point c1 = {0, 0, 0}, c2 = {0, 0, 0};
  if (m_corner1) c1[0] = m_corner1->x, c1[1] = m_corner1->y, c1[2] = m_corner1->z;
  if (m_corner2) c2[0] = m_corner2->x, c2[1] = m_corner2->y, c2[2] = m_corner2->z;
  ads_name set;
  int result = zcedSSGet(Mode(), m_corner1 ? c1 : nullptr, m_corner2 ? c2 : nullptr, m_filter, set);
  if (result == RTCAN) return 180;
  if (result != RTNORM) return 0;
  ReadSet(set);
  zcedSSFree(set);
  return 0;
}

int SSGet::SelectBetweenPoints(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2) {
  ZW_View view;
  if (!view.IsInside(corner1) || !view.IsInside(corner2)) view.ZoomTo(corner1, corner2);
  SetCorners(&corner1, &corner2);
  Select();
  SetCorners(nullptr, nullptr);
  return 0;
}

int SSGet::ReadSet(const ads_name set) {
  std::int32_t length = 0;
  zcedSSLength(set, &length);
  for (std::int32_t i = 0; i < length; ++i) {
    ads_name name;
    ZcDbObjectId id;
    if (zcedSSName(set, i, name) == RTNORM && zcdbGetObjectId(id, name) == Zcad::eOk) m_ids.append(id);
  }
  resbuf* info = nullptr;
  if (zcedSSNameX(&info, set, 0) != RTNORM) return 3;
  for (const resbuf* rb = info; rb; rb = rb->rbnext)
    if (rb->restype == RT3DPOINT) {
      m_pickPoint.set(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
      break;
    }
  zcutRelRb(info);
  return 0;
}
