// The part drawer: its record, building it from curves, copying into the sizes, extents.
#include "construction/Fastrelle_Part_Drawer.h"

#include <climits>

#include "construction/Fastrelle_Forms.h"
#include "construction/PartRecords.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbArc.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Printer.h"
#include "framework/UI_Entity.h"
#include "framework/UI_Kolekcja.h"
#include "geometry/UI_Curve.h"
#include "sizes/Fastrelle_Linetype.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
constexpr int kBadInput = 3;
constexpr int kLayerMissing = 374;
const wchar_t* const kDefaultSize = L"0";

void EraseAll(const ZcDbObjectIdArray& ids) {
  for (ZcDbObjectId id : ids) UI_Entity(id).Erase();
}

bool IsCircle(ZcDbObjectId id) {
  return id.objectClass() && id.objectClass()->isDerivedFrom(ZcDbCircle::desc());
}
}  // namespace

Fastrelle_Part_Drawer::Fastrelle_Part_Drawer(const CString& name, ZcDbDatabase* db) : Fastrelle_Part(name), m_db(db) {
  ReadRecord();
}

Fastrelle_Part_Drawer::Fastrelle_Part_Drawer(const CString& name, int type) : Fastrelle_Part(name, type) {
  CString stored = FindPartRecordKey(nullptr, name);
  if (!stored.IsEmpty()) {
    m_name = stored;
    int storedType = 0;
    ReadPartRecord(nullptr, stored, storedType, m_quantity);
  }
  WriteRecord();
}

Fastrelle_Part_Drawer::Fastrelle_Part_Drawer(int gradePointNumber) {
  CString base = GetBaseSizeName();
  PartSizeGroup group;
  if (group.FromGradePoint(gradePointNumber, base.IsEmpty() ? CString(kDefaultSize) : base) != 0) return;
  m_name = group.m_part;
  ReadRecord();
}

Fastrelle_Part_Drawer::Fastrelle_Part_Drawer(ZcDbObjectId id) {
  PartSizeGroup group;
  if (group.FromId(id) != 0) return;
  m_name = group.m_part;
  ReadRecord();
}

int Fastrelle_Part_Drawer::SetType(int type) {
  if (type < 0 || type > 2) {
    ZWPrinter().Print(CString(L"\nNiepoprawny typ części: ") + CString(std::to_wstring(type)));
    return kBadInput;
  }
  m_type = type;
  WriteRecord();
  return 0;
}

void Fastrelle_Part_Drawer::SetQuantity(int quantity) {
  if (quantity < 0 || quantity > 32767) {
    ZWPrinter().Print(CString(L"\nNiepoprawna liczba sztuk: ") + CString(std::to_wstring(quantity)));
    return;
  }
  m_quantity = quantity;
  WriteRecord();
}

bool Fastrelle_Part_Drawer::ReadRecord() { return ReadPartRecord(m_db, m_name, m_type, m_quantity); }

void Fastrelle_Part_Drawer::WriteRecord() {
  if (m_name.IsEmpty()) return;
  if (int es = WritePartRecord(m_db, m_name, m_type, m_quantity)) {
    ZWPrinter().Print(L"\nFastrelle_Part_Drawer::WriteRecord");
    PrintErrorStatus(es);
  }
}

void Fastrelle_Part_Drawer::DeleteRecord() { DeletePartRecords(m_db, m_name); }

int Fastrelle_Part_Drawer::Rename(const CString& name) { return Fastrelle_Forms(m_name).Rename(name); }

CString Fastrelle_Part_Drawer::GetMaterial() const {
  ZcDbObjectIdArray ids;
  PartSizeGroup(m_db, m_name, kDefaultSize).GetIds(ids);
  CString tag = Fastrelle_Settings().GetString(L"MaterialAttribute");
  for (ZcDbObjectId id : ids) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ref->close();
    CString text;
    if (GetAttributeValue(ref, tag, text) == Zcad::eOk && !text.IsEmpty()) return text;
  }
  return CString();
}

int Fastrelle_Part_Drawer::GetExtents(ZcDbExtents& extents) const {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  return GetExtents(extents, sizes);
}

int Fastrelle_Part_Drawer::GetExtents(ZcDbExtents& extents, const Fastrelle_Sizes_ZW& sizes) const {
  std::vector<CString> names;
  for (const Fastrelle_Size& size : sizes.Sizes()) {
    Fastrelle_Size_ZW bound(size);
    if (bound.OpenLayers()) return kLayerMissing;
    names.push_back(size.GetName());
  }
  names.push_back(kDefaultSize);
  return GetGroupsExtents(m_db, m_name, names, extents);
}

int Fastrelle_Part_Drawer::GetGroupsExtents(ZcDbDatabase* db, const CString& name, const std::vector<CString>& sizes,
                                            ZcDbExtents& extents) {
  for (const CString& size : sizes)
    if (int es = PartSizeGroup(db, name, size).GetExtents(extents)) return es;
  return 0;
}

int Fastrelle_Part_Drawer::BuildFromCurves(const ZcDbObjectIdArray& curves) {
  if (m_name.IsEmpty()) return kBadInput;
  if (int es = EnsureSizeLayers(Fastrelle_Size(kDefaultSize, DefaultSizeColor(), false))) return es;
  ZcDbObjectIdArray list;
  for (ZcDbObjectId id : curves) {
    if (PartSizeGroup::IsInPart(id)) continue;
    if (!IsCircle(id)) {
      list.append(id);
      continue;
    }
    ZcDbObjectId copy;
    if (UI_Curve(id).AddCurveToPolyline(copy) == Zcad::eOk) list.append(copy);
  }
  if (list.isEmpty()) return 0;
  PartSizeGroup master(nullptr, m_name, kDefaultSize);
  if (int es = master.PutOnSeamLayer(list)) return es;
  m_ids.append(list);
  UI_Kolekcja entities;
  entities.Ids() = list;
  ZcGePoint3dArray points;
  MergePoints(entities, points);
  int next = NextGradePointNumber();
  if (next == 0 && !points.isEmpty()) ZWPrinter().Print(L"\nBrak wolnego numeru punktu konstrukcyjnego.");
  for (int i = 0; next > 0 && i < points.length(); ++i) {
    ZcDbObjectId point;
    if (i > 0 && next > INT_MAX - i) {
      ZWPrinter().Print(L"\nBrak wolnego numeru punktu konstrukcyjnego.");
      break;
    }
    if (int es = master.AddGradePoint(points[i], next + i, &point)) {
      ZWPrinter().Print(CString(L"\nNie udało się wstawić punktu konstrukcyjnego ") +
                        Fastrelle_Settings().GetString(L"GradePoint"));
      PrintErrorStatus(es);
      break;
    }
    list.append(point);
    m_ids.append(point);
  }
  return AddEntities(list, 0);
}

int Fastrelle_Part_Drawer::AddEntity(ZcDbObjectId id, int kind) {
  ZcDbObjectIdArray one;
  one.append(id);
  return AddEntities(one, kind);
}

int Fastrelle_Part_Drawer::AddEntities(const ZcDbObjectIdArray& ids, int kind) {
  if (m_name.IsEmpty()) {
    ZWPrinter().Print(L"\nElementy nie zostały dodane: część nie ma nazwy.");
    return kBadInput;
  }
  if (kind != 0) {
    PartSizeGroup master(nullptr, m_name, kDefaultSize);
    int es = kind == 1 ? master.PutOnSeamLayer(ids) : kind == 3 ? master.PutOnCutLayer(ids) : master.PutOnTechLayer(ids);
    if (es) return es;
    m_ids.append(ids);
  }
  ZcDbObjectIdArray lists[3];  // seam, cut, tech
  for (ZcDbObjectId id : ids) {
    CString layer = UI_Entity(id).GetLayerName();
    lists[Fastrelle_Linetype::IsCutLayerName(layer) ? 1 : Fastrelle_Linetype::IsTechLayerName(layer) ? 2 : 0].append(id);
  }
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes()) {
    ZcDbObjectIdArray copies;
    if (int es = CopyIntoSize(lists, sizes, size.GetName(), copies)) return es;
    m_ids.append(copies);
  }
  return 0;
}

int Fastrelle_Part_Drawer::CopyIntoSize(const ZcDbObjectIdArray lists[3], const Fastrelle_Sizes_ZW& sizes,
                                        const CString& sizeName, ZcDbObjectIdArray& copies) {
  Fastrelle_Size_ZW size = sizes.Find(sizeName);
  ZcDbObjectIdArray byKind[3];
  for (int k = 0; k < 3; ++k)
    for (ZcDbObjectId id : lists[k]) {
      ZcDbObjectId copy;
      int es = UI_Entity(id).Copy(copy);
      if (es == Zcad::eOk && copy.isNull()) es = Zcad::eNullObjectId;
      if (es) {
        EraseAll(copies);
        copies.setLogicalLength(0);
        return es;
      }
      byKind[k].append(copy);
      copies.append(copy);
    }
  PartSizeGroup group(nullptr, m_name, sizeName);
  int es = group.PutOnLayer(size.Seam(), byKind[0]);
  if (!es) es = group.PutOnLayer(size.Tech(), byKind[2]);
  if (!es) es = group.PutOnLayer(size.Cut(), byKind[1]);
  if (es) {
    EraseAll(copies);
    copies.setLogicalLength(0);
  }
  return es;
}

int Fastrelle_Part_Drawer::CopyMasterIntoEmptySizes() {
  ZcDbObjectIdArray master;
  if (PartSizeGroup(nullptr, m_name, kDefaultSize).GetIds(master) || master.isEmpty()) return 0;
  ZcDbObjectIdArray lists[3];
  for (ZcDbObjectId id : master) {
    CString layer = UI_Entity(id).GetLayerName();
    lists[Fastrelle_Linetype::IsCutLayerName(layer) ? 1 : Fastrelle_Linetype::IsTechLayerName(layer) ? 2 : 0].append(id);
  }
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  int first = 0;
  for (const Fastrelle_Size& size : sizes.Sizes()) {
    ZcDbObjectIdArray members;
    PartSizeGroup(nullptr, m_name, size.GetName()).GetIds(members);
    if (!members.isEmpty()) continue;
    ZcDbObjectIdArray copies;
    int es = CopyIntoSize(lists, sizes, size.GetName(), copies);
    if (es && !first) first = es;
    m_ids.append(copies);
  }
  return first;
}
