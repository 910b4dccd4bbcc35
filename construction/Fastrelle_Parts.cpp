// Listing the parts of a drawing and finding the part at a point.
#include "construction/Fastrelle_Parts.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartRecords.h"
#include "sizes/Fastrelle_Sizes.h"

void Fastrelle_Parts::Load(ZcDbDatabase* db) {
  m_db = db;
  for (const CString& name : PartRecordNames(db)) {
    Fastrelle_Part_Drawer part(name, db);
    m_parts.push_back(Fastrelle_Part(part.GetName(), part.GetType(), part.GetQuantity()));
  }
}

bool Fastrelle_Parts::FindAt(const ZcGePoint3d& point, Fastrelle_Part& part) const {
  // A size missing a layer fails every part's extents: the layers are checked once.
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  std::vector<CString> names;
  for (const Fastrelle_Size& size : sizes.Sizes()) {
    if (Fastrelle_Size_ZW(size).OpenLayers()) return false;
    names.push_back(size.GetName());
  }
  names.push_back(L"0");
  const Fastrelle_Part* found = nullptr;
  for (const Fastrelle_Part& candidate : m_parts) {
    ZcDbExtents extents;
    if (Fastrelle_Part_Drawer::GetGroupsExtents(m_db, candidate.GetName(), names, extents) != 0 || extents.isEmpty())
      continue;
    const ZcGePoint3d lo = extents.minPoint(), hi = extents.maxPoint();
    if (point.x >= lo.x && point.x <= hi.x && point.y >= lo.y && point.y <= hi.y) found = &candidate;
  }
  if (!found) return false;
  part = *found;
  return true;
}

void Fastrelle_Parts::FilterByMaterial(const CString& material, std::vector<Fastrelle_Part>& out) const {
  for (const Fastrelle_Part& part : m_parts)
    if (material.IsEmpty() || Fastrelle_Part_Drawer(part.GetName(), m_db).GetMaterial().CompareNoCase(material) == 0)
      out.push_back(part);
}

bool FindPartAtPoint(const ZcGePoint3d& point, Fastrelle_Part& part) {
  Fastrelle_Parts parts;
  parts.Load(nullptr);
  return parts.FindAt(point, part);
}
