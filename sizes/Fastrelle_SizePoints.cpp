// The grade-point collections.
#include "sizes/Fastrelle_SizePoints.h"

#include <climits>

#include "db/ZcDbEntity.h"
#include "ed/ErrorStatus.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Folders.h"
#include "framework/Selections.h"
#include "framework/Strings.h"
#include "sizes/Fastrelle_Sizes.h"
#include "win/crt.h"

Fastrelle_SizePoints::Fastrelle_SizePoints() { LoadSymbol(ResolveInstallPath(GetSettingString(L"GradePoint"))); }

std::unique_ptr<Fastrelle_Point_Gradable> Fastrelle_SizePoints::NewPoint(ZcDbObjectId id) {
  return std::make_unique<Fastrelle_SizePoint>(id);
}

void Fastrelle_SizePoints::AddInAllSizes(ZcDbObjectId reference) {
  if (!reference.isValid()) return;
  // The points of the number once, then one per size: the drawing is walked only once.
  Fastrelle_SizePoints_Set place(IntToString(Fastrelle_SizePoint(reference).GetNumber()));
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes()) m_ids.append(place.FindInSize(size.GetName()));
}

void Fastrelle_SizePoints::CollectReferences(const CString& blockName) {
  if (!blockName.IsEmpty()) m_ids.append(GetBlockReferenceIdsByName(blockName));
}

void Fastrelle_SizePoints::LoadOnLayer(const CString& layer) {
  CollectReferences(m_blockName);
  for (int i = m_ids.length() - 1; i >= 0; --i) {
    ZcDbEntity* e = nullptr;
    bool keep = zcdbOpenObject(e, m_ids[i], ZcDb::kForRead) == Zcad::eOk && CString(e->layer()).CompareNoCase(layer) == 0;
    if (e) e->close();
    if (!keep) m_ids.removeAt(i);
  }
}

int Fastrelle_SizePoints::FindNearestIndex(const ZcGePoint3d& position) const {
  int best = -1;
  double bestDistance = 0.0;
  for (int i = 0; i < m_ids.length(); ++i) {
    double d = Fastrelle_Point_Gradable(m_ids[i]).GetPosition().distanceTo(position);
    if (best < 0 || d < bestDistance) best = i, bestDistance = d;
  }
  return best;
}

int NextGradePointNumber() {
  Fastrelle_SizePoints points;
  points.CollectReferences(points.BlockName());
  long long next = 1;
  for (int i = 0; i < points.GetCount(); ++i) {
    int n = points.GetAt(i).GetNumber();
    if (n >= next) next = static_cast<long long>(n) + 1;
  }
  return next > INT_MAX ? 0 : static_cast<int>(next);
}

Fastrelle_SizePoints_Set::Fastrelle_SizePoints_Set(const CString& number) {
  CollectReferences(m_blockName);
  m_number = !number.IsEmpty() && StartsWithNumber(number) ? _wtoi(number) : 0;
  for (int i = m_ids.length() - 1; i >= 0; --i)
    if (GetAt(i).GetNumber() != m_number) m_ids.removeAt(i);
}
