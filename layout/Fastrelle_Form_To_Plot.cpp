// Building piece blocks out of model drawings, and reading a placed piece back.
//
// BuildBlock, in order:
//  1. the model drawing is read as a side database (closed again by its scope on every
//     path);
//  2. the part-in-size group "<part>|<size>" gives the entities (22 when it is missing);
//  3. they are filtered: grade points and part descriptions stay behind, layers by the
//     line choice;
//  4. the block record named by the piece key is made in the open drawing;
//  5. the entities are copied into it; from here on any failure erases the record, so no
//     half-built block is ever found again by the key;
//  6. the record is tagged "Form", "model=<path>" and "material=<material>";
//  7. NormalizeSite, NormalizeToThread, NormalizeBBox; FillForm (its failure keeps the
//     block);
//  8. "_REGEN".
#include "layout/Fastrelle_Form_To_Plot.h"

#include <cmath>

#include "construction/Fastrelle_Part_Drawer.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLeader.h"
#include "framework/Extents.h"
#include "framework/Plot_Settings.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/SideDatabase.h"
#include "framework/Tagged.h"
#include "framework/UI_Block.h"
#include "framework/UI_DwgBlock.h"
#include "geometry/RegionByEntities.h"
#include "layout/LayoutDrawing.h"
#include "layout/PieceKey.h"
#include "sizes/Fastrelle_Linetype.h"

namespace {

constexpr const wchar_t* kModelTag = L"model=";
constexpr double kPi = 3.141592653589793;

/// Paths compared as the file system of the host compares them: case aside, "\" and "/"
/// alike.
bool SamePath(CString a, CString b) {
  a.Replace(L'\\', L'/');
  b.Replace(L'\\', L'/');
  return a.CompareNoCase(b) == 0;
}

bool IsCut(const CString& layer) { return Fastrelle_Linetype::IsCutLayerName(layer); }
bool IsTech(const CString& layer) { return Fastrelle_Linetype::IsTechLayerName(layer); }
bool IsSeam(const CString& layer) { return !IsCut(layer) && !IsTech(layer) && Fastrelle_Linetype::IsSeamLayerName(layer); }

/// Whether an entity on `layer` is copied for the line choice: extra elements always; cut
/// lines for 0, seam lines for 1, every layer for 2 (or a choice outside 0-1).
bool LayerSuits(const CString& layer, int lines) {
  if (IsTech(layer)) return true;
  if (lines == 0) return IsCut(layer);
  if (lines == 1) return IsSeam(layer);
  return true;
}

/// Whether the layer holds boundary curves of the region for the line choice.
bool IsBoundaryLayer(const CString& layer, int lines) { return lines == 1 ? IsSeam(layer) : IsCut(layer); }

/// The entities of the group that are copied into the piece, in group order.
void FilterPartEntities(const ZcDbObjectIdArray& ids, int lines, ZcDbObjectIdArray& out) {
  CString gradePoint = UI_DwgBlock::FileTitle(GetPlotSettingString(L"GradePoint"));
  CString description = UI_DwgBlock::FileTitle(GetPlotSettingString(L"PartDescriptionDefaultName"));
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* entity = nullptr;
    if (zcdbOpenObject(entity, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool keep = LayerSuits(CString(entity->layer()), lines);
    if (keep) {
      if (auto* ref = dynamic_cast<ZcDbBlockReference*>(entity)) {
        ZcDbBlockTableRecord* block = nullptr;
        if (zcdbOpenObject(block, ref->blockTableRecord(), ZcDb::kForRead) == Zcad::eOk) {
          CString name(block->name());
          block->close();
          if ((!gradePoint.IsEmpty() && name.CompareNoCase(gradePoint) == 0) ||
              (!description.IsEmpty() && name.CompareNoCase(description) == 0))
            keep = false;
        }
      }
    }
    entity->close();
    if (keep) out.append(id);
  }
}

/// The members of the group `name` of `db`: the dictionary lookup's status (22 when the
/// name is missing), 20 when the entry is no group, 600 when it has no members.
int GroupMembers(ZcDbDatabase* db, const CString& name, ZcDbObjectIdArray& ids) {
  ZcDbDictionary* groups = nullptr;
  int es = db->getGroupDictionary(groups, ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  ZcDbObjectId groupId;
  es = groups->getAt(name, groupId);
  groups->close();
  if (es != Zcad::eOk) return es;
  ZcDbGroup* group = nullptr;
  if (zcdbOpenObject(group, groupId, ZcDb::kForRead) != Zcad::eOk) return Zcad::eIllegalEntityType;
  group->allEntityIds(ids);
  group->close();
  return ids.isEmpty() ? Zcad::eNullIterator : Zcad::eOk;
}

/// Applies the matrix to each entity in order: the first failure.
int TransformAll(const ZcDbObjectIdArray& ids, const ZcGeMatrix3d& m) {
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* entity = nullptr;
    int es = zcdbOpenObject(entity, id, ZcDb::kForWrite);
    if (es != Zcad::eOk) return es;
    es = entity->transformBy(m);
    entity->close();
    if (es != Zcad::eOk) return es;
  }
  return Zcad::eOk;
}

ZcGePoint3d Centre(const ZcDbExtents& box) {
  ZcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
  return ZcGePoint3d((lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2);
}

/// Erases a half-built piece block with its entities.
void EraseBlock(ZcDbObjectId id) {
  ZcDbBlockTableRecord* block = nullptr;
  if (zcdbOpenObject(block, id, ZcDb::kForWrite) != Zcad::eOk) return;
  block->eraseBlock();
  block->close();
}

void PrintFailure(const CString& what, int status) {
  ZWPrinter().Print(what);
  PrintErrorStatus(status);
}

}  // namespace

Fastrelle_Form_To_Plot::Fastrelle_Form_To_Plot(double rotation) : m_rotation(rotation) {}

Fastrelle_Form_To_Plot::Fastrelle_Form_To_Plot(ZcDbObjectId reference) {
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, reference, ZcDb::kForRead) != Zcad::eOk) {
    m_status = Zcad::eNullIterator;
    return;
  }
  m_blockId = ref->blockTableRecord();
  m_rotation = ref->rotation() * 180.0 / kPi;
  ref->close();
  ZcDbBlockTableRecord* block = nullptr;
  if (zcdbOpenObject(block, m_blockId, ZcDb::kForRead) != Zcad::eOk) return;
  CString key(block->name());
  block->close();
  CString part;
  ParsePieceKey(key, m_modelPath, part, m_sizeName, m_side, m_lines);
}

CString Fastrelle_Form_To_Plot::GetBlockName() const {
  return MakePieceKey(m_modelPath, m_partName, m_sizeName, m_side, m_lines);
}

int Fastrelle_Form_To_Plot::LoadPart(const CString& partName) {
  if (partName.IsEmpty()) {
    ZWPrinter().Print(L"Fastrelle_Form_To_Plot::LoadPart");
    ZWPrinter().Print(L" Part name is empty");
    return Zcad::eInvalidInput;
  }
  m_partName = partName;
  if (ModelFileTitle(m_modelPath).Find(L'|') >= 0) {
    ZWPrinter().Print(CString(L"\nFastrelle_Form_To_Plot::LoadPart: the model file name may not hold \"|\": ") +
                      m_modelPath);
    return Zcad::eInvalidInput;
  }
  int es = FindBlock();
  if (es != Zcad::eUndefinedBlock) return es;
  es = BuildBlock();
  if (es == Zcad::eKeyNotFound) ZWAlert().ShowMessage(LoadResString(43209));
  return es;
}

int Fastrelle_Form_To_Plot::FindBlock() {
  UI_Block block(GetBlockName(), false);
  if (!block.Record()) return Zcad::eUndefinedBlock;
  ZcDbObjectId id = block.Record()->objectId();
  CStringArray tags;
  Tagged(id, kLayoutApplication).FindTags(kModelTag, tags);
  CString other;  // the model of the block when it is not ours
  for (int i = 0; i < tags.GetSize(); ++i) {
    if (tags[i].Left(6) != kModelTag) continue;
    if (SamePath(tags[i].Mid(6), m_modelPath)) {
      other.Empty();
      break;
    }
    if (other.IsEmpty()) other = tags[i].Mid(6);
  }
  if (!other.IsEmpty()) {
    ZWPrinter().Print(CString(L"\nFastrelle_Form_To_Plot::FindBlock: the piece ") + GetBlockName() +
                      L" was built from another model: " + other + L", not " + m_modelPath);
    return Zcad::eDuplicateRecordName;
  }
  m_blockId = id;
  return Zcad::eOk;
}

int Fastrelle_Form_To_Plot::BuildBlock() {
  SideDatabase model(m_modelPath);
  int es = model.Open();
  if (es != Zcad::eOk) {
    CString reason = model.ReadError();
    PrintFailure(CString(L"\nFastrelle_Form_To_Plot::BuildBlock: ") + m_modelPath + (reason.IsEmpty() ? L"" : L": ") +
                     reason,
                 es);
    return es;
  }
  ZcDbObjectIdArray members, copied;
  es = GroupMembers(model.Database(), m_partName + L"|" + m_sizeName, members);
  if (es != Zcad::eOk) {
    PrintFailure(CString(L"\nFastrelle_Form_To_Plot::BuildBlock: ") + m_partName + L"|" + m_sizeName, es);
    return es;
  }
  FilterPartEntities(members, m_lines, copied);
  if (copied.isEmpty()) {
    PrintFailure(CString(L"\nFastrelle_Form_To_Plot::BuildBlock: nothing to copy of ") + m_partName + L"|" + m_sizeName,
                 Zcad::eNullIterator);
    return Zcad::eNullIterator;
  }
  UI_Block block(GetBlockName(), false);
  if ((es = block.Create()) != Zcad::eOk) return es;  // Create printed it
  m_blockId = block.Record()->objectId();

  // From here on a failure leaves nothing behind.
  auto fail = [&](const CString& what, int status) {
    PrintFailure(what, status);
    EraseBlock(m_blockId);
    m_blockId = ZcDbObjectId();
    return status;
  };
  ZcDbIdMapping mapping;
  es = model.Database()->wblockCloneObjects(copied, m_blockId, mapping, ZcDb::kDrcIgnore);
  if (es != Zcad::eOk) return fail(L"\nwblockCloneObjects: ", es);
  ZcDbObjectIdArray cloned;
  if (EntityIds(cloned) != Zcad::eOk) return fail(L"\nwblockCloneObjects: ", Zcad::eNullIterator);
  Tagged tags(m_blockId, kLayoutApplication);
  if ((es = tags.AddTag(kFormTag)) != Zcad::eOk || (es = tags.AddTag(kModelTag + m_modelPath)) != Zcad::eOk)
    return fail(L"\nMark:", es);
  Fastrelle_Part_Drawer part(m_partName, model.Database());
  if (!part.GetName().IsEmpty() && part.GetQuantity() > 0) {
    CString material = part.GetMaterial();
    if (!material.IsEmpty() && (es = tags.AddTag(kMaterialTagPrefix + material)) != Zcad::eOk) return fail(L"\nMark:", es);
  }
  if ((es = NormalizeSite()) != Zcad::eOk) return fail(L"\nNormalizeSite", es);
  if ((es = NormalizeToThread()) != Zcad::eOk) return fail(L"\nNormalizeToThread", es);
  if ((es = NormalizeBBox()) != Zcad::eOk) return fail(L"\nNormalizeBBox", es);
  if ((es = FillForm()) != Zcad::eOk) {
    ZWPrinter().Print(L"\nFill form error: ");
    if (es == Zcad::eNonCoplanarGeometry) ZWPrinter().Print(LoadResString(43160));
    else PrintErrorStatus(es);
  }
  RegenerateDrawing();
  return Zcad::eOk;
}

int Fastrelle_Form_To_Plot::EntityIds(ZcDbObjectIdArray& ids) const {
  if (!m_blockId.isValid()) return Zcad::eNullIterator;
  ZcDbBlockTableRecord* block = nullptr;
  if (zcdbOpenObject(block, m_blockId, ZcDb::kForRead) != Zcad::eOk) return Zcad::eNullIterator;
  ids = block->entityIds();
  block->close();
  return ids.isEmpty() ? Zcad::eNoInputFiles : Zcad::eOk;
}

ZcGeVector3d Fastrelle_Form_To_Plot::GetDirection() const {
  ZcDbObjectIdArray ids;
  if (EntityIds(ids) == Zcad::eNullIterator) return ZcGeVector3d::kXAxis;
  for (ZcDbObjectId id : ids) {
    ZcDbLeader* leader = nullptr;
    if (zcdbOpenObject(leader, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcGeVector3d direction;
    if (leader->numVertices() >= 2) direction = leader->vertexAt(1) - leader->vertexAt(0);
    leader->close();
    return direction;
  }
  return ZcGeVector3d();
}

int Fastrelle_Form_To_Plot::NormalizeToThread() {
  if (!m_blockId.isValid()) return Zcad::eNullIterator;
  ZcGeVector3d direction = GetDirection();
  direction.z = 0.0;
  if (direction.isZeroLength() || direction.isParallelTo(ZcGeVector3d::kXAxis)) return Zcad::eOk;
  ZcDbObjectIdArray ids;
  if (int es = EntityIds(ids)) {
    PrintFailure(L"Fastrelle_Form_To_Plot::NormalizeToThread", es);
    return es;
  }
  double angle = std::atan2(direction.y, direction.x);
  return TransformAll(ids, ZcGeMatrix3d::rotation(-angle, ZcGeVector3d::kZAxis));
}

int Fastrelle_Form_To_Plot::NormalizeSite() {
  if (!m_blockId.isValid()) return Zcad::eNullIterator;
  if (m_side == 0 || m_side == 2 || m_side == 3) return Zcad::eOk;
  ZcDbObjectIdArray ids;
  if (EntityIds(ids) != Zcad::eOk) return Zcad::eOk;  // nothing to mirror
  ZcDbExtents box;
  if (int es = GetExtentsOfIds(box, ids)) return es;
  ZcGeVector3d grain = GetDirection();
  grain.z = 0.0;
  if (grain.isZeroLength()) {
    // No grain line: the grain counts as X, so the axes are the horizontal (side L) and
    // the vertical (side B) through the centre.
    ZWPrinter().Print(CString(L"\nFastrelle_Form_To_Plot::NormalizeSite: ") + GetBlockName() +
                      L" has no grain line; mirrored as if it lay along X");
    grain = ZcGeVector3d::kXAxis;
  }
  ZcGeVector3d axis = m_side == 1 ? grain : grain.perpVector();
  ZcGePoint3d centre = Centre(box);
  return TransformAll(ids, ZcGeMatrix3d::mirroring(centre, centre + axis));
}

int Fastrelle_Form_To_Plot::NormalizeBBox() {
  ZcDbObjectIdArray ids;
  if (int es = EntityIds(ids)) return es;
  ZcDbExtents box;
  if (int es = GetExtentsOfIds(box, ids)) return es;
  return TransformAll(ids, ZcGeMatrix3d::translation(ZcGePoint3d::kOrigin - Centre(box)));
}

int Fastrelle_Form_To_Plot::FillForm() {
  if (!m_blockId.isValid()) return Zcad::eNullIterator;
  ZcDbObjectIdArray ids;
  EntityIds(ids);
  RegionByEntities region;
  region.m_owner = m_blockId;
  CString firstLayer;
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* entity = nullptr;
    if (zcdbOpenObject(entity, id, ZcDb::kForRead) != Zcad::eOk) continue;
    CString layer(entity->layer());
    bool curve = entity->isKindOf(ZcDbCurve::desc()) && !entity->isKindOf(ZcDbLeader::desc());
    entity->close();
    if (!curve || !IsBoundaryLayer(layer, m_lines)) continue;
    if (region.m_curveIds.isEmpty()) firstLayer = layer;
    region.m_curveIds.append(id);
  }
  if (int es = region.Make()) return es;
  ZcDbEntity* made = nullptr;
  if (zcdbOpenObject(made, region.m_regionId, ZcDb::kForWrite) == Zcad::eOk) {
    made->setLayer(firstLayer);
    made->close();
  }
  UI_Block block;
  block.SetFromId(m_blockId);
  return block.MoveEntityToBottom(region.m_regionId);
}

double Fastrelle_Form_To_Plot::GetArea() const { return GetPieceBlockArea(m_blockId); }
