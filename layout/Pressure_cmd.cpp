// The compaction command.
#include "layout/Pressure_cmd.h"

#include "db/ZcDbBlockTableRecord.h"
#include "framework/Printer.h"
#include "framework/Selections.h"
#include "layout/LayoutDrawing.h"
#include "layout/PressureAlgorithm.h"

Pressure_cmd::Pressure_cmd() : cmd(L"Fastrelle:Pressure", L"Fastrelle:Docisk", 1) {}

void Pressure_cmd::Run() {
  CStringArray names;
  for (ZcDbObjectId block : ListFormBlocks()) {
    ZcDbBlockTableRecord* record = nullptr;
    if (zcdbOpenObject(record, block, ZcDb::kForRead) != Zcad::eOk) continue;
    names.Add(CString(record->name()));
    record->close();
  }
  if (names.IsEmpty()) return;  // no piece block: nothing could be selected
  m_ids = SelectBlockReferences(names);
  if (m_ids.isEmpty()) return;
  ZcDbObjectId border = FindTaggedPolyline(kLayoutTag);
  if (border.isNull()) {
    ZWPrinter().Print(L"\nUkład nie ma obrysu tkaniny: nie ma czego docisnąć.");
    return;
  }
  PressureByMoveEachInOneStep pressure;
  pressure.SetBorder(border);
  pressure.m_pieces = m_ids;
  pressure.Run();
}
