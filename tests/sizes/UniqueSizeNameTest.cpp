// The name proposed for a new size: counted on from the last size's numeric tail, and
// never one that exists in another letter case.
#include "sizes/UniqueSizeName.h"

#include <gtest/gtest.h>

namespace {

CString Next(std::vector<CString> names) { return UniqueSizeNameFrom(names); }

TEST(UniqueSizeName, CountsOnFromTheLastNamesTail) {
  EXPECT_EQ(L"43", Next({L"0", L"38", L"40", L"42"}));
  EXPECT_EQ(L"1", Next({L"0"}));
  EXPECT_EQ(L"M_3", Next({L"0", L"M_2"}));
  EXPECT_EQ(L"XL_1", Next({L"0", L"XL"}));
  EXPECT_EQ(L"A_7", Next({L"0", L"A__7"}));  // empty pieces dropped
  EXPECT_EQ(L"44", Next({L"0", L"43", L"42"}));
  EXPECT_EQ(L"-1", Next({L"0", L"-2"}));
}

TEST(UniqueSizeName, ATakenNameInAnotherCaseIsSkipped) {
  EXPECT_EQ(L"m_4", Next({L"0", L"M_3", L"m_2"}));
  EXPECT_EQ(L"xl_2", Next({L"0", L"XL_1", L"xl"}));
}

TEST(UniqueSizeName, ATailTooLargeForSixtyFourBitsGetsASuffixInsteadOfWrapping) {
  EXPECT_EQ(L"M_12345678901234567890_1", Next({L"0", L"M_12345678901234567890"}));
  EXPECT_EQ(L"9223372036854775807_1", Next({L"0", L"9223372036854775807"}));
  EXPECT_EQ(L"9223372036854775806", Next({L"0", L"9223372036854775805"}));
}

}  // namespace
