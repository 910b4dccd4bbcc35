// The part-in-size group: naming, membership, layers of the line kinds, extents, renaming,
// attributes, curve splitting and erasing.
#include "construction/PartSizeGroup.h"

#include <cwctype>
#include <unordered_set>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/NameValueList.h"
#include "framework/Printer.h"
#include "framework/UI_Entity.h"
#include "framework/UI_Group.h"
#include "framework/UI_Kolekcja.h"
#include "geometry/UI_Curve.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
constexpr int kNoGroup = 20;
constexpr int kNotCreated = 261;
constexpr int kNoSplit = 338;
constexpr int kEmpty = 374;
constexpr int kInvalidId = 600;
constexpr double kOnPoint = 1e-7;
constexpr double kMergeDistance = 0.1;
constexpr double kNameReach = 5.0;
/// Up to this many ids join a group without a set of its members.
constexpr int kFewIds = 8;

struct IdHash {
  std::size_t operator()(ZcDbObjectId id) const { return (std::size_t(id.databaseSerial()) << 32) ^ id.slot(); }
};

ZcDbDatabase* Resolve(ZcDbDatabase* db) { return db ? db : zcdbHostApplicationServices()->workingDatabase(); }

bool IsWordChar(wchar_t c) { return std::iswalnum(static_cast<wint_t>(c)) != 0; }

/// `text` with each whole-word `from` replaced by `to`.
CString ReplaceWholeWords(const CString& text, const CString& from, const CString& to) {
  const std::wstring& s = text.str();
  const std::wstring& f = from.str();
  std::wstring out;
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t hit = s.find(f, pos);
    if (hit == std::wstring::npos) break;
    bool before = hit == 0 || !IsWordChar(s[hit - 1]);
    bool after = hit + f.size() >= s.size() || !IsWordChar(s[hit + f.size()]);
    if (before && after) {
      out += s.substr(pos, hit - pos) + to.str();
      pos = hit + f.size();
    } else {
      out += s.substr(pos, hit + 1 - pos);
      pos = hit + 1;
    }
  }
  out += s.substr(pos);
  return CString(out);
}

/// The block references among the ids, each read and closed again, with its id.
template <class F>
void ForEachReference(const ZcDbObjectIdArray& ids, F visit) {
  for (ZcDbObjectId id : ids) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ref->close();
    visit(id, ref);
  }
}
}  // namespace

bool PartSizeGroup::SplitGroupName(const CString& name, CString& part, CString& size) {
  int pos = 0;
  CString first = name.Tokenize(L"|", pos);
  CString second = pos >= 0 ? name.Tokenize(L"|", pos) : CString();
  if (first.IsEmpty() || second.IsEmpty()) return false;
  part = first;
  size = second;
  return true;
}

int PartSizeGroup::FromGradePoint(int number, const CString& size) {
  m_size = size;
  return FromId(Fastrelle_SizePoint(number, size).Id());
}

int PartSizeGroup::FromId(ZcDbObjectId id) {
  if (!id.isValid()) return kInvalidId;
  ZcDbObject* object = nullptr;
  if (int es = zcdbOpenObject(object, id, ZcDb::kForRead)) return es;
  object->close();
  UI_Group group;
  if (!group.SetFromEntity(object)) return kNoGroup;
  return SplitGroupName(group.GetName(), m_part, m_size) ? 0 : kNoSplit;
}

bool PartSizeGroup::IsInPart(ZcDbObjectId id) {
  PartSizeGroup probe;
  return probe.FromId(id) == 0;
}

int PartSizeGroup::GetGroupId(ZcDbObjectId& id) const {
  if (m_part.IsEmpty() || m_size.IsEmpty()) return kNoSplit;
  ZcDbDatabase* db = Resolve(m_db);
  if (!db) return Zcad::eNoDatabase;
  ZcDbDictionary* dict = nullptr;
  if (int es = db->getGroupDictionary(dict, ZcDb::kForRead)) return es;
  Zcad::ErrorStatus es = dict->getAt(GroupName(), id);
  dict->close();
  return es == Zcad::eOk ? 0 : kNoGroup;
}

int PartSizeGroup::GetIds(ZcDbObjectIdArray& ids) const {
  ZcDbObjectId id;
  if (int es = GetGroupId(id)) return es;
  ZcDbGroup* group = nullptr;
  if (int es = zcdbOpenObject(group, id, ZcDb::kForRead)) return es;
  ZcDbObjectIdArray members;
  group->allEntityIds(members);
  group->close();
  ids.append(members);
  return 0;
}

int PartSizeGroup::AddToGroup(const ZcDbObjectIdArray& ids) {
  if (m_part.IsEmpty() || m_size.IsEmpty()) return kNoSplit;
  ZcDbObjectId id;
  if (GetGroupId(id) == kNoGroup) {
    ZcDbDatabase* db = Resolve(m_db);
    ZcDbDictionary* dict = nullptr;
    if (!db || db->getGroupDictionary(dict, ZcDb::kForWrite) != Zcad::eOk) return kNotCreated;
    auto* made = new ZcDbGroup(GroupName(), true);
    Zcad::ErrorStatus es = dict->setAt(GroupName(), made, id);
    dict->close();
    if (es != Zcad::eOk) {
      delete made;
      return kNotCreated;
    }
    made->close();
  }
  ZcDbGroup* group = nullptr;
  if (zcdbOpenObject(group, id, ZcDb::kForWrite) != Zcad::eOk) return kNotCreated;
  // The group refuses an id it holds already. A few new ids are looked for among the members
  // by the group itself; many are looked up in a set, so that a group of thousands takes
  // thousands of new ids in linear time.
  if (ids.length() <= kFewIds) {
    for (ZcDbObjectId member : ids)
      if (member.isValid()) group->append(member);
    group->close();
    return 0;
  }
  ZcDbObjectIdArray members;
  group->allEntityIds(members);
  std::unordered_set<ZcDbObjectId, IdHash> held(members.begin(), members.end());
  for (ZcDbObjectId member : ids)
    if (member.isValid() && held.insert(member).second) group->append(member);
  group->close();
  return 0;
}

int PartSizeGroup::AddEntity(ZcDbObjectId id) {
  if (!id.isValid()) return kInvalidId;
  ZcDbObjectIdArray one;
  one.append(id);
  if (int es = AddToGroup(one)) return es;
  UI_Entity(id).SetColorIndex(256);
  return 0;
}

int PartSizeGroup::AddGradePoint(const ZcGePoint3d& point, int number, ZcDbObjectId* newId) {
  Fastrelle_SizePoint grade;
  if (int es = grade.Insert(point, m_size)) return es;
  grade.SetNumber(number);
  if (newId) *newId = grade.Id();
  return AddEntity(grade.Id());
}

int PartSizeGroup::PutOnSeamLayer(const ZcDbObjectIdArray& ids) { return PutOnKind(1, ids); }
int PartSizeGroup::PutOnCutLayer(const ZcDbObjectIdArray& ids) { return PutOnKind(3, ids); }
int PartSizeGroup::PutOnTechLayer(const ZcDbObjectIdArray& ids) { return PutOnKind(2, ids); }
int PartSizeGroup::PutOnTechLayer(ZcDbObjectId id) {
  ZcDbObjectIdArray one;
  one.append(id);
  return PutOnKind(2, one);
}

int PartSizeGroup::PutOnKind(int kind, const ZcDbObjectIdArray& ids) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  Fastrelle_Size_ZW size = sizes.Find(m_size);
  Fastrelle_Linetype& line = kind == 1 ? size.Seam() : kind == 3 ? size.Cut() : static_cast<Fastrelle_Linetype&>(size.Tech());
  return PutOnLayer(line, ids);
}

int PartSizeGroup::PutOnLayer(const Fastrelle_Linetype& kind, const ZcDbObjectIdArray& ids) {
  const CString layer = kind.GetLayerName();
  UI_Kolekcja none;  // makes the layer when missing
  if (int es = none.SetLayer(layer)) return es;
  const ZcDbObjectId linetype = kind.GetLinetypeId();
  const double scale = kind.GetScale() > 1e-7 ? kind.GetScale() : 1.0;
  int first = 0;
  // One write open per entity for its layer, linetype and scale.
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite) != Zcad::eOk) continue;
    int es = e->setLayer(layer);
    if (!es && linetype.isValid()) es = e->setLinetype(linetype);
    if (!es) es = e->setLinetypeScale(scale);
    e->close();
    if (es && !first) first = es;
  }
  if (first) return first;
  return AddToGroup(ids);
}

int PartSizeGroup::SplitByLineKind(ZcDbObjectIdArray& seam, ZcDbObjectIdArray& cut, ZcDbObjectIdArray& tech) const {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  Fastrelle_Size_ZW size = sizes.Find(m_size);
  CString seamName = size.Seam().GetLayerName(), cutName = size.Cut().GetLayerName();
  CString techName = size.Tech().GetLayerName();
  ZcDbObjectIdArray members;
  GetIds(members);
  for (ZcDbObjectId id : members) {
    CString layer = UI_Entity(id).GetLayerName();
    if (layer.IsEmpty()) continue;
    if (layer.Compare(seamName) == 0) seam.append(id);
    else if (layer.Compare(cutName) == 0) cut.append(id);
    else if (layer.Compare(techName) == 0) tech.append(id);
  }
  return 0;
}

int PartSizeGroup::GetExtents(ZcDbExtents& extents) const {
  ZcDbObjectIdArray members;
  if (int es = GetIds(members)) return es;
  if (members.isEmpty()) return kEmpty;
  ZcDbExtents own;
  for (ZcDbObjectId id : members) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbExtents box;
    if (e->getGeomExtents(box) == Zcad::eOk) own.addExt(box);
    e->close();
  }
  if (!own.isEmpty()) {
    extents.addPoint(own.minPoint());
    extents.addPoint(own.maxPoint());
  }
  return 0;
}

int PartSizeGroup::Erase() {
  ZcDbObjectId groupId;
  if (int es = GetGroupId(groupId)) return es == kNoSplit ? kNoGroup : es;
  ZcDbObjectIdArray members;
  GetIds(members);
  for (ZcDbObjectId id : members) {
    ZcDbEntity* e = nullptr;
    int es = zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite);
    if (es != Zcad::eOk) {
      ZWPrinter().Print(L"\nPartSizeGroup::Erase");
      PrintErrorStatus(es);
      continue;
    }
    e->erase();
    e->close();
  }
  ZcDbDatabase* db = Resolve(m_db);
  ZcDbDictionary* dict = nullptr;
  if (db->getGroupDictionary(dict, ZcDb::kForWrite) == Zcad::eOk) {
    dict->remove(groupId);
    dict->close();
  }
  ZcDbGroup* group = nullptr;
  if (zcdbOpenObject(group, groupId, ZcDb::kForWrite) == Zcad::eOk) {
    group->clear();
    group->erase();
    group->close();
  }
  return 0;
}

int PartSizeGroup::Rename(const CString& part, const CString& size) {
  if (part.IsEmpty() || size.IsEmpty() || part.Find(L'|') >= 0 || size.Find(L'|') >= 0) return kNoSplit;
  ZcDbObjectId id;
  int found = GetGroupId(id);
  CString name = part + L"|" + size;
  if (found == 0) {
    ZcDbGroup* group = nullptr;
    if (int es = zcdbOpenObject(group, id, ZcDb::kForWrite)) return es;
    int es = group->setName(name);
    group->close();
    if (es != Zcad::eOk) return es;
  }
  m_part = part;
  m_size = size;
  return found == 0 ? 0 : kNoGroup;
}

int PartSizeGroup::RenamePart(const CString& name) { return Rename(name, m_size); }
int PartSizeGroup::SetSizeName(const CString& name) { return Rename(m_part, name); }

int PartSizeGroup::ReplaceInAttributes(const CString& from, const CString& to) {
  if (from.IsEmpty()) return 0;
  ZcDbObjectIdArray members;
  GetIds(members);
  CString gradePoint = GradePointBlockName();
  ForEachReference(members, [&](ZcDbObjectId, ZcDbBlockReference* ref) {
    if (GetBlockReferenceName(ref).CompareNoCase(gradePoint) == 0) return;
    NameValueList values;
    GetAttributeValues(ref, values);
    for (const NameValue& pair : values) {
      CString text = ReplaceWholeWords(pair.value, from, to);
      if (text.Compare(pair.value) != 0) SetAttributeValue(ref, pair.name, text);
    }
  });
  return 0;
}

int PartSizeGroup::SetMaterial(const CString& material) {
  ZcDbObjectIdArray members;
  GetIds(members);
  CString tag = Fastrelle_Settings().GetString(L"MaterialAttribute");
  ForEachReference(members, [&](ZcDbObjectId, ZcDbBlockReference* ref) {
    NameValueList values;
    GetAttributeValues(ref, values);
    for (const NameValue& pair : values)
      if (pair.name.CompareNoCase(tag) == 0) {
        SetAttributeValue(ref, pair.name, material);
        break;
      }
  });
  return 0;
}

int PartSizeGroup::FindBlockReferenceAt(const ZcGePoint3d& point, const CString& blockName, ZcDbObjectIdArray& ids) const {
  ZcDbObjectIdArray members;
  GetIds(members);
  if (members.isEmpty()) return kEmpty;
  ZcDbObjectId best;
  double bestDistance = 0.0;
  ForEachReference(members, [&](ZcDbObjectId id, ZcDbBlockReference* ref) {
    if (GetBlockReferenceName(ref).CompareNoCase(blockName) != 0) return;
    double d = ref->position().distanceTo(point);
    if (best.isNull() || d < bestDistance) best = id, bestDistance = d;
  });
  if (best.isNull()) return kInvalidId;
  ids.append(best);
  return 0;
}

int PartSizeGroup::GetBlockNamesAt(const ZcGePoint3d& point, CStringArray& names) const {
  ZcDbObjectIdArray members;
  GetIds(members);
  if (members.isEmpty()) return kEmpty;
  double best = -1.0;
  ForEachReference(members, [&](ZcDbObjectId, ZcDbBlockReference* ref) {
    double d = ref->position().distanceTo(point);
    CString name = GetBlockReferenceName(ref);
    if (best < 0.0 || d < best - kNameReach) {
      names.RemoveAll();
      names.Add(name);
      best = d;
      return;
    }
    if (d > best + kNameReach) return;
    if (d < best) best = d;
    for (int i = 0; i < names.GetSize(); ++i)
      if (names[i].CompareNoCase(name) == 0) return;
    names.Add(name);
  });
  return 0;
}

int PartSizeGroup::SplitCurvesAtPoint(const ZcGePoint3d& point) {
  ZcDbObjectIdArray members;
  if (int es = GetIds(members)) return es == kNoSplit ? kNoGroup : es;
  ZcDbObjectIdArray pieces;
  for (ZcDbObjectId id : members) {
    UI_Curve curve;
    if (!curve.Attach(id) || !curve.Curve()) continue;
    ZcGePoint3d closest;
    if (curve.GetClosestPoint(point, closest) == Zcad::eOk && closest.distanceTo(point) > kOnPoint) continue;
    ZcDbObjectIdArray split;
    curve.SplitAtPoint(point, split);
    CString layer = UI_Entity(id).GetLayerName();
    for (ZcDbObjectId piece : split) UI_Entity(piece).setLayer(layer);
    pieces.append(split);
    if (split.length() >= 2) curve.Erase();
  }
  return AddToGroup(pieces);
}

int MergePoints(UI_Kolekcja& collection, ZcGePoint3dArray& points) {
  ZcGePoint3dArray all;
  if (int es = collection.GetPoints(all)) return es;
  ZcGePoint3dArray kept;
  for (const ZcGePoint3d& p : all) {
    bool apart = true;
    for (const ZcGePoint3d& q : kept)
      if (p.distanceTo(q) < kMergeDistance) {
        apart = false;
        break;
      }
    if (apart) kept.append(p);
  }
  points.append(kept);
  return 0;
}
