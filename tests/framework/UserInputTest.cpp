// The prompt objects: the prompt layout, defaults, refused empty answers, cancel, and the
// distance prompt asked twice.
#include "framework/UserInput.h"

#include "HostFixture.h"
#include "ed/zced.h"

namespace {

class PromptObjects : public HostTest {
protected:
  static void Mode(KWordSelector& s, int defaultIndex) {
    s.m_message = L"Tryb";
    s.AddKeyword(L"A");
    s.AddKeyword(L"B");
    s.SetDefault(defaultIndex);
  }
};

TEST_F(PromptObjects, KeywordPromptLayoutAndEnterChoosesTheDefault) {
  headless::PushInput(L"");
  KWordSelector s;
  Mode(s, 1);
  EXPECT_EQ(RTNORM, s.GetKeyword());
  EXPECT_EQ(CString(L"B"), s.m_chosen);
  EXPECT_EQ(0u, headless::Transcript().find(L"\nTryb[A/B]<B>:"));
}

TEST_F(PromptObjects, WithoutADefaultAnEmptyAnswerIsAskedAgain) {
  headless::PushInputs({L"", L"", L"a"});
  KWordSelector s;
  Mode(s, -1);
  EXPECT_EQ(RTNORM, s.GetKeyword());
  EXPECT_EQ(CString(L"A"), s.m_chosen);
  EXPECT_EQ(0u, headless::PendingInput());
}

TEST_F(PromptObjects, CancelAndAnEmptyListEndTheQuestion) {
  KWordSelector s;
  Mode(s, -1);
  EXPECT_EQ(RTCAN, s.GetKeyword());  // nothing left to answer with
  headless::ClearTranscript();
  KWordSelector none(L"Nic");
  EXPECT_EQ(kNoKeywords, none.GetKeyword());
  EXPECT_EQ(L"", headless::Transcript());
}

TEST_F(PromptObjects, DistanceDefaultOnEnterAndTheSameQuestionEachTime) {
  headless::PushInputs({L"", L"7.5"});
  DistSelector d(L"Dodatek", 10.0);
  EXPECT_EQ(RTNORM, d.GetDistance());
  EXPECT_DOUBLE_EQ(10.0, d.m_distance);
  EXPECT_EQ(RTNORM, d.GetDistance());
  EXPECT_DOUBLE_EQ(7.5, d.m_distance);
  EXPECT_EQ(L"\nDodatek:<10.000000>\nDodatek:<10.000000>7.5", headless::Transcript());
}

}  // namespace
