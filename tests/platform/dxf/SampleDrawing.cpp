// The sample drawing of the drawing-file tests.
#include "SampleDrawing.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLeader.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSortentsTable.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbTable.h"
#include "db/ZcDbText.h"
#include "db/ZcDbXrecord.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {
ZcDbObjectId Append(ZcDbDatabase* db, ZcDbEntity* e, ZcDbObjectId owner = ZcDbObjectId()) {
  ZcDbBlockTableRecord* btr = nullptr;
  zcdbOpenObject(btr, owner.isNull() ? db->modelSpaceId() : owner, ZcDb::kForWrite);
  ZcDbObjectId id;
  btr->appendZcDbEntity(id, e);
  e->close();
  btr->close();
  return id;
}

ZcDbObjectId AddRecord(ZcDbObjectId tableId, ZcDbSymbolTableRecord* rec) {
  ZcDbSymbolTable* t = nullptr;
  zcdbOpenObject(t, tableId, ZcDb::kForWrite);
  ZcDbObjectId id;
  t->add(id, rec);
  rec->close();
  t->close();
  return id;
}

resbuf* Item(int code) { return zcutNewRb(code); }
wchar_t* Dup(const wchar_t* s) {
  std::size_t n = wcslen(s) + 1;
  auto* p = static_cast<wchar_t*>(malloc(n * sizeof(wchar_t)));
  wmemcpy(p, s, n);
  return p;
}
}  // namespace

void BuildSampleDrawing(ZcDbDatabase* db) {
  auto* dashed = new ZcDbLinetypeTableRecord;
  dashed->setName(L"Dashed");
  dashed->setComments(L"__ __ __");
  dashed->setDashes({5.0, -2.5});
  ZcDbObjectId dashedId = AddRecord(db->linetypeTableId(), dashed);

  auto* front = new ZcDbLayerTableRecord;
  front->setName(L"Przód|38");
  ZcCmColor red;
  red.setColorIndex(1);
  front->setColor(red);
  front->setLinetypeObjectId(dashedId);
  ZcDbObjectId frontId = AddRecord(db->layerTableId(), front);
  auto* back = new ZcDbLayerTableRecord;
  back->setName(L"Tył");
  back->setIsOff(true);
  AddRecord(db->layerTableId(), back);

  auto* style = new ZcDbTextStyleTableRecord;
  style->setName(L"Opis");
  style->setTextSize(3.5);
  ZcDbObjectId styleId = AddRecord(db->textStyleTableId(), style);
  for (const wchar_t* app : {L"Fastrelle", L"FastrellePart"}) {
    auto* r = new ZcDbRegAppTableRecord;
    r->setName(app);
    AddRecord(db->regAppTableId(), r);
  }

  // A block with two attribute definitions (one constant, one multi-line) and a circle.
  auto* label = new ZcDbBlockTableRecord;
  label->setName(L"Label");
  label->setOrigin(ZcGePoint3d(1, 1, 0));
  ZcDbObjectId labelId = AddRecord(db->blockTableId(), label);
  Append(db, new ZcDbCircle(ZcGePoint3d(1, 1, 0), ZcGeVector3d::kZAxis, 5), labelId);
  auto* num = new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), L"1", L"NUM", L"Number?", styleId);
  Append(db, num, labelId);
  auto* kind = new ZcDbAttributeDefinition(ZcGePoint3d(0, -4, 0), L"stała", L"KIND", L"", styleId);
  kind->setConstant(true);
  Append(db, kind, labelId);
  auto* note = new ZcDbAttributeDefinition(ZcGePoint3d(0, -8, 0), L"", L"NOTE", L"Note?");
  ZcDbMText m;
  m.setContents(L"line one\\Pline two");
  note->setMTextAttributeDefinition(&m);
  Append(db, note, labelId);

  auto* ref = new ZcDbBlockReference(ZcGePoint3d(100, 50, 0), labelId);
  ref->setRotation(0.5);
  auto* a = new ZcDbAttribute;
  a->setTag(L"NUM");
  a->setTextString(L"42");
  a->setPosition(ZcGePoint3d(100, 50, 0));
  ref->appendAttribute(a);
  ZcDbObjectId refId = Append(db, ref);

  // Curves on the layer "Przód|38".
  auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
  line->setLayer(frontId);
  ZcDbObjectId lineId = Append(db, line);
  auto* arc = new ZcDbArc(ZcGePoint3d(50, 0, 0), 50, 0, 3.141592653589793);
  arc->setLayer(frontId);
  arc->setColorIndex(3);
  ZcDbObjectId arcId = Append(db, arc);
  auto* pl = new ZcDbPolyline;
  pl->addVertexAt(0, ZcGePoint2d(0, 0), 0.5);
  pl->addVertexAt(1, ZcGePoint2d(10, 0));
  pl->addVertexAt(2, ZcGePoint2d(10, 10));
  pl->setClosed(true);
  pl->setLayer(frontId);
  ZcDbObjectId plId = Append(db, pl);
  Append(db, new ZcDbEllipse(ZcGePoint3d(0, 100, 0), ZcGeVector3d::kZAxis, ZcGeVector3d(20, 0, 0), 0.5));
  ZcGePoint3dArray pts;
  pts.append(ZcGePoint3d(0, 0, 0)).append(ZcGePoint3d(5, 5, 0)).append(ZcGePoint3d(10, 0, 0));
  Append(db, new ZcDb2dPolyline(pts, false));
  pts.append(ZcGePoint3d(10, 10, 7));
  Append(db, new ZcDb3dPolyline(pts, true));
  auto* spline = new ZcDbSpline;
  ZcGePoint3dArray cps;
  cps.append(ZcGePoint3d(0, 0, 0)).append(ZcGePoint3d(10, 20, 0)).append(ZcGePoint3d(30, 20, 0)).append(ZcGePoint3d(40, 0, 0));
  ZcGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
  spline->setNurbsData(3, false, false, false, cps, knots, ZcGeDoubleArray());
  ZcGePoint3dArray fit;
  fit.append(ZcGePoint3d(0, 0, 0)).append(ZcGePoint3d(40, 0, 0));
  spline->setFitData(fit, 3, 0.0, ZcGeVector3d(1, 1, 0), ZcGeVector3d(1, -1, 0));
  Append(db, spline);
  auto* region = new ZcDbRegion;
  {  // a line, a half circle and a spline edge
    ZcGeRegion::Loop loop;
    loop.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 0, 0)));
    loop.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(5, 2.5, 0), ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 2.5,
                                                   -std::acos(0.0), std::acos(0.0)));
    loop.push_back(std::make_unique<ZcGeNurbCurve3d>(std::vector<ZcGePoint3d>{{5, 5, 0}, {2, 6, 0}, {0, 0, 0}}));
    ZcGeRegion shape;
    ZcGeRegion::fromLoop(std::move(loop), shape);
    region->setGeRegion(shape);
  }
  Append(db, region);
  Append(db, new ZcDbPoint(ZcGePoint3d(7, 8, 9)));
  auto* text = new ZcDbText(ZcGePoint3d(0, -20, 0), L"Zażółć ^ gęślą", styleId, 5.0, 0.25);
  text->setHorizontalMode(ZcDb::kTextCenter);
  text->setAlignmentPoint(ZcGePoint3d(10, -20, 0));
  Append(db, text);
  auto* mtext = new ZcDbMText;
  mtext->setContents(L"Przód\\Prozmiar 38");
  mtext->setLocation(ZcGePoint3d(0, -40, 0));
  mtext->setTextHeight(4.0);
  mtext->setAttachment(5);
  Append(db, mtext);
  auto* leader = new ZcDbLeader;
  leader->appendVertex(ZcGePoint3d(0, 0, 0));
  leader->appendVertex(ZcGePoint3d(10, 10, 0));
  leader->setDimasz(3.0);
  Append(db, leader);
  auto* table = new ZcDbTable;
  table->insertColumns(0, 20.0, 2);
  table->insertRows(0, 8.0, 3);
  table->setTextString(0, 0, L"Część");
  table->setTextString(2, 1, L"2");
  table->setColumnWidth(1, 35.0);
  table->setPosition(ZcGePoint3d(200, 0, 0));
  table->mergeCells(0, 0, 0, 1);
  table->setAlignment(2, 0, 4);
  Append(db, table);

  // XData: two applications on the line; 1071 written through the 16-bit member.
  resbuf* xd = Item(1001);
  xd->resval.rstring = Dup(L"Fastrelle");
  xd->rbnext = Item(1000);
  xd->rbnext->resval.rstring = Dup(L"Przód");
  xd->rbnext->rbnext = Item(1071);
  xd->rbnext->rbnext->resval.rint = 7;
  xd->rbnext->rbnext->rbnext = Item(1010);
  xd->rbnext->rbnext->rbnext->resval.rpoint[0] = 1.5;
  xd->rbnext->rbnext->rbnext->rbnext = Item(1001);
  xd->rbnext->rbnext->rbnext->rbnext->resval.rstring = Dup(L"FastrellePart");
  xd->rbnext->rbnext->rbnext->rbnext->rbnext = Item(1070);
  xd->rbnext->rbnext->rbnext->rbnext->rbnext->resval.rint = -3;
  ZcDbEntity* ent = nullptr;
  zcdbOpenObject(ent, lineId, ZcDb::kForWrite);
  ent->setXData(xd);
  ent->close();
  zcutRelRb(xd);

  // A group "Przód|38" of the line, the arc and the polyline, in that order.
  ZcDbDictionary* groups = nullptr;
  db->getGroupDictionary(groups, ZcDb::kForWrite);
  auto* group = new ZcDbGroup(L"Przód|38", true);
  ZcDbObjectId groupId;
  groups->setAt(L"Przód|38", group, groupId);
  group->append(lineId);
  group->append(arcId);
  group->append(plId);
  group->close();
  groups->close();

  // A sub-dictionary of the named objects with an Xrecord.
  ZcDbDictionary* nod = nullptr;
  db->getNamedObjectsDictionary(nod, ZcDb::kForWrite);
  auto* parts = new ZcDbDictionary;
  ZcDbObjectId partsId;
  nod->setAt(L"Fastrelle", parts, partsId);
  auto* rec = new ZcDbXrecord;
  resbuf* data = Item(1);
  data->resval.rstring = Dup(L"Przód");
  data->rbnext = Item(70);
  data->rbnext->resval.rint = 2;
  data->rbnext->rbnext = Item(10);
  data->rbnext->rbnext->resval.rpoint[1] = 3.0;
  rec->setFromRbChain(data);
  zcutRelRb(data);
  ZcDbObjectId recId;
  parts->setAt(L"Przód", rec, recId);
  rec->close();
  parts->close();
  nod->close();

  // The reference drawn first.
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  ZcDbSortentsTable* sort = nullptr;
  ms->getSortentsTable(sort, ZcDb::kForWrite, true);
  ZcDbObjectIdArray bottom;
  bottom.append(plId);
  sort->moveToBottom(bottom);
  sort->close();
  ms->close();
  (void)refId;
}
