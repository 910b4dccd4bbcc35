// Which layers a drawing keeps: "0", "DEFPOINTS", the current layer and layers things lie
// on cannot be erased, and layer "0" keeps its name, so a saved drawing never names a layer
// it lacks.
#include "db/ZcDbSymbolTable.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbText.h"

namespace {

Zcad::ErrorStatus EraseLayer(ZcDbObjectId layer) {
  ZcDbLayerTableRecord* r = nullptr;
  if (Zcad::ErrorStatus es = zcdbOpenObject(r, layer, ZcDb::kForWrite)) return es;
  Zcad::ErrorStatus es = r->erase();
  r->close();
  return es;
}

TEST(LayerErasure, LayersTheDrawingNeedsStayAndOthersGo) {
  ZcDbDatabase db;
  ZcDbObjectId used = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"38");
  ZcDbObjectId inBlock = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"38'");
  ZcDbObjectId defpoints = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"Defpoints");
  ZcDbObjectId current = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"38~");
  ZcDbObjectId free = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"40");
  auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  line->setLayer(used);
  AppendEntity(db, line);
  ZcDbBlockTableRecord* block = new ZcDbBlockTableRecord;
  block->setName(L"Mark");
  ZcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, ZcDb::kForWrite);
  ZcDbObjectId blockId;
  blocks->add(blockId, block);
  block->close();
  blocks->close();
  auto* inside = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  inside->setLayer(inBlock);
  AppendEntity(db, inside, blockId);
  db.setClayer(current);

  ZcDbLayerTable* table = nullptr;
  db.getLayerTable(table, ZcDb::kForRead);
  EXPECT_EQ(Zcad::eOk, table->generateUsageData());
  table->close();
  for (ZcDbObjectId kept : {db.layerZero(), defpoints, used, inBlock, current}) {
    EXPECT_EQ(Zcad::eObjectInUse, EraseLayer(kept));
    EXPECT_FALSE(kept.isErased());
  }
  EXPECT_EQ(Zcad::eOk, EraseLayer(free));
  EXPECT_TRUE(free.isErased());
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(LayerErasure, TheAttributesOfAnErasedBlockReferenceKeepNoLayer) {
  ZcDbDatabase db;
  ZcDbObjectId tech = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"38~");
  auto* ref = new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), ZcDbObjectId());
  ref->setLayer(tech);
  ZcDbObjectId refId = AppendEntity(db, ref);
  zcdbOpenObject(ref, refId, ZcDb::kForWrite);
  auto* number = new ZcDbAttribute();
  number->setLayer(tech);
  ref->appendAttribute(number);
  number->close();
  ref->close();
  EXPECT_EQ(Zcad::eObjectInUse, EraseLayer(tech));
  zcdbOpenObject(ref, refId, ZcDb::kForWrite);
  ref->erase();
  ref->close();
  EXPECT_EQ(Zcad::eOk, EraseLayer(tech));
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(LayerNames, LayerZeroRefusesANewNameOthersTakeOne) {
  ZcDbDatabase db;
  ZcDbObjectId other = AddRecord<ZcDbLayerTableRecord>(db, &ZcDbDatabase::getLayerTable, L"38");
  ZcDbLayerTableRecord* r = nullptr;
  zcdbOpenObject(r, db.layerZero(), ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eInvalidInput, r->setName(L"^0"));
  EXPECT_EQ(L"0", r->name());
  r->close();
  zcdbOpenObject(r, other, ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eOk, r->setName(L"^38"));
  r->close();
}

}  // namespace
