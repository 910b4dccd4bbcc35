// Piece labels.
#include "layout/Layout_drawer_description.h"

#include <cwchar>

#include "db/ZcDbBlockReference.h"
#include "framework/Plot_Settings.h"
#include "framework/Printer.h"
#include "framework/UI_Block.h"
#include "layout/Fastrelle_Desc_FormVars.h"
#include "layout/LayoutDrawing.h"

const wchar_t* const kDescriptionTag = L"Description";

namespace {
const int kInvalidId = 600;
}  // namespace

double Layout_drawer_description::DefaultScale() {
  const CString text = GetPlotSettingString(L"FormDescriptionDefaultSize").Trim();
  if (text.IsEmpty()) return 1.0;
  CString dotted = text;
  dotted.Replace(L",", L".");
  wchar_t* end = nullptr;
  const double value = std::wcstod(static_cast<const wchar_t*>(dotted), &end);
  if (end == static_cast<const wchar_t*>(dotted) || *end != L'\0' || !(value > 0)) return 1.0;
  return value;
}

Layout_drawer_description::Layout_drawer_description(ZcDbObjectId pieceReference)
    : Fastrelle_Description(Plot_Settings().GetPath(L"FormDescriptionDefaultName"), NameValueList(), DefaultScale()),
      m_piece(pieceReference) {}

bool Layout_drawer_description::LabelStandsAt(const ZcGePoint3d& point) {
  UI_Block space = GetModelSpaceBlock();
  ZcDbObjectIdArray ids;
  space.GetEntityIds(ids);
  for (ZcDbObjectId id : ids) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    const bool there = ref->position().distanceTo(point) <= 1e-9;
    ref->close();
    if (there && Tagged(id, kLayoutApplication).HasTag(kDescriptionTag)) return true;
  }
  return false;
}

int Layout_drawer_description::Label(ZcDbObjectIdArray& labels) {
  if (!m_piece.isValid()) return m_status = kInvalidId;
  ZcDbEntity* piece = nullptr;
  if ((m_status = zcdbOpenObject(piece, m_piece, ZcDb::kForRead)) != Zcad::eOk) return m_status;
  const bool isReference = piece->isKindOf(ZcDbBlockReference::desc());
  ZcDbExtents box;
  m_status = piece->getGeomExtents(box);
  piece->close();
  if (m_status != Zcad::eOk) return m_status;
  if (isReference) {
    Fastrelle_Desc_FormVars formVars(m_piece);
    m_vars->Append(formVars);
  }
  UI_Block block(m_blockName, true);
  if (block.Record()) {
    m_attributes = NameValueList();
    if (int status = block.GetAttributeDefaults(m_attributes)) PrintErrorStatus(status);
  }
  const ZcGePoint3d centre = box.minPoint() + (box.maxPoint() - box.minPoint()) / 2.0;
  if (LabelStandsAt(centre)) return m_status = 0;
  if ((m_status = Insert(centre)) != 0) {
    ZWPrinter().Print(L"\nLayout_drawer_description::Insert");
    PrintErrorStatus(m_status);
    return m_status;
  }
  m_id = ReferenceId();
  if ((m_status = AddTag(kDescriptionTag)) != 0) return m_status;  // AddTag prints its failure
  labels.append(m_id);
  return m_status = 0;
}
