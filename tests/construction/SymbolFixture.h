// A part "Front" (the square 0,0-100,100 with grade points 1 to 4 at its corners) in
// sizes 38, 40 (base) and 42, a block "Mark" for symbols, and a tape run along a curve
// with a symbol observer attached, for the symbol observers' tests.
#ifndef TESTS_CONSTRUCTION_SYMBOLFIXTURE_H
#define TESTS_CONSTRUCTION_SYMBOLFIXTURE_H

#include <vector>

#include "DragFixture.h"
#include "construction/Fastrelle_Miarka.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbBlockReference.h"

class SymbolTest : public DragTest {
protected:
  void SetUp() override {
    DragTest::SetUp();
    EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
    // Corners numbered 1 (0,0), 2 (100,0), 3 (100,100), 4 (0,100); the top runs 3 to 4.
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square()));
    DefineMark();
  }
  void DefineMark() {
    ZcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, ZcDb::kForWrite);
    auto* record = new ZcDbBlockTableRecord();
    record->setName(L"Mark");
    ZcDbObjectId id;
    table->add(id, record);
    ZcDbObjectId line;
    auto* tick = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 2, 0));
    record->appendZcDbEntity(line, tick);
    tick->close();
    record->close();
    table->close();
  }
  /// The group's member on `layer` (a line) that runs between the two points, either way.
  ZcDbObjectId LineBetween(const wchar_t* group, const ZcGePoint3d& a, const ZcGePoint3d& b) {
    for (ZcDbObjectId id : Members(group)) {
      auto* line = Read<ZcDbLine>(id);
      if (!line) continue;
      if ((line->startPoint().isEqualTo(a) && line->endPoint().isEqualTo(b)) ||
          (line->startPoint().isEqualTo(b) && line->endPoint().isEqualTo(a)))
        return id;
    }
    return ZcDbObjectId();
  }
  /// Positions of the group's references of `block`.
  std::vector<ZcGePoint3d> Marks(const wchar_t* group, const wchar_t* block = L"Mark") {
    std::vector<ZcGePoint3d> out;
    for (ZcDbObjectId id : Members(group)) {
      auto* ref = Read<ZcDbBlockReference>(id);
      if (!ref) continue;
      ZcDbBlockTableRecord* record = Read<ZcDbBlockTableRecord>(ref->blockTableRecord());
      if (record && CString(record->name().c_str()).CompareNoCase(block) == 0) out.push_back(ref->position());
    }
    return out;
  }
  /// Runs a tape with the observer from `start` over the lines; the tape's result.
  int Drag(Fastrelle_Observer& observer, const std::wstring& start, const std::vector<std::wstring>& lines) {
    Fastrelle_Miarka tape;
    tape.Attach(&observer);
    headless::PushInput(start);
    int r = tape.PickStart();
    if (r == 0) {
      headless::PushInputs(lines);
      r = tape.Run();
    }
    if (r == 0) observer.OnFinish();
    else observer.OnCancel();
    return r;
  }
};

#endif
