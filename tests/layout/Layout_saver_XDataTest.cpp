// The layout content on the border: appending saves that merge on load, items of models
// that cannot be read, removing a model's part in one write, and writes the host refuses.
#include "layout/Layout_saver_XData.h"

#include <filesystem>

#include "LayoutFixture.h"
#include "framework/ResBuf.h"
#include "framework/XData.h"

namespace {

class LayoutContent : public LayoutTest {
protected:
  void SetUp() override {
    LayoutTest::SetUp();
    modelA_ = SaveModel("mod;A.dwg", {{L"Przód", 1, 2}, {L"Tył", 0, 1}});
    modelB_ = SaveModel("B.dwg", {{L"Rękaw", 2, 4}});
    border_ = AddPolyline({{0, 0}, {1000, 0}, {1000, 150}, {0, 150}});
  }
  LayoutItem Item(const CString& model, const wchar_t* part, const wchar_t* size, int quantity) {
    return LayoutItem(model, Fastrelle_Part(part), size, quantity, 0.0, 2);
  }
  /// What a saver loading the border's content holds.
  Layout_saver_XData Loaded() {
    Layout_saver_XData saver{Layout(0.0, 0.0)};
    saver.SetTarget(border_);
    saver.Load();
    return saver;
  }
  /// The border's content items, as stored.
  std::vector<CString> Stored() {
    std::vector<CString> texts;
    XDataReader reader;
    if (GetXData(reader, border_, L"Fastrelle_Layout_Content") != Zcad::eOk) return texts;
    for (resbuf* rb = reader.Head()->rbnext; rb; rb = rb->rbnext) texts.push_back(rb->resval.rstring);
    return texts;
  }

  CString modelA_, modelB_;
  ZcDbObjectId border_;
};

TEST_F(LayoutContent, AppendingSavesMergeOnLoadAndPartsTakeTheirModelsRecords) {
  Layout layout(150.0, 1000.0);
  layout.AddItem(Item(modelA_, L"Przód", L"S", 1));
  layout.AddItem(Item(modelB_, L"Rękaw", L"S", 2));
  Layout_saver_XData saver(layout);
  EXPECT_FALSE(saver.Save());  // no target yet
  saver.SetTarget(border_);
  ASSERT_TRUE(saver.Save());
  // The same item once more, its part named in another case: the second save appends.
  Layout_saver_XData again{Layout(0.0, 0.0)};
  again.AddItem(Item(modelA_, L"PRZÓD", L"s", 3));
  again.SetTarget(border_);
  ASSERT_TRUE(again.Save());
  EXPECT_EQ(3u, Stored().size());
  EXPECT_EQ(modelA_ + L";Przód;S;1;0.00;2", Stored()[0]);

  Layout_saver_XData loaded = Loaded();
  ASSERT_EQ(2u, loaded.GetItemCount());
  LayoutItem front = loaded.GetItem(0);
  EXPECT_EQ(modelA_, front.m_modelPath);  // the ";" of the path read back
  EXPECT_EQ(4, front.m_quantity);
  EXPECT_EQ(1, front.m_part.GetType());
  EXPECT_EQ(2, front.m_part.GetQuantity());
  EXPECT_EQ(2, loaded.GetItem(1).m_part.GetType());
}

TEST_F(LayoutContent, MalformedContentLoadsWhatItCanAndNamesAMissingModelOnce) {
  // Content written by hand or by another program: fields missing, words for numbers,
  // quantities past the integer range, numbers and points where texts belong.
  const CString huge = modelA_ + L";Przód;S;99999999999999999999;0;2";
  const CString words = modelA_ + L";Tył;M;many;north;both";
  ResBuf content;
  content.Add(1001, L"Fastrelle_Layout_Content");
  content.Add(1000, huge);
  content.Add(1000, huge);
  content.Add(1000, words);
  content.Add(1000, L"/nowhere/gone.dwg");
  content.Add(1000, L"/nowhere/gone.dwg;Kołnierz");
  resbuf* tail = content.Head();
  while (tail->rbnext) tail = tail->rbnext;
  tail->rbnext = zcutNewRb(1040);
  tail->rbnext->resval.rreal = 3.5;
  tail->rbnext->rbnext = zcutNewRb(1010);  // a point: no item text, skipped
  zcdbRegApp(L"Fastrelle_Layout_Content");
  ZcDbObject* border = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(border, border_, ZcDb::kForWrite));
  ASSERT_EQ(Zcad::eOk, border->setXData(content.Head()));
  border->close();

  headless::ClearTranscript();
  Layout_saver_XData loaded = Loaded();
  ASSERT_EQ(5u, loaded.GetItemCount());
  // Equal items merge without overflowing.
  EXPECT_EQ(L"Przód", loaded.GetItem(0).m_part.GetName());
  EXPECT_GT(loaded.GetItem(0).m_quantity, 0);
  const LayoutItem back = loaded.GetItem(1);
  EXPECT_EQ(L"M", back.m_size);
  EXPECT_EQ(1, back.m_quantity);
  EXPECT_EQ(0.0, back.m_rotation);
  EXPECT_EQ(2, back.m_lines);
  EXPECT_EQ(L"/nowhere/gone.dwg", loaded.GetItem(2).m_modelPath);
  EXPECT_EQ(L"", loaded.GetItem(2).m_part.GetName());
  EXPECT_EQ(L"Kołnierz", loaded.GetItem(3).m_part.GetName());
  EXPECT_EQ(L"3.500000", loaded.GetItem(4).m_modelPath);
  std::wstring transcript = headless::Transcript();
  std::size_t first = transcript.find(L"/nowhere/gone.dwg");
  ASSERT_NE(std::wstring::npos, first);
  EXPECT_EQ(std::wstring::npos, transcript.find(L"/nowhere/gone.dwg", first + 1));
  // Loading changed nothing on the border.
  XDataReader stored;
  ASSERT_EQ(Zcad::eOk, GetXData(stored, border_, L"Fastrelle_Layout_Content"));
  int items = 0;
  for (resbuf* rb = stored.Head()->rbnext; rb; rb = rb->rbnext) ++items;
  EXPECT_EQ(7, items);
}

TEST_F(LayoutContent, RemovingAPartKeepsTheItemsOfAModelThatCannotBeRead) {
  Layout layout(150.0, 1000.0);
  layout.AddItem(Item(modelA_, L"Przód", L"S", 1));
  layout.AddItem(Item(modelA_, L"Tył", L"S", 1));
  layout.AddItem(Item(modelA_, L"Tył", L"M", 1));
  layout.AddItem(Item(modelB_, L"Rękaw", L"S", 2));
  layout.AddItem(Item(modelB_, L"Rękaw", L"M", 2));
  Layout_saver_XData saver(layout);
  saver.SetTarget(border_);
  ASSERT_TRUE(saver.Save());

  std::filesystem::remove(headless::ToUtf8(modelB_.str()));
  headless::ClearTranscript();
  Layout_saver_XData editor = Loaded();
  // The unreadable model is named once, not once per item.
  std::wstring transcript = headless::Transcript();
  std::size_t first = transcript.find(modelB_.str());
  ASSERT_NE(std::wstring::npos, first);
  EXPECT_EQ(std::wstring::npos, transcript.find(modelB_.str(), first + 1));

  Layout removed(0.0, 0.0);
  removed.AddItem(Item(modelA_, L"tył", L"XL", 1));  // every size of the part goes
  ASSERT_EQ(0, editor.RemoveItems(removed));

  Layout_saver_XData reloaded = Loaded();
  ASSERT_EQ(3u, reloaded.GetItemCount());
  EXPECT_EQ(L"Przód", reloaded.GetItem(0).m_part.GetName());
  EXPECT_EQ(L"Rękaw", reloaded.GetItem(1).m_part.GetName());
  EXPECT_EQ(modelB_, reloaded.GetItem(1).m_modelPath);
  EXPECT_EQ(2, reloaded.GetItem(1).m_quantity);
  EXPECT_EQ(L"M", reloaded.GetItem(2).m_size);
}

TEST_F(LayoutContent, ARefusedWriteLeavesTheOldContent) {
  Layout layout(150.0, 1000.0);
  layout.AddItem(Item(modelA_, L"Przód", L"S", 1));
  layout.AddItem(Item(modelA_, L"Tył", L"S", 1));
  Layout_saver_XData saver(layout);
  saver.SetTarget(border_);
  ASSERT_TRUE(saver.Save());
  std::vector<CString> before = Stored();

  // The border held open for write elsewhere: the removal cannot write.
  ZcDbObject* held = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(held, border_, ZcDb::kForWrite));
  Layout removed(0.0, 0.0);
  removed.AddItem(Item(modelA_, L"Tył", L"S", 1));
  Layout_saver_XData editor = Loaded();
  EXPECT_NE(0, editor.RemoveItems(removed));
  held->close();
  EXPECT_EQ(before, Stored());
  // The host refusing the one write the removal makes.
  headless::FailXDataWrite(1);
  EXPECT_NE(0, Loaded().RemoveItems(removed));
  headless::FailXDataWrite(0);
  EXPECT_EQ(before, Stored());

  // Past the host's XData limit nothing is written and the save says so.
  Layout big(0.0, 0.0);
  CString longPath = CString(L'x', 400) + L".dwg";
  for (int i = 0; i < 60; ++i) {
    CString part;
    part.Format(L"Część %i", i);
    big.AddItem(LayoutItem(longPath, Fastrelle_Part(part), L"S", 1, 0.0, 2));
  }
  Layout_saver_XData tooMuch(big);
  tooMuch.SetTarget(border_);
  EXPECT_FALSE(tooMuch.Save());
  EXPECT_EQ(before, Stored());
}

}  // namespace
