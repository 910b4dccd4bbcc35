// The item text: what is written, and how texts written by hand or by older saves read.
#include "layout/LayoutItem.h"

#include <cmath>
#include <gtest/gtest.h>

#include "HostFixture.h"

namespace {

LayoutItem Item(const wchar_t* path, const wchar_t* part, const wchar_t* size, int quantity, double rotation,
                int lines) {
  return LayoutItem(path, Fastrelle_Part(part), size, quantity, rotation, lines);
}

TEST(LayoutItem, WritesSixFieldsWithTwoDecimalsOfRotation) {
  EXPECT_EQ(L"C:\\m\\a.dwg;Przód;S;2;0.00;2", Item(L"C:\\m\\a.dwg", L"Przód", L"S", 2, 0.0, 2).ToText(L";"));
  EXPECT_EQ(L"a|P|S|1|12.35|0", Item(L"a", L"P", L"S", 1, 12.349, 0).ToText(L"|"));
}

TEST(LayoutItem, ReadsBackWhatItWroteEvenWithTheSeparatorInThePath) {
  LayoutItem item = Item(L"C:\\modele;stare\\a;b.dwg", L"Rękaw", L"38", 3, -37.5, 1);
  LayoutItem back = LayoutItem::FromText(item.ToText(L";"), L";");
  EXPECT_EQ(item.m_modelPath, back.m_modelPath);
  EXPECT_EQ(L"Rękaw", back.m_part.GetName());
  EXPECT_EQ(L"38", back.m_size);
  EXPECT_EQ(3, back.m_quantity);
  EXPECT_DOUBLE_EQ(-37.5, back.m_rotation);
  EXPECT_EQ(1, back.m_lines);
  // The part's record is not read here: type 0, quantity 1.
  EXPECT_EQ(0, back.m_part.GetType());
  EXPECT_EQ(1, back.m_part.GetQuantity());
}

// An empty field stays in its place: the fields after it keep their meaning.
TEST(LayoutItem, EmptyFieldsKeepTheOthersInPlaceAndTakeTheirDefaults) {
  LayoutItem item = LayoutItem::FromText(L"a.dwg;;;;;", L";");
  EXPECT_EQ(L"a.dwg", item.m_modelPath);
  EXPECT_EQ(L"", item.m_part.GetName());
  EXPECT_EQ(L"", item.m_size);
  EXPECT_EQ(1, item.m_quantity);
  EXPECT_EQ(0.0, item.m_rotation);
  EXPECT_EQ(2, item.m_lines);
  EXPECT_EQ(L"a;b;c", LayoutItem::FromText(L"a;b;c", L"").m_modelPath);  // no separator: one field
  EXPECT_EQ(2, LayoutItem::FromText(L"a.dwg;Przód", L";").m_lines);      // short: defaults
  LayoutItem noSize = LayoutItem::FromText(L"a.dwg;Tył;;4;90.00;1", L";");
  EXPECT_EQ(L"", noSize.m_size);
  EXPECT_EQ(4, noSize.m_quantity);
  EXPECT_EQ(90.0, noSize.m_rotation);
  EXPECT_EQ(1, noSize.m_lines);
}

TEST(LayoutItem, ReadsHandWrittenNumbersByTheNumberRules) {
  LayoutItem item = LayoutItem::FromText(L"a;P;S;x;12,5;7", L";");
  EXPECT_EQ(1, item.m_quantity);  // no number
  EXPECT_DOUBLE_EQ(12.5, item.m_rotation);
  EXPECT_EQ(2, item.m_lines);  // 7 is neither 0 nor 1
  EXPECT_EQ(0, LayoutItem::FromText(L"a;P;S;1;0;0", L";").m_lines);
  EXPECT_EQ(2, LayoutItem::FromText(L"a;P;S;1;0;C", L";").m_lines);
  EXPECT_EQ(0.0, LayoutItem::FromText(L"a;P;S;1;r90;1", L";").m_rotation);
  // A rotation past the largest real reads 0, never infinity.
  EXPECT_EQ(0.0, LayoutItem::FromText(L"a;P;S;1;1e999;1", L";").m_rotation);
  EXPECT_EQ(0.0, LayoutItem::FromText(L"a;P;S;1;-1e999;1", L";").m_rotation);
}

}  // namespace
