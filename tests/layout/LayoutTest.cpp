// The layout: merging equal items, the current layout the dialogs share.
#include "layout/Layout.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "HostFixture.h"

namespace {

LayoutItem Item(const wchar_t* path, const wchar_t* part, const wchar_t* size, int quantity) {
  return LayoutItem(path, Fastrelle_Part(part), size, quantity, 0.0, 2);
}

struct CurrentLayout : ::testing::Test {
  void TearDown() override { Layout::FreeCurrent(); }
};

TEST_F(CurrentLayout, EqualItemsMergeTheirQuantitiesAndOtherSizesStayApart) {
  Layout layout(150.0, 1000.0);
  layout.AddItem(Item(L"a.dwg", L"Przód", L"S", 2));
  layout.AddItem(LayoutItem(L"A.DWG", Fastrelle_Part(L"PRZÓD"), L"s", 3, 90.0, 0));
  layout.AddItem(Item(L"a.dwg", L"Przód", L"M", 1));
  ASSERT_EQ(2u, layout.GetItemCount());
  LayoutItem merged = layout.GetItem(0);
  EXPECT_EQ(5, merged.m_quantity);
  // The first item's rotation and lines stand.
  EXPECT_EQ(0.0, merged.m_rotation);
  EXPECT_EQ(2, merged.m_lines);
  EXPECT_EQ(L"M", layout.GetItem(1).m_size);
  EXPECT_THROW(layout.GetItem(2), std::out_of_range);
  EXPECT_DOUBLE_EQ(150000.0, layout.GetArea());
}

TEST_F(CurrentLayout, SetCurrentReplacesItAndNewLayoutsStartAsItsCopy) {
  EXPECT_EQ(0u, Layout().GetItemCount());
  Layout filled(120.0, 800.0);
  filled.AddItem(Item(L"a.dwg", L"Tył", L"S", 1));
  filled.AddItem(Item(L"a.dwg", L"Tył", L"M", 2));
  filled.SetCurrent();
  Layout copy;
  EXPECT_EQ(120.0, copy.GetWidth());
  EXPECT_EQ(800.0, copy.GetLength());
  ASSERT_EQ(2u, copy.GetItemCount());
  // Setting another replaces every item, it does not add to them.
  Layout other(60.0, 70.0);
  other.AddItem(Item(L"b.dwg", L"Kołnierz", L"S", 4));
  other.SetCurrent();
  ASSERT_EQ(1u, Layout::Current().GetItemCount());
  EXPECT_EQ(L"Kołnierz", Layout::Current().GetItem(0).m_part.GetName());
  Layout::FreeCurrent();
  EXPECT_EQ(0u, Layout::Current().GetItemCount());
  EXPECT_EQ(0.0, Layout::Current().GetWidth());
}

}  // namespace
