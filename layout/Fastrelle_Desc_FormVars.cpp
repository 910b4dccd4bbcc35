// The piece label's variable set.
#include "layout/Fastrelle_Desc_FormVars.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "layout/Fastrelle_Desc_FormVariables.h"
#include "layout/LayoutDrawing.h"
#include "layout/PieceKey.h"

Fastrelle_Desc_FormVars::Fastrelle_Desc_FormVars(ZcDbObjectId pieceReference) {
  CString model, part, size, material;
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, pieceReference, ZcDb::kForRead) == Zcad::eOk) {
    const ZcDbObjectId block = ref->blockTableRecord();
    ref->close();
    ZcDbBlockTableRecord* record = nullptr;
    if (zcdbOpenObject(record, block, ZcDb::kForRead) == Zcad::eOk) {
      std::wstring key;
      record->getName(key);
      record->close();
      int side = 0, lines = 0;
      ParsePieceKey(CString(key.c_str()), model, part, size, side, lines);
    }
    material = GetFormMaterial(block);
  }
  Add(std::make_unique<Fastrelle_Desc_FormModel>(model));
  Add(std::make_unique<Fastrelle_Desc_FormPart>(part));
  Add(std::make_unique<Fastrelle_Desc_FormSize>(size));
  Add(std::make_unique<Fastrelle_Desc_FormMaterial>(material));
}
