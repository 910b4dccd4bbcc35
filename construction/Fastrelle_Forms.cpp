// The part over all sizes: material, renaming, symbols at a place; grade points in every
// size.
#include "construction/Fastrelle_Forms.h"

#include "construction/Fastrelle_Parts.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"

namespace {
constexpr int kBadName = 3;
constexpr int kNameTaken = 18;

/// True when the group dictionary holds `name` for a group other than `own`.
bool GroupNameTaken(const CString& name, ZcDbObjectId own) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbDictionary* dict = nullptr;
  if (!db || db->getGroupDictionary(dict, ZcDb::kForRead) != Zcad::eOk) return false;
  ZcDbObjectId id;
  bool taken = dict->getAt(name, id) == Zcad::eOk && id != own;
  dict->close();
  return taken;
}
}  // namespace

Fastrelle_Forms::Fastrelle_Forms(const CString& partName) : m_part(partName) { m_sizes.LoadFromLayers(); }

std::vector<CString> Fastrelle_Forms::SizeNames() const {
  std::vector<CString> names;
  for (const Fastrelle_Size& size : m_sizes.Sizes()) names.push_back(size.GetName());
  names.push_back(L"0");
  return names;
}

int Fastrelle_Forms::SetMaterial(const CString& material) {
  for (const Fastrelle_Size& size : m_sizes.Sizes()) {
    Fastrelle_Size_ZW bound(size);
    if ((m_status = bound.OpenLayers())) return m_status;
    if ((m_status = PartSizeGroup(nullptr, m_part, size.GetName()).SetMaterial(material))) return m_status;
  }
  return m_status = PartSizeGroup(nullptr, m_part, L"0").SetMaterial(material);
}

int Fastrelle_Forms::Rename(const CString& name) {
  if (name.Compare(m_part) == 0) return m_status = 0;
  if (name.IsEmpty() || name.Find(L'|') >= 0) return m_status = kBadName;
  if (name.CompareNoCase(m_part) != 0) {
    Fastrelle_Parts parts;
    parts.Load(nullptr);
    for (const Fastrelle_Part& part : parts.Parts())
      if (part.GetName().CompareNoCase(name) == 0) return m_status = kBadName;
  }
  const std::vector<CString> sizes = SizeNames();
  for (const CString& size : sizes) {
    ZcDbObjectId own;
    PartSizeGroup(nullptr, m_part, size).GetGroupId(own);
    if (GroupNameTaken(name + L"|" + size, own)) return m_status = kNameTaken;
  }
  for (const CString& size : sizes) {
    PartSizeGroup group(nullptr, m_part, size);
    ZcDbObjectId id;
    if (group.GetGroupId(id)) continue;
    group.ReplaceInAttributes(m_part, name);
    if ((m_status = group.RenamePart(name))) return m_status;
  }
  m_part = name;
  return m_status = 0;
}

void Fastrelle_Forms::FindBlockReferencesAt(const ZcGePoint3d& point, const CString& blockName, ZcDbObjectIdArray& ids) {
  for (const CString& size : SizeNames())
    m_status = PartSizeGroup(nullptr, m_part, size).FindBlockReferenceAt(point, blockName, ids);
}

int Fastrelle_Forms::GetBlockNamesAt(const ZcGePoint3d& point, CStringArray& names) {
  return m_status = PartSizeGroup(nullptr, m_part, L"0").GetBlockNamesAt(point, names);
}

int AddGradePointInAllSizes(const CString& part, const ZcGePoint3d& point, int number) {
  if (part.IsEmpty()) {
    ZWPrinter().Print(L"\nPunkt konstrukcyjny nie został dodany: część nie ma nazwy.");
    return kBadName;
  }
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes()) PartSizeGroup(nullptr, part, size.GetName()).AddGradePoint(point, number);
  PartSizeGroup(nullptr, part, L"0").AddGradePoint(point, number);
  return 0;
}
