// A drawing with sizes 38 and 40 (base) for the parts tests, and helpers that read its
// groups and part records.
#ifndef TESTS_CONSTRUCTION_PARTSFIXTURE_H
#define TESTS_CONSTRUCTION_PARTSFIXTURE_H

#include "construction/PartServices.h"
#include "db/ZcDbBlockReference.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/SizesFixture.h"

class PartsTest : public SizesTest {
protected:
  void SetUp() override {
    SizesTest::SetUp();
    RegisterPartServices();
    EnsureSizeLayers(Fastrelle_Size(L"38", 1, false));
    EnsureSizeLayers(Fastrelle_Size(L"40", 2, true));
  }
  void TearDown() override {
    UnregisterPartServices();
    SizesTest::TearDown();
  }
  /// The members of group `name`; empty when there is none.
  ZcDbObjectIdArray Members(const wchar_t* name) {
    ZcDbObjectIdArray ids;
    ZcDbDictionary* groups = nullptr;
    db_->getGroupDictionary(groups, ZcDb::kForRead);
    ZcDbObjectId id;
    bool has = groups->getAt(name, id) == Zcad::eOk;
    groups->close();
    if (!has) return ids;
    Read<ZcDbGroup>(id)->allEntityIds(ids);
    return ids;
  }
  bool HasGroup(const wchar_t* name) {
    ZcDbDictionary* groups = nullptr;
    db_->getGroupDictionary(groups, ZcDb::kForRead);
    bool has = groups->has(name);
    groups->close();
    return has;
  }
  bool HasPartsDictionary() {
    ZcDbDictionary* named = nullptr;
    db_->getNamedObjectsDictionary(named, ZcDb::kForRead);
    bool has = named->has(L"Fastrelle");
    named->close();
    return has;
  }
  /// The square (0,0)-(100,100) as four lines on layer "0".
  ZcDbObjectIdArray Square(double x = 0.0, double y = 0.0, double side = 100.0) {
    ZcDbObjectIdArray ids;
    ZcGePoint3d c[] = {{x, y, 0}, {x + side, y, 0}, {x + side, y + side, 0}, {x, y + side, 0}};
    for (int i = 0; i < 4; ++i) ids.append(AddLine(c[i], c[(i + 1) % 4]));
    return ids;
  }
  /// How many members of the group are block references (grade points).
  int References(const wchar_t* group) {
    int n = 0;
    for (ZcDbObjectId id : Members(group))
      if (id.objectClass() && id.objectClass()->isDerivedFrom(ZcDbBlockReference::desc())) ++n;
    return n;
  }
};

#endif
