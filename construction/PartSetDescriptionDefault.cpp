// The set description: block, summary table and free text stacked downwards.
#include "construction/PartSetDescriptionDefault.h"

#include "construction/Fastrelle_Description.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartSetTable_Settings.h"
#include "db/ZcDbDatabase.h"
#include "framework/CommandSequences.h"
#include "framework/Extents.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/UIS_MText.h"

int PartSetDescriptionDefault::Insert(const ZcGePoint3d& point) {
  int first = InsertDescription(point);
  const int table = InsertTable(Below(point));
  if (first == 0) first = table;
  const int text = InsertText(Below(point));
  if (first == 0) first = text;
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
  return first;
}

ZcDbObjectId PartSetDescriptionDefault::Owner() const {
  if (!m_owner.isNull()) return m_owner;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  return db ? db->currentSpaceId() : ZcDbObjectId();
}

ZcGePoint3d PartSetDescriptionDefault::Below(const ZcGePoint3d& picked) const {
  ZcDbExtents box;
  if (m_inserted.isEmpty() || GetExtentsOfIds(box, m_inserted) != 0) return picked;
  return ZcGePoint3d(box.minPoint().x, box.minPoint().y - PartSetTable_Settings().GetDouble(L"DecriptiorSize"), 0);
}

int PartSetDescriptionDefault::InsertDescription(const ZcGePoint3d& point) {
  Fastrelle_Description description(m_templatePath, m_attributes, m_scale);
  const int status = description.Insert(point, Owner());
  if (status != 0) {
    ZWPrinter().Print(L"\n" + m_templatePath);
    PrintErrorStatus(status);
    return status;
  }
  m_descriptionId = description.ReferenceId();
  m_inserted.append(m_descriptionId);
  return 0;
}

int PartSetDescriptionDefault::InsertTable(const ZcGePoint3d& point) {
  PartSetTable_Settings settings;
  PartsSetTable::Widths widths;
  widths.total = settings.GetDouble(L"TableWidth");
  widths.number = settings.GetDouble(L"LPColumnWidthRatio");
  widths.name = settings.GetDouble(L"NameColumnWidthRatio");
  widths.material = settings.GetDouble(L"MaterialColumnWidthRatio");
  widths.mode = settings.GetDouble(L"ModeColumnWidthRatio");
  PartsSetTable table(m_scale, Owner());
  if (int status = table.Build(point, widths, DrawingParts())) return status;
  m_tableId = table.Id();
  m_inserted.append(m_tableId);
  return 0;
}

int PartSetDescriptionDefault::InsertText(const ZcGePoint3d& point) {
  if (m_text.IsEmpty()) return 0;
  UIS_MText text;
  if (int status = text.CreateInBlock(m_text, point, Owner(), m_scale)) {
    ZWPrinter().Print(L"\nPartSetDescriptionDefault::InsertText");
    PrintErrorStatus(status);
    return status;
  }
  m_textId = text.MText()->objectId();
  m_inserted.append(m_textId);
  return 0;
}

std::vector<PartsSetRow> PartSetDescriptionDefault::DrawingParts() {
  Fastrelle_Parts parts;
  parts.Load(nullptr);
  std::vector<PartsSetRow> rows;
  for (const Fastrelle_Part& part : parts.Parts()) {
    PartsSetRow row;
    row.name = part.GetName();
    row.type = part.GetType();
    row.quantity = part.GetQuantity();
    row.material = Fastrelle_Part_Drawer(part.GetName(), nullptr).GetMaterial();
    rows.push_back(row);
  }
  return rows;
}
