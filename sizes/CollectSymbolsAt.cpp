// CollectSymbolsAt and the registration of the part lookup it needs.
#include "sizes/CollectSymbolsAt.h"

#include <map>

#include "db/ZcDbBlockReference.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"

namespace {
/// Symbols further from the pick than this are not the picked place.
constexpr double kPickReach = 5.0;

PartMasterFinder& Finder() {
  static PartMasterFinder finder = nullptr;
  return finder;
}
}  // namespace

void SetPartMasterFinder(PartMasterFinder finder) { Finder() = finder; }

int CollectSymbolsAt(const ZcGePoint3d& pick, std::vector<std::unique_ptr<Fastrelle_Points_Gradable>>& collections) {
  ZcDbObjectIdArray master;
  if (!Finder() || !Finder()(pick, master)) return Zcad::eWrongObjectType;
  // Block name (case aside) -> the nearest reference of it and its distance.
  std::map<std::wstring, std::pair<ZcDbObjectId, double>> nearest;
  std::vector<std::wstring> order;
  for (ZcDbObjectId id : master) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ref->close();
    const double d = ref->position().distanceTo(pick);
    if (d > kPickReach) continue;
    CString key = GetBlockReferenceName(ref);
    key.MakeUpper();
    auto found = nearest.find(key.str());
    if (found == nearest.end()) {
      nearest[key.str()] = {id, d};
      order.push_back(key.str());
    } else if (d < found->second.second) {
      found->second = {id, d};
    }
  }
  if (order.empty()) return Zcad::eWrongObjectType;
  for (const std::wstring& key : order)
    if (std::unique_ptr<Fastrelle_Points_Gradable> points = PointsFromReference(nearest[key].first))
      collections.push_back(std::move(points));
  return Zcad::eOk;
}
