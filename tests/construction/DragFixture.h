// A drawing with sizes 38 and 40 (base) and the construction module's strings and
// dialogs loaded, for the drag tools; an observer that records what the tool showed.
#ifndef TESTS_CONSTRUCTION_DRAGFIXTURE_H
#define TESTS_CONSTRUCTION_DRAGFIXTURE_H

#include <string>
#include <vector>

#include "PartsFixture.h"
#include "construction/Fastrelle_Miarka_Subject.h"
#include "construction/Fastrelle_Observer.h"
#include "ed/SystemVariables.h"
#include "headless/Database.h"
#include "headless/Windows.h"

/// Records the tool's end point, normal at the end and length at each move.
class RecordingObserver : public Fastrelle_Observer {
public:
  struct Seen {
    ZcGePoint3d end;
    ZcGeVector3d normal;
    double length;
  };
  void OnMove() override { seen.push_back({m_subject->EndPoint(), m_subject->NormalAtEnd(), m_subject->GetLength()}); }
  void OnCancel() override { ++cancels; }
  void OnFinish() override { ++finishes; }
  std::vector<Seen> seen;
  int begins = 0, cancels = 0, finishes = 0;
  void OnBegin(Fastrelle_Miarka_Subject* s) override {
    Fastrelle_Observer::OnBegin(s);
    ++begins;
  }
};

class DragTest : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    std::wstring module = headless::FromUtf8(FASTRELLE_INSTALL_DIR) + L"/Fastrelle_Construction.zrx";
    ASSERT_TRUE(Linker()->loadModule(module.c_str(), true, false));
    windows_ = headless::LiveWindowCount();
    SetPickStyle(3);
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the tool";
    EXPECT_EQ(0, headless::WriteViolations()) << "an object was changed without being open for write";
    EXPECT_EQ(0, headless::StrayCloses()) << "an object was closed that was not open";
    PartsTest::TearDown();
  }
  static void SetPickStyle(int value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(value);
    zcedSetVar(L"PICKSTYLE", &rb);
  }
  static int PickStyle() {
    resbuf rb{};
    zcedGetVar(L"PICKSTYLE", &rb);
    return rb.resval.rint;
  }
  /// The input lines not read yet.
  static std::vector<std::wstring> Unread() {
    std::vector<std::wstring> out;
    for (std::wstring line; headless::PopInput(line);) out.push_back(line);
    return out;
  }
  std::size_t windows_ = 0;
};

#endif
