// Block references and attributes.
#include "framework/BlockReference.h"

#include <memory>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbText.h"
#include "framework/Printer.h"
#include "framework/UI_Attribute_Ref.h"
#include "framework/UI_Block.h"
#include "framework/ZWDrawer.h"

namespace {
// The reference's attribute ids, read with an open for read of its own.
int AttributeIdsOf(ZcDbBlockReference* ref, ZcDbObjectIdArray& ids) {
  ZcDbBlockReference* open = nullptr;
  int es = zcdbOpenObject(open, ref->objectId(), ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  ids = open->attributeIds();
  return open->close();
}

// Runs `change` with the reference open for write, closing it after when opened here.
template <class F>
int WithWrite(ZcDbBlockReference* ref, F change) {
  bool opened = false;
  if (!ref->isWriteEnabled()) {
    ZcDbBlockReference* w = nullptr;
    if (int es = zcdbOpenObject(w, ref->objectId(), ZcDb::kForWrite)) return es;
    opened = true;
  }
  int es = change();
  if (opened) ref->close();
  return es;
}
}  // namespace

ZcDbBlockReference* CastToBlockReference(ZcDbObject* obj) {
  return obj && obj->isKindOf(ZcDbBlockReference::desc()) ? static_cast<ZcDbBlockReference*>(obj) : nullptr;
}

CString GetBlockReferenceName(ZcDbBlockReference* ref) {
  if (!ref) return CString();
  UI_Block block;
  block.SetFromId(ref->objectId());
  return block.GetName();
}

int MoveBlockReferenceTo(ZcDbBlockReference* ref, const ZcGePoint3d& point) {
  if (!ref) return Zcad::eWrongObjectType;
  return WithWrite(ref, [&] {
    return static_cast<int>(ref->transformBy(ZcGeMatrix3d::translation(point - ref->position())));
  });
}

int SetAttributeValues(ZcDbBlockReference* ref, const NameValueList& values) {
  if (!ref) return Zcad::eWrongObjectType;
  ZcDbObjectIdArray ids;
  if (int es = AttributeIdsOf(ref, ids)) return es;
  for (ZcDbObjectId id : ids) {
    UI_Attribute_Ref attr(id);
    CString text;
    if (values.GetValue(attr.getTag(), text)) attr.setText(text);
  }
  return Zcad::eOk;
}

int SetAttributeValue(ZcDbBlockReference* ref, const CString& tag, const CString& text) {
  if (!ref) return Zcad::eWrongObjectType;
  ZcDbObjectIdArray ids;
  if (int es = AttributeIdsOf(ref, ids)) return es;
  CString want = tag;
  want.MakeUpper();
  for (ZcDbObjectId id : ids) {
    UI_Attribute_Ref attr(id);
    CString have = attr.getTag();
    if (have.MakeUpper().CollateNoCase(want) == 0) return attr.setText(text);
  }
  return Zcad::eKeyNotFound;
}

int GetAttributeValues(ZcDbBlockReference* ref, NameValueList& values) {
  if (!ref) return Zcad::eWrongObjectType;
  ZcDbObjectIdArray ids;
  if (int es = AttributeIdsOf(ref, ids)) return es;
  for (ZcDbObjectId id : ids) {
    UI_Attribute_Ref attr(id);
    if (attr.open(0) != Zcad::eOk) continue;
    values.Add(CString(attr.Attribute()->tag()), CString(attr.Attribute()->textString()));
    attr.close();
  }
  return Zcad::eOk;
}

int GetAttributeValue(ZcDbBlockReference* ref, const CString& tag, CString& text) {
  if (!ref) return Zcad::eWrongObjectType;
  // Every attribute is opened as GetAttributeValues opens them, but only the first one with
  // the tag has its text read: no list of every tag and text is built for one value.
  ZcDbObjectIdArray ids;
  bool found = false;
  if (AttributeIdsOf(ref, ids) == Zcad::eOk) {
    for (ZcDbObjectId id : ids) {
      UI_Attribute_Ref attr(id);
      if (attr.open(0) != Zcad::eOk) continue;
      if (!found && CString(attr.Attribute()->tag()).CompareNoCase(tag) == 0) {
        text = CString(attr.Attribute()->textString());
        found = true;
      }
      attr.close();
    }
  }
  if (found) return Zcad::eOk;
  UI_Block block;
  block.SetFromId(ref->objectId());
  NameValueList constants;
  block.GetConstantAttributes(constants);
  for (const NameValue& v : constants)
    if (v.name.CompareNoCase(tag) == 0) {
      text = v.value;
      return Zcad::eOk;
    }
  return Zcad::eKeyNotFound;
}

int InsertBlock(const CString& blockName, const ZcGePoint3d& point, double scale, double rotation,
                ZcDbObjectId* newId) {
  return InsertBlockInto(blockName, point, ZcGeScale3d(scale), rotation, ZcDbObjectId(), newId);
}

int InsertBlockInto(const CString& blockName, const ZcGePoint3d& point, const ZcGeScale3d& scale,
                    double rotation, ZcDbObjectId owner, ZcDbObjectId* newId) {
  if (newId) newId->setNull();
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return Zcad::eNoDatabase;
  ZcDbBlockTable* table = nullptr;
  int es = db->getBlockTable(table, ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  ZcDbObjectId ownerInDrawing;
  if (owner.isValid()) {
    UI_Block ownerBlock;
    ownerBlock.SetFromId(owner);
    if (table->getAt(ownerBlock.GetName(), ownerInDrawing) != Zcad::eOk) {
      table->close();
      return Zcad::eInvalidInput;
    }
  }
  ZcDbObjectId blockId;
  es = table->getAt(blockName, blockId);
  table->close();
  if (es != Zcad::eOk) return es;

  auto* ref = new ZcDbBlockReference;
  ref->setDatabaseDefaults();
  ref->setBlockTableRecord(blockId);
  ref->setPosition(point);
  ref->setScaleFactors(scale);
  ref->setRotation(rotation);
  ZcDbBlockTableRecord* record = nullptr;
  if (!ownerInDrawing.isNull() && (es = zcdbOpenObject(record, ownerInDrawing, ZcDb::kForWrite)) != Zcad::eOk) {
    delete ref;
    return es;
  }
  es = ZWDrawer::Add(ref, record);
  if (es != Zcad::eOk) {
    delete ref;  // it never reached the drawing
    return es;
  }
  AddAttributesFromDefinitions(ref, blockId);
  if (newId) *newId = ref->objectId();
  ref->close();
  return Zcad::eOk;
}

int AttachmentOfAlignment(int h, int v) {
  static const int kTable[4][6] = {{10, 11, 12, 13, 21, 17},
                                   {7, 8, 9, 14, 22, 18},
                                   {4, 5, 6, 15, 23, 19},
                                   {1, 2, 3, 16, 24, 20}};
  if (h < 0 || h > 5 || v < 0 || v > 3) return 1;
  return kTable[v][h];
}

int AddAttributesFromDefinitions(ZcDbBlockReference* ref, ZcDbObjectId recordId) {
  ZcDbBlockTableRecord* record = nullptr;
  int es = zcdbOpenObject(record, recordId, ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  if (!record->hasAttributeDefinitions()) return record->close();
  ZcDbObjectIdArray ents = record->entityIds();
  record->close();
  ZcGeMatrix3d transform = ref->blockTransform();
  for (ZcDbObjectId id : ents) {
    ZcDbAttributeDefinition* def = nullptr;
    if (zcdbOpenObject(def, id, ZcDb::kForRead) != Zcad::eOk) continue;
    auto* attr = new ZcDbAttribute;
    attr->setTag(def->tag().c_str());
    attr->setVerticalMode(def->verticalMode());
    attr->setHorizontalMode(def->horizontalMode());
    attr->setPosition(def->position());
    attr->setRotation(def->rotation());
    attr->setHeight(def->height());
    attr->setAlignmentPoint(def->alignmentPoint());
    attr->setHorizontalMode(def->horizontalMode());
    attr->setVerticalMode(def->verticalMode());
    attr->transformBy(transform);
    attr->setInvisible(def->isInvisible());
    attr->setTextString(def->textString().c_str());
    attr->setTextStyle(def->textStyle());
    attr->setColor(def->color());
    if (def->isMTextAttributeDefinition()) {
      std::unique_ptr<ZcDbMText> mtext(def->getMTextAttributeDefinition());
      mtext->setTextHeight(attr->height());
      mtext->setAttachment(AttachmentOfAlignment(def->horizontalMode(), def->verticalMode()));
      mtext->setTextStyle(def->textStyle());
      mtext->setColor(def->color());
      mtext->setContents(attr->textString().c_str());
      attr->setMTextAttribute(mtext.get());
    }
    ZcDbObjectId attrId;
    if (ref->appendAttribute(attrId, attr) == Zcad::eOk) attr->close();
    else delete attr;
    def->close();
  }
  return Zcad::eOk;
}

int EraseBlockReference(ZcDbBlockReference* ref) {
  if (!ref) return Zcad::eWrongObjectType;
  return WithWrite(ref, [&] { return static_cast<int>(ref->erase(true)); });
}

int SetBlockReferenceRotation(ZcDbBlockReference* ref, double angle) {
  if (!ref) return Zcad::eWrongObjectType;
  return WithWrite(ref, [&] { return static_cast<int>(ref->setRotation(angle)); });
}
