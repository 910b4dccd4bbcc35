// The parts drawing (sizes 38 and 40) with the construction module's strings and dialogs
// on the resource chain, the symbol memories forgotten and no window left behind, and
// helpers that run a marking command as the user types it and read what it left.
#ifndef TESTS_CONSTRUCTION_MARKINGFIXTURE_H
#define TESTS_CONSTRUCTION_MARKINGFIXTURE_H

#include <string>
#include <vector>

#include "PartsFixture.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/RememberedSymbol.h"
#include "db/ZcDbBlockReference.h"
#include "framework/BlockReference.h"
#include "headless/Database.h"
#include "headless/Windows.h"

class MarkingTest : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    const std::wstring module = headless::FromUtf8(FASTRELLE_INSTALL_DIR) + L"/Fastrelle_Construction.zrx";
    ASSERT_TRUE(Linker()->loadModule(module.c_str(), true, false));
    ForgetSymbols();
    headless::ClearTranscript();
    windows_ = headless::LiveWindowCount();
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the command";
    EXPECT_EQ(0, headless::WriteViolations()) << "an object was changed without being open for write";
    EXPECT_EQ(0, headless::StrayCloses()) << "an object was closed that was not open";
    ForgetSymbols();
    PartsTest::TearDown();
  }
  static void ForgetSymbols() {
    RememberedSymbol::Notch().Forget();
    RememberedSymbol::Hole().Forget();
    RememberedSymbol::SpecialPoint().Forget();
  }
  /// Runs the command as typed on the command line, its prompts answered by `inputs`.
  template <class Command>
  void Run(const std::vector<std::wstring>& inputs) {
    headless::PushInputs(inputs);
    RunInsideCommand([] { Command().Run(); });
  }
  /// The live references of block `name` among the members of group `group`.
  std::vector<ZcDbBlockReference*> Symbols(const wchar_t* group, const wchar_t* name) {
    std::vector<ZcDbBlockReference*> refs;
    for (ZcDbObjectId id : Members(group)) {
      ZcDbBlockReference* ref = nullptr;
      if (id.isErased() || zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
      ref->close();
      if (GetBlockReferenceName(ref) == name) refs.push_back(ref);
    }
    return refs;
  }
  static std::wstring Templates(const std::string& name) { return Install().Windows("Templates/" + name); }
  std::size_t windows_ = 0;
};

#endif
