// Part descriptions: the part's name and the sizes of the copies.
#include "construction/Fastrelle_Part_Description.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbText.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Printer.h"
#include "framework/Selections.h"
#include "sizes/SizeLayerNames.h"

void Fastrelle_Part_Description::SetPartName(const CString& partName) {
  m_vars->Add(std::make_unique<Fastrelle_Desc_Var_Part>(partName));
}

int Fastrelle_Part_Description::InsertIntoPart(const ZcGePoint3d& point) {
  Fastrelle_Part found;
  if (!FindPartAtPoint(point, found)) {
    ZWPrinter().Print(L"\nPunkt wstawienia opisu nie leży w żadnej części.");
    return Zcad::eWrongObjectType;
  }
  SetPartName(found.GetName());
  if (int es = Insert(point)) return es;
  ZcDbBlockReference* ref = nullptr;
  if (int es = zcdbOpenObject(ref, m_referenceId, ZcDb::kForRead); es != Zcad::eOk) return es;
  ref->close();  // the name helper takes the reference closed and opens it itself
  const CString blockName = GetBlockReferenceName(ref);
  Fastrelle_Part_Drawer part(found.GetName(), nullptr);
  if (int es = part.AddEntity(m_referenceId, 2)) return es;
  return WriteSizeIntoReferences(blockName);
}

int Fastrelle_Part_Description::WriteSizeIntoReferences(const CString& blockName) {
  const CString token = GetSettingString(L"VarSize");
  if (token.IsEmpty()) return 0;
  int first = 0;
  auto keep = [&first](int status) {
    if (first == 0) first = status;
  };
  for (ZcDbObjectId refId : GetBlockReferenceIdsByName(blockName)) {
    ZcDbBlockReference* ref = nullptr;
    if (int es = zcdbOpenObject(ref, refId, ZcDb::kForRead); es != Zcad::eOk) {
      keep(es);
      continue;
    }
    const CString size = SizeNameOfLayer(ref->layer());
    const ZcDbObjectIdArray attributes = ref->attributeIds();
    ref->close();
    for (ZcDbObjectId id : attributes) {
      ZcDbAttribute* attribute = nullptr;
      if (int es = zcdbOpenObject(attribute, id, ZcDb::kForRead); es != Zcad::eOk) {
        keep(es);
        continue;
      }
      CString text = attribute->textString();
      if (text.Replace(token, size) == 0) {
        attribute->close();
        continue;
      }
      if (int es = attribute->upgradeOpen(); es != Zcad::eOk) {
        keep(es);
      } else {
        keep(attribute->setTextString(text));
      }
      attribute->close();
    }
  }
  return first;
}
