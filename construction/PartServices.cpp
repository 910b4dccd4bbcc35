// The parts model's services to the sizes code.
#include "construction/PartServices.h"

#include "construction/Fastrelle_Curve.h"
#include "construction/Fastrelle_Forms.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/GradePointDrag.h"
#include "construction/PartRecords.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbBlockReference.h"
#include "ed/ErrorStatus.h"
#include "db/ZcDbCurve.h"
#include "sizes/AddGradePoint_cmd.h"
#include "sizes/CollectSymbolsAt.h"
#include "sizes/CurveFinders.h"
#include "sizes/Fastrelle_Points_Gradable.h"
#include "sizes/PartGroupsLink.h"
#include "sizes/RebuildPartsInAllSizes.h"

namespace {

int RebuildParts() {
  int first = 0;
  for (const CString& name : PartRecordNames(nullptr)) {
    int es = Fastrelle_Part_Drawer(name, nullptr).CopyMasterIntoEmptySizes();
    if (es && !first) first = es;
  }
  return first;
}

void GatherSymbols(ZcDbObjectId reference, const CString& blockName, ZcDbObjectIdArray& ids) {
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, reference, ZcDb::kForRead) != Zcad::eOk) return;
  ZcGePoint3d position = ref->position();
  ref->close();
  Fastrelle_Part_Drawer part(reference);
  if (part.GetName().IsEmpty() || part.GetQuantity() <= 0) return;
  Fastrelle_Forms(part.GetName()).FindBlockReferencesAt(position, blockName, ids);
}

bool FindMaster(const ZcGePoint3d& point, ZcDbObjectIdArray& ids) {
  Fastrelle_Part part;
  if (!FindPartAtPoint(point, part)) return false;
  PartSizeGroup(nullptr, part.GetName(), L"0").GetIds(ids);
  return true;
}

int AddToPartAt(const ZcGePoint3d& point, ZcDbObjectId entity, ZcDbObjectIdArray& ids) {
  Fastrelle_Part found;
  if (!FindPartAtPoint(point, found)) return Zcad::eWrongObjectType;
  Fastrelle_Part_Drawer part(found.GetName(), nullptr);
  int es = part.AddEntity(entity, 2);
  ids.append(part.Ids());
  return es;
}

int CurveEndNumbers(ZcDbObjectId id, int& start, int& end) { return Fastrelle_Curve(id).GetEndPointNumbers(start, end); }

ZcDbObjectId SeamBetween(const CString& size, int a, int b) {
  Fastrelle_Curve curve;
  return curve.FindSeamBetweenPoints(size, a, b) == 0 ? curve.Id() : ZcDbObjectId();
}

/// The parts model as the size tools see it.
class PartGroupsOfParts : public PartGroupsLink {
public:
  std::vector<CString> PartNames() override { return PartRecordNames(nullptr); }
  bool PartOf(ZcDbObjectId entity, CString& part, int& quantity) override {
    Fastrelle_Part_Drawer found(entity);
    if (found.GetName().IsEmpty()) return false;
    part = found.GetName();
    quantity = found.GetQuantity();
    return true;
  }
  int GroupIds(const CString& part, const CString& size, ZcDbObjectIdArray& ids) override {
    return PartSizeGroup(nullptr, part, size).GetIds(ids);
  }
  int SplitByLineKind(const CString& part, const CString& size, ZcDbObjectIdArray& seam, ZcDbObjectIdArray& cut,
                      ZcDbObjectIdArray& tech) override {
    return PartSizeGroup(nullptr, part, size).SplitByLineKind(seam, cut, tech);
  }
  int PutOnLayer(const CString& part, const CString& size, int kind, const ZcDbObjectIdArray& ids) override {
    PartSizeGroup group(nullptr, part, size);
    return kind == 1 ? group.PutOnSeamLayer(ids) : kind == 3 ? group.PutOnCutLayer(ids) : group.PutOnTechLayer(ids);
  }
  int RenameSizeOfGroup(const CString& part, const CString& from, const CString& to) override {
    return PartSizeGroup(nullptr, part, from).SetSizeName(to);
  }
  int EraseGroup(const CString& part, const CString& size) override { return PartSizeGroup(nullptr, part, size).Erase(); }
  int AddGradePointInAllSizes(const CString& part, const ZcGePoint3d& point, int number) override {
    return ::AddGradePointInAllSizes(part, point, number);
  }
  int SplitCurvesAtPoint(const CString& part, const CString& size, const ZcGePoint3d& point) override {
    return PartSizeGroup(nullptr, part, size).SplitCurvesAtPoint(point);
  }
};

PartGroupsOfParts& TheLink() {
  static PartGroupsOfParts link;
  return link;
}

}  // namespace

void RegisterPartServices() {
  SetPartGroupsLink(&TheLink());
  SetRebuildPartsFunction(&RebuildParts);
  SetPartSymbolGatherer(&GatherSymbols);
  SetPartMasterFinder(&FindMaster);
  SetPartEntityAdder(&AddToPartAt);
  SetGradePointDrag(&DragGradePoint);
  SetCurveFinders(&CurveEndNumbers, &SeamBetween);
}

void UnregisterPartServices() {
  SetPartGroupsLink(nullptr);
  SetRebuildPartsFunction(nullptr);
  SetPartSymbolGatherer(nullptr);
  SetPartMasterFinder(nullptr);
  SetPartEntityAdder(nullptr);
  SetGradePointDrag(nullptr);
  SetCurveFinders(nullptr, nullptr);
}
