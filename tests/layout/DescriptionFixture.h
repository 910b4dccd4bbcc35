// The layout tests that read the install folder (Plot.ini, the description templates):
// the built install tree as the install folder, and helpers to read a label's texts and
// to list what model space holds.
#ifndef TESTS_LAYOUT_DESCRIPTIONFIXTURE_H
#define TESTS_LAYOUT_DESCRIPTIONFIXTURE_H

#include "LayoutFixture.h"
#include "framework/BlockReference.h"
#include "framework/Plot_Settings.h"
#include "framework/UI_Block.h"

class DescriptionTest : public LayoutTest {
protected:
  void SetUp() override {
    LayoutTest::SetUp();
    zcedSetEnv(L"Fastrelle_Construction_Path", headless::FromUtf8(FASTRELLE_INSTALL_DIR).c_str());
  }
  void TearDown() override {
    Plot_Settings().SetString(L"FormDescriptionDefaultSize", L"1.000000");
    Plot_Settings().SetString(L"FormDescriptionDefaultName", L"Templates\\FormDescription.dwg");
    LayoutTest::TearDown();
  }
  static CString Attribute(ZcDbObjectId refId, const wchar_t* tag) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, refId, ZcDb::kForRead) != Zcad::eOk) return L"<none>";
    ref->close();
    CString text;
    GetAttributeValue(ref, tag, text);
    return text;
  }
  /// Model space's references of the block `name`.
  static ZcDbObjectIdArray ReferencesOf(const wchar_t* name) {
    ZcDbObjectIdArray ids;
    UI_Block(name, false).GetReferenceIds(ids);
    return ids;
  }
  /// A piece block named by its key: a w × h rectangle and its region, tagged "Form" and,
  /// unless empty, with the material.
  ZcDbObjectId KeyedPiece(const wchar_t* key, double w, double h, const wchar_t* material = L"") {
    ZcDbObjectId block = PieceBlock(key, {Rectangle(w, h)});
    if (*material) Tagged(block, kLayoutApplication).AddTag(CString(L"material=") + material);
    return block;
  }
  /// A piece block named by its key from the curves (taken) and their region.
  ZcDbObjectId KeyedPieceOf(const wchar_t* key, std::vector<ZcDbEntity*> curves) { return PieceBlock(key, curves); }
};

#endif
