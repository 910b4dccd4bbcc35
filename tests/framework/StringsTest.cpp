// Splitting, joining, the number test, and the name/value and keyword lists.
#include "framework/Strings.h"

#include <gtest/gtest.h>

#include "framework/KeywordList.h"
#include "framework/NameValueList.h"

namespace {

std::vector<std::wstring> Items(const CStringArray& a) {
  std::vector<std::wstring> out;
  for (const CString& s : a) out.push_back(s.str());
  return out;
}

TEST(SplitString, SkipsEmptyPiecesAndTrimsOnRequest) {
  CStringArray out;
  out.Add(L"old");
  SplitString(L"a,,b", L",", out, true);
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), Items(out));
  SplitString(L" x ; y ", L";", out, true);
  EXPECT_EQ((std::vector<std::wstring>{L"x", L"y"}), Items(out));
  SplitString(L" x ; y ", L";", out, false);
  EXPECT_EQ((std::vector<std::wstring>{L" x ", L" y "}), Items(out));
  SplitString(L"a;b", L"", out, true);
  EXPECT_EQ((std::vector<std::wstring>{L"a;b"}), Items(out));
}

TEST(SplitToKeywordList, ClearsTheListInEveryCaseAndKeepsBlankPiecesAsSplitStringDoes) {
  KeywordList list;
  list.Add(L"old");
  SplitToKeywordList(L"XS; S ;;M; ", L";", list);
  EXPECT_EQ(CString(L"XS|S|M|"), list.Join(L"|"));
  SplitToKeywordList(L"A; ;B", L";", list);
  EXPECT_EQ(CString(L"A||B"), list.Join(L"|"));
  SplitToKeywordList(L"38 40", L"", list);
  EXPECT_EQ(1, list.GetCount());
  EXPECT_EQ(CString(L"38 40"), list[0]);
}

TEST(Numbers, StartWithNumberParseWithCommaAndFormat) {
  EXPECT_TRUE(StartsWithNumber(L""));
  EXPECT_TRUE(StartsWithNumber(L",5"));
  EXPECT_FALSE(StartsWithNumber(L"x1"));
  CString text = L"1,5";
  double value = -1;
  EXPECT_TRUE(ParseDouble(text, value));
  EXPECT_DOUBLE_EQ(1.5, value);
  EXPECT_EQ(CString(L"1.5"), text);
  CString word = L"abc";
  EXPECT_FALSE(ParseDouble(word, value));
  EXPECT_DOUBLE_EQ(1.5, value);
  EXPECT_EQ(CString(L"2"), DoubleToString(2.0, 0));
  EXPECT_EQ(CString(L"1.250"), DoubleToString(1.25, 3));
  EXPECT_EQ(CString(L"-7"), IntToString(-7));
}

TEST(JoinStrings, PutsSeparatorsOnlyBetween) {
  EXPECT_EQ(CString(), JoinStrings(CStringArray(), L","));
  EXPECT_EQ(CString(L"a,b"), JoinStrings(CStringArray{L"a", L"b"}, L","));
  EXPECT_EQ(CString(L"b"), GetLastString(CStringArray{L"a", L"b"}));
  EXPECT_EQ(CString(), GetLastString(CStringArray()));
  EXPECT_EQ(CString(L"Łódź"), StdStringToCString("\xA3\xF3\x64\x9F"));
}

TEST(KeywordList, FindsCaseSensitively) {
  KeywordList list;
  list.Add(L"Tak");
  list.Add(L"Nie");
  EXPECT_EQ(1, list.IndexOf(L"Nie"));
  EXPECT_EQ(-1, list.IndexOf(L"nie"));
  EXPECT_EQ(CString(), KeywordList().Join(L"/"));
  EXPECT_EQ(CString(), list[2]);
  EXPECT_EQ(CString(), list[-1]);
}

TEST(NameValueList, FindsNamesIgnoringPolishCase) {
  NameValueList list;
  list.Add(L"MATERIAŁ", L"len");
  list.Add(L"materiał", L"wełna");
  CString value;
  EXPECT_TRUE(list.GetValue(L"Materiał", value));
  EXPECT_EQ(CString(L"len"), value);
  EXPECT_FALSE(list.GetValue(L"Material", value));
  EXPECT_EQ(CString(L"len"), value);
}

TEST(NameValueList, AppendOfItselfDoublesAndReplaceTouchesOnlyValues) {
  NameValueList list;
  list.Add(L"{R}", L"rozmiar {R}");
  NameValueList copy = list.Append(list);
  ASSERT_EQ(2, list.GetCount());
  EXPECT_EQ(2, copy.GetCount());
  list.ReplaceInValues(L"{R}", L"38");
  EXPECT_EQ(CString(L"{R}"), list[1].name);
  EXPECT_EQ(CString(L"rozmiar 38"), list[1].value);
  EXPECT_EQ(CString(), list[2].name);
  EXPECT_EQ(CString(), list[-1].value);
}

}  // namespace
