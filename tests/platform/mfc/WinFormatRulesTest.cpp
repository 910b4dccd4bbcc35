// The Windows printf rules that glibc does not share: integer sizes, null text, "%p",
// zero padding of text, and widths that must neither overflow nor be cut short.
#include "mfc/CString.h"

#include <gtest/gtest.h>

#include <limits>

TEST(WinFormatRules, IntegersAreReadAtTheSizeTheFormatNames) {
  CString s;
  s.Format(L"%u %x %X %o", -1, -1, -2, -1);
  EXPECT_EQ(s, L"4294967295 ffffffff FFFFFFFE 37777777777");
  s.Format(L"%lx %I64x %llx %I32x", -1, -1, -1, -1LL);
  EXPECT_EQ(s, L"ffffffff ffffffffffffffff ffffffffffffffff ffffffff");
  s.Format(L"%hd %hhd %hu %d", 70000, 300, -1, 1LL << 32);
  EXPECT_EQ(s, L"4464 44 65535 0");
  s.Format(L"%Iu %zu", static_cast<size_t>(1) << 40, static_cast<size_t>(5));
  EXPECT_EQ(s, L"1099511627776 5");
}

TEST(WinFormatRules, NullTextPrintsNullInBrackets) {
  CString s;
  s.Format(L"[%s][%S][%.3s]", static_cast<const wchar_t*>(nullptr),
           static_cast<const char*>(nullptr), static_cast<const wchar_t*>(nullptr));
  EXPECT_EQ(s, L"[(null)][(null)][(nu]");
}

TEST(WinFormatRules, TextAndCharactersTakeTheZeroFlag) {
  CString s;
  s.Format(L"[%05s][%-05s][%03c]", L"ab", L"ab", L'x');
  EXPECT_EQ(s, L"[000ab][ab   ][00x]");
}

TEST(WinFormatRules, PointersAreSixteenUpperCaseHexDigits) {
  CString s;
  s.Format(L"[%p][%20p]", reinterpret_cast<const void*>(0xabc), static_cast<const void*>(nullptr));
  EXPECT_EQ(s, L"[0000000000000ABC][    0000000000000000]");
}

TEST(WinFormatRules, LongFieldsAreNotCutShort) {
  CString s;
  s.Format(L"%.600f", 1.0);
  EXPECT_EQ(s.GetLength(), 602);
  s.Format(L"%1000d|", 7);
  EXPECT_EQ(s.GetLength(), 1001);
  EXPECT_EQ(s.Right(2), L"7|");
}

TEST(WinFormatRules, HugeWidthsNeitherOverflowNorHang) {
  CString s;
  s.Format(L"%99999999999999999999d|", 1);  // digits beyond any int
  EXPECT_EQ(s.Right(2), L"1|");
  s.Format(L"%*d|", static_cast<int>(0x80000000u), 1);  // the most negative width
  EXPECT_EQ(s.Left(2), L"1 ");
  s.Format(L"%.99999999999999999999s|", L"abc");
  EXPECT_EQ(s, L"abc|");
}

TEST(WinFormatRules, RealsOutOfRangeForAnIntegerAreNotConvertedAsTheyStand) {
  CString s;
  s.Format(L"%I64d %I64d %d|", 1e300, -1e300, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(s, L"9223372036854775807 -9223372036854775808 0|");
  s.Format(L"%*d|", 1e30, 1);  // a width too large is held at the largest honoured
  EXPECT_EQ(s.Right(2), L"1|");
}
