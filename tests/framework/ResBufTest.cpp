// Result-buffer lists built by the system: item types, filter markers, and the refusal of
// text items under codes that cannot hold a text.
#include "framework/ResBuf.h"

#include <gtest/gtest.h>

namespace {

TEST(ResBuf, ItemsKeepTheirOrderAndTypes) {
  FilterBuffer f;
  f.AddString(L"INSERT");
  f.BeginOr();
  f.Add(2, L"Blok");
  f.EndOr();
  f.AddPoint({1, 2, 3});
  std::vector<std::pair<int, std::wstring>> items;
  for (resbuf* rb = f.Head(); rb; rb = rb->rbnext)
    items.emplace_back(rb->restype, zcResKind(rb->restype) == ZcResKind::String ? rb->resval.rstring : L"");
  EXPECT_EQ((std::vector<std::pair<int, std::wstring>>{
                {0, L"INSERT"}, {-4, L"<OR"}, {2, L"Blok"}, {-4, L"OR>"}, {RTPOINT, L""}}),
            items);
  EXPECT_EQ(CString(L"INSERT"), f.FirstText());
}

TEST(ResBuf, TextUnderANumberCodeIsRefused) {
  ResBuf list;
  EXPECT_FALSE(list.Add(1071, L"12"));
  EXPECT_FALSE(list.Add(RTREAL, L"1.5"));
  EXPECT_EQ(nullptr, list.Head());
  EXPECT_TRUE(list.Add(8, L"38'"));
}

}  // namespace
