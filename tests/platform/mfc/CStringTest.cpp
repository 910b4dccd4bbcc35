#include "mfc/CString.h"

#include <gtest/gtest.h>

#include "HostFixture.h"

TEST(CStringFormat, PercentSTakesWideTextWithPolishLetters) {
  CString s;
  s.Format(L"Plik %s nie został odnaleziony!", CString(L"Przód żółć.dwg"));
  EXPECT_EQ(s, L"Plik Przód żółć.dwg nie został odnaleziony!");
  s.Format(L"%s|%s", L"a", std::wstring(L"ą"));
  EXPECT_EQ(s, L"a|ą");
}

TEST(CStringFormat, NumbersFollowTheCLocale) {
  CString s;
  s.Format(L"%0.6f %f %i %d %5.1f %-4d| %x %I64d %%", 2.5, 1.0 / 3.0, 42, -7, 3.14159, 12, 255, 1LL << 40);
  EXPECT_EQ(s, L"2.500000 0.333333 42 -7   3.1 12  | ff 1099511627776 %");
}

TEST(CStringFormat, CapitalSAndHsTakeNarrowTextInWindows1250) {
  CString s;
  s.Format(L"%S/%hs", "abc", "\xB9\xE6");  // ą ć in Windows-1250
  EXPECT_EQ(s, L"abc/ąć");
}

TEST(CStringFormat, MismatchedArgumentsNeverReadPastThem) {
  CString s;
  s.Format(L"%s and %s then %d", L"one");
  EXPECT_EQ(s, L"one and  then ");
  s.Format(L"%s", 5);  // a number where text is asked for prints nothing
  EXPECT_EQ(s, L"");
  s.Format(L"100%");
  EXPECT_EQ(s, L"100%");
  int untouched = 5;
  s.Format(L"a%nb", &untouched);  // writing through an argument is refused
  EXPECT_EQ(s, L"ab");
  EXPECT_EQ(untouched, 5);
}

TEST(CStringFormat, StarTakesWidthAndPrecisionFromArguments) {
  CString s;
  s.Format(L"[%*.*f][%-*s]", 8, 2, 3.14159, 4, L"ab");
  EXPECT_EQ(s, L"[    3.14][ab  ]");
}

TEST(CStringCase, FoldsPolishLettersWhateverTheLocale) {
  CString s(L"łódź żółw");
  EXPECT_EQ(CString(s).MakeUpper(), L"ŁÓDŹ ŻÓŁW");
  EXPECT_EQ(CString(L"ĄĘŚ").MakeLower(), L"ąęś");
  EXPECT_EQ(s.CompareNoCase(L"ŁÓDŹ ŻÓŁW"), 0);
  EXPECT_NE(s.CompareNoCase(L"LODZ ZOLW"), 0);
}

TEST(CStringCase, CollatesInPolishOrder) {
  // Polish order puts "ą" right after "a" and "ł" after "l", unlike code-point order.
  EXPECT_LT(CString(L"ąb").Collate(L"b"), 0);
  EXPECT_LT(CString(L"łyk").Collate(L"m"), 0);
  EXPECT_GT(CString(L"łyk").Collate(L"lz"), 0);
  EXPECT_EQ(CString(L"Żaba").CollateNoCase(L"żaba"), 0);
}

TEST(CStringEdit, PositionsOutOfRangeAreClamped) {
  CString s(L"abc");
  EXPECT_EQ(s.Left(10), L"abc");
  EXPECT_EQ(s.Mid(5), L"");
  EXPECT_EQ(s.Mid(-1, 2), L"ab");
  EXPECT_EQ(s.Right(-3), L"");
  EXPECT_EQ(s.GetAt(7), L'\0');
  EXPECT_EQ(s.Find(L'c', 9), -1);
}

TEST(CStringEdit, TrimLeavesInnerBlanksAndTrimsGivenCharacters) {
  CString s(L" \t a b \r\n");
  EXPECT_EQ(s.Trim(), L"a b");
  CString t(L"xxaxx");
  EXPECT_EQ(t.Trim(L'x'), L"a");
}

TEST(CStringEdit, TokenizeSkipsEmptyTokensAndEndsWithMinusOne) {
  CString s(L";a;;b;");
  int pos = 0;
  EXPECT_EQ(s.Tokenize(L";", pos), L"a");
  EXPECT_EQ(s.Tokenize(L";", pos), L"b");
  EXPECT_EQ(s.Tokenize(L";", pos), L"");
  EXPECT_EQ(pos, -1);
}

TEST(CStringEdit, ReplaceCountsAndNeverLoopsOnGrowingText) {
  CString s(L"a.b.c");
  EXPECT_EQ(s.Replace(L".", L".."), 2);
  EXPECT_EQ(s, L"a..b..c");
  EXPECT_EQ(s.Replace(L"", L"x"), 0);
}

TEST(CStringBuffer, ReleaseBufferCutsAtTheTerminator) {
  CString s;
  wchar_t* buf = s.GetBuffer(10);
  buf[0] = L'h';
  buf[1] = L'i';
  buf[2] = L'\0';
  s.ReleaseBuffer();
  EXPECT_EQ(s, L"hi");
  EXPECT_EQ(s.GetLength(), 2);
}

TEST(CStringArray, AppendOfItselfDoublesItAndBadIndexesAreHarmless) {
  CStringArray a{L"x", L"y"};
  a.Append(a);
  ASSERT_EQ(a.GetSize(), 4);
  EXPECT_EQ(a[3], L"y");
  a.RemoveAt(10);
  a.SetAt(-1, L"z");
  EXPECT_EQ(a.GetAt(99), L"");
  EXPECT_EQ(a.GetSize(), 4);
}
