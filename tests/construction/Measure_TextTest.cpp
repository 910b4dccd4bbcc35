#include "construction/Measure_Text.h"

#include "DragFixture.h"
#include "construction/Fastrelle_Miarka.h"

namespace {

using LengthText = DragTest;

TEST_F(LengthText, FollowsTheEndAlongTheCurveAndIsErasedOnEveryPath) {
  AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
  for (const wchar_t* end : {L"", L"@key Escape", L"@cancel"}) {
    ZcDbObjectId id;
    {
      Measure_Text text;
      id = text.Id();
      Fastrelle_Miarka tape;
      tape.Attach(&text);
      headless::PushInputs({L"0,0", L"@move 60,3"});
      ASSERT_EQ(0, tape.PickStart());
      // What the user sees while the drag reads: the prompt observer runs before each read.
      std::vector<std::wstring> shown;
      headless::SetPromptObserver([&] {
        auto* m = Read<ZcDbMText>(id);
        if (m) shown.push_back(m->contents());
      });
      headless::PushInput(end);
      tape.Run();
      headless::SetPromptObserver(nullptr);
      ASSERT_FALSE(shown.empty());
      EXPECT_EQ(L"60.00", shown.back());
      auto* m = Read<ZcDbMText>(id);
      ASSERT_TRUE(m);
      EXPECT_TRUE(m->location().isEqualTo(ZcGePoint3d(60, 0, 0)));
      EXPECT_NEAR(3.1415926535897931, m->rotation(), 1e-9);  // the normal (0,1) + a quarter turn
      EXPECT_NEAR(10.0, m->textHeight(), 1e-9);              // VIEWSIZE 300 / 30
    }
    ZcDbObject* gone = nullptr;
    EXPECT_NE(Zcad::eOk, zcdbOpenObject(gone, id, ZcDb::kForRead)) << "the preview outlived the tool";
  }
}

}  // namespace
