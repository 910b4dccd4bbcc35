// A clean headless host with a new, empty working drawing for each test, and small helpers
// that draw into it (lines, arcs, circles, polylines, layers, groups) and build filter
// lists. Used by the editor's and the framework's selection and transform tests.
#ifndef TESTS_DRAWINGFIXTURE_H
#define TESTS_DRAWINGFIXTURE_H

#include <cmath>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/zced.h"
#include "headless/Database.h"

class DrawingTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    db_ = headless::NewDrawing();
  }
  void TearDown() override {
    EXPECT_EQ(0, headless::OpenObjectCount()) << "objects left open";
    EXPECT_EQ(0, headless::OpenSelectionSets()) << "selection sets left unfreed";
    HostTest::TearDown();
  }

  ZcDbObjectId Add(ZcDbEntity* e, const wchar_t* layer = L"0") {
    ZcDbBlockTableRecord* ms = nullptr;
    zcdbOpenObject(ms, db_->modelSpaceId(), ZcDb::kForWrite);
    e->setLayer(layer);
    ZcDbObjectId id;
    ms->appendZcDbEntity(id, e);
    e->close();
    ms->close();
    return id;
  }
  ZcDbObjectId AddLine(const ZcGePoint3d& a, const ZcGePoint3d& b, const wchar_t* layer = L"0") {
    return Add(new ZcDbLine(a, b), layer);
  }
  ZcDbObjectId AddArc(const ZcGePoint3d& c, double r, double from, double to) { return Add(new ZcDbArc(c, r, from, to)); }
  ZcDbObjectId AddCircle(const ZcGePoint3d& c, double r) {
    return Add(new ZcDbCircle(c, ZcGeVector3d::kZAxis, r));
  }
  ZcDbObjectId AddMText(const ZcGePoint3d& location) {
    auto* text = new ZcDbMText();
    text->setLocation(location);
    return Add(text);
  }
  ZcDbObjectId AddPolyline(const std::vector<ZcGePoint2d>& points) {
    auto* pl = new ZcDbPolyline();
    for (unsigned i = 0; i < points.size(); ++i) pl->addVertexAt(i, points[i]);
    return Add(pl);
  }
  void MakeLayer(const wchar_t* name) {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForWrite);
    auto* record = new ZcDbLayerTableRecord();
    record->setName(name);
    table->add(record);
    record->close();
    table->close();
  }
  void SetLayerOff(const wchar_t* name) {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForRead);
    ZcDbSymbolTableRecord* record = nullptr;
    table->getAt(name, record, ZcDb::kForWrite);
    static_cast<ZcDbLayerTableRecord*>(record)->setIsOff(true);
    record->close();
    table->close();
  }
  void MakeGroup(const wchar_t* name, const std::vector<ZcDbObjectId>& members) {
    ZcDbDictionary* groups = nullptr;
    db_->getGroupDictionary(groups, ZcDb::kForWrite);
    auto* group = new ZcDbGroup(name);
    ZcDbObjectId id;
    groups->setAt(name, group, id);
    for (ZcDbObjectId m : members) group->append(m);
    group->close();
    groups->close();
  }
  void Erase(ZcDbObjectId id) {
    ZcDbObject* o = nullptr;
    zcdbOpenObject(o, id, ZcDb::kForWrite);
    o->erase(true);
    o->close();
  }
  template <class T>
  T* Read(ZcDbObjectId id) {  // a closed object may be read (the database keeps it)
    T* o = nullptr;
    zcdbOpenObject(o, id, ZcDb::kForRead);
    if (o) o->close();
    return o;
  }
  static void SetShort(const wchar_t* name, int value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(value);
    zcedSetVar(name, &rb);
  }
  static int GetShort(const wchar_t* name) {
    resbuf rb{};
    return zcedGetVar(name, &rb) == RTNORM ? rb.resval.rint : -1;
  }
  /// Every entity of model space that is not erased, in drawing order.
  std::vector<ZcDbObjectId> ModelSpace() {
    std::vector<ZcDbObjectId> ids;
    ZcDbBlockTableRecord* ms = nullptr;
    zcdbOpenObject(ms, db_->modelSpaceId(), ZcDb::kForRead);
    for (ZcDbObjectId id : ms->entityIds())
      if (!id.isErased()) ids.push_back(id);
    ms->close();
    return ids;
  }

  /// A filter list built item by item.
  class Filter {
  public:
    ~Filter() { zcutRelRb(head_); }
    Filter& Text(int code, const wchar_t* text) {
      resbuf* rb = zcutNewRb(code);
      rb->resval.rstring = zcutDupString(text);
      return Link(rb);
    }
    Filter& Marker(const wchar_t* text) { return Text(-4, text); }
    const resbuf* Head() const { return head_; }

  private:
    Filter& Link(resbuf* rb) {
      (tail_ ? tail_->rbnext : head_) = rb;
      tail_ = rb;
      return *this;
    }
    resbuf* head_ = nullptr;
    resbuf* tail_ = nullptr;
  };

  ZcDbDatabase* db_ = nullptr;
};

#endif
