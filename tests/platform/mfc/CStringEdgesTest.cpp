// CString operations at the edges of the text, as MFC answers them.
#include "mfc/CString.h"

#include <gtest/gtest.h>

TEST(CStringEdges, DeleteFromANegativeIndexStartsAtTheFirstCharacter) {
  CString s(L"abcdef");
  EXPECT_EQ(s.Delete(-3, 2), 4);
  EXPECT_EQ(s, L"cdef");
  EXPECT_EQ(s.Delete(2, 99), 2);
  EXPECT_EQ(s, L"cd");
  EXPECT_EQ(s.Delete(5, 1), 2);
  EXPECT_EQ(s.Delete(0, -1), 2);
}

TEST(CStringEdges, ReplacingACharacterByItselfCountsNothing) {
  CString s(L"a.b.c");
  EXPECT_EQ(s.Replace(L'.', L'.'), 0);
  EXPECT_EQ(s.Replace(L'.', L','), 2);
  EXPECT_EQ(s, L"a,b,c");
}

TEST(CStringEdges, FindAtAndPastTheEnd) {
  CString s(L"abc");
  EXPECT_EQ(s.Find(L"", 3), 3);
  EXPECT_EQ(s.Find(L"c", 4), -1);
  EXPECT_EQ(s.Find(L'a', -1), -1);
  EXPECT_EQ(s.Mid(3, 1), L"");
  EXPECT_EQ(s.Mid(1, -1), L"");
  int pos = 3;
  EXPECT_EQ(s.Tokenize(L",", pos), L"");
  EXPECT_EQ(pos, -1);
}

TEST(CStringEdges, CaseChangesOneCharacterForOneAsWindowsDoes) {
  CString s(L"straße ŁÓDŹ");
  EXPECT_EQ(CString(s).MakeUpper(), L"STRAßE ŁÓDŹ");
  EXPECT_EQ(CString(L"İ").MakeLower().GetLength(), 1);
  EXPECT_NE(CString(L"ß").CompareNoCase(L"ss"), 0);
  EXPECT_EQ(CString(L"ŻÓŁW").CompareNoCase(L"żółw"), 0);
  CString odd;
  odd += static_cast<wchar_t>(0x110000);  // not a character: left as it is
  odd += L'a';
  odd.MakeUpper();
  EXPECT_EQ(odd.GetAt(0), static_cast<wchar_t>(0x110000));
  EXPECT_EQ(odd.GetAt(1), L'A');
}

TEST(CStringEdges, CompareNoCaseOrdersAsWellAsTestsEquality) {
  EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
  EXPECT_GT(CString(L"ABD").CompareNoCase(L"abc"), 0);
  EXPECT_LT(CString(L"AB").CompareNoCase(L"abc"), 0);  // a prefix comes first
  EXPECT_LT(CString(L"łódź").CompareNoCase(L"ŁÓDŹA"), 0);
  EXPECT_LT(CString(L"_").CompareNoCase(L"a"), 0);  // folded to lower case, as Windows does
  EXPECT_LT(CString(L"_").CompareNoCase(L"A"), 0);
}

TEST(CStringArrayEdges, InsertPastTheEndGrowsTheArrayUpToIt) {
  CStringArray a{L"x"};
  a.InsertAt(3, L"y", 2);
  ASSERT_EQ(a.GetSize(), 5);
  EXPECT_EQ(a[0], L"x");
  EXPECT_EQ(a[1], L"");
  EXPECT_EQ(a[2], L"");
  EXPECT_EQ(a[3], L"y");
  EXPECT_EQ(a[4], L"y");
}

TEST(CStringArrayEdges, RemoveWithAHugeCountStopsAtTheEnd) {
  CStringArray a{L"a", L"b", L"c"};
  a.RemoveAt(1, 0x7fffffff);
  ASSERT_EQ(a.GetSize(), 1);
  EXPECT_EQ(a[0], L"a");
}
