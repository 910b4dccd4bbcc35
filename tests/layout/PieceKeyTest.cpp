// The piece key: the block name that tells model, part, size, side and lines.
#include "layout/PieceKey.h"

#include <gtest/gtest.h>

#include "HostFixture.h"

namespace {

TEST(PieceKey, NamesTheModelTitlePartSizeSideAndLines) {
  EXPECT_EQ(L"a|Przód|S|R|B", MakePieceKey(L"C:\\m\\a.dwg", L"Przód", L"S", 2, 2));
  EXPECT_EQ(L"a.b|P|38|S|C", MakePieceKey(L"C:\\m\\a.b.dwg", L"P", L"38", 0, 0));
  // Codes out of range write "0"; an empty path, part or size gives no key.
  EXPECT_EQ(L"m|P|S|0|0", MakePieceKey(L"/x/m", L"P", L"S", 9, -1));
  EXPECT_EQ(L"", MakePieceKey(L"", L"P", L"S", 0, 0));
  EXPECT_EQ(L"", MakePieceKey(L"a.dwg", L"P", L"", 0, 0));
}

TEST(PieceKey, ReadsBackWhatItWroteLetterCaseAsideAndRunsOfSeparatorsAsOne) {
  for (int side = 0; side <= 4; ++side)
    for (int lines = 0; lines <= 2; ++lines) {
      CString title, part, size;
      int s = -1, l = -1;
      ParsePieceKey(MakePieceKey(L"C:\\m\\a.dwg", L"Tył", L"XL", side, lines), title, part, size, s, l);
      EXPECT_EQ(L"a", title);
      EXPECT_EQ(L"Tył", part);
      EXPECT_EQ(L"XL", size);
      EXPECT_EQ(side, s);
      EXPECT_EQ(lines, l);
    }
  CString title, part, size;
  int side = -1, lines = -1;
  ParsePieceKey(L"a|P|S|b|s", title, part, size, side, lines);
  EXPECT_EQ(4, side);
  EXPECT_EQ(1, lines);
  ParsePieceKey(L"a|P|S|X|Q", title, part, size, side, lines);
  EXPECT_EQ(0, side);
  EXPECT_EQ(2, lines);
  // Runs of "|" count as one; missing fields keep the codes.
  side = 3;
  ParsePieceKey(L"a||Q|M", title, part, size, side, lines);
  EXPECT_EQ(L"Q", part);
  EXPECT_EQ(L"M", size);
  EXPECT_EQ(3, side);
}

}  // namespace
