// Piece labels: each piece gets the shipped piece template at the centre of its box with
// its model, part, size and material, at the configured scale (a scale that is no number
// or not above 0 reads 1); a second run adds none, a moved piece gets its own; a missing
// template ends the run with its messages and keeps the labels made.
#include "layout/Layout_drawer_description.h"

#include "DescriptionFixture.h"
#include "headless/Host.h"
#include "layout/Layout_LabelItems_cmd.h"

namespace {

using PieceLabels = DescriptionTest;

ZcGePoint3d Centre(const ZcDbExtents& box) { return box.minPoint() + (box.maxPoint() - box.minPoint()) / 2.0; }

TEST_F(PieceLabels, EachPieceIsNamedAtTheCentreOfItsBoxWhateverItsTurn) {
  Border(300, 1000);
  const ZcDbObjectId front = KeyedPiece(L"spodnie|Przód|38|R|C", 100, 40, L"Bawełna");
  const ZcDbObjectId pocket = KeyedPiece(L"spodnie|Kieszeń|40|S|B", 30, 20);
  std::vector<ZcDbObjectId> pieces = {Place(front, {0, 0, 0}), Place(front, {300, 10, 0}, 90),
                                      Place(pocket, {400, 50, 0}, 37)};
  auto* mirrored = new ZcDbBlockReference(ZcGePoint3d(600, 20, 0), front);
  mirrored->setScaleFactors(ZcGeScale3d(-1, 1, 1));
  pieces.push_back(Add(mirrored));
  Layout_LabelItems_cmd command;
  command.Run();
  ASSERT_EQ(4, command.m_ids.length());
  const ZcDbObjectIdArray labels = ReferencesOf(L"FormDescription");
  ASSERT_EQ(4, labels.length());
  for (ZcDbObjectId piece : pieces) {
    const ZcGePoint3d centre = Centre(Box(piece));
    ZcDbObjectId label;
    for (ZcDbObjectId l : labels) {
      ZcDbBlockReference* ref = nullptr;
      zcdbOpenObject(ref, l, ZcDb::kForRead);
      if (ref->position().distanceTo(centre) < 1e-9) label = l;
      ref->close();
    }
    ASSERT_TRUE(label.isValid()) << centre.x << "," << centre.y;
    EXPECT_TRUE(Tagged(label, kLayoutApplication).HasTag(L"Description"));
    EXPECT_EQ(CString(L"spodnie"), Attribute(label, L"MODEL"));
    const bool isFront = piece != pieces[2];
    EXPECT_EQ(CString(isFront ? L"Przód" : L"Kieszeń"), Attribute(label, L"CZESC"));
    EXPECT_EQ(CString(isFront ? L"38" : L"40"), Attribute(label, L"ROZMIAR"));
    EXPECT_EQ(CString(isFront ? L"Bawełna" : L""), Attribute(label, L"MATERIAL"));
  }
}

TEST_F(PieceLabels, ASecondRunAddsNoneAndAMovedPieceGetsOne) {
  Border(300, 1000);
  const ZcDbObjectId block = KeyedPiece(L"a|P|38|S|C", 100, 40);
  Place(block, {0, 0, 0});
  const ZcDbObjectId moved = Place(block, {200, 0, 0});
  Layout_LabelItems_cmd().Run();
  Layout_LabelItems_cmd().Run();
  EXPECT_EQ(2, ReferencesOf(L"FormDescription").length());
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, moved, ZcDb::kForWrite));
  ref->setPosition(ZcGePoint3d(400, 50, 0));
  ref->close();
  Layout_LabelItems_cmd().Run();
  EXPECT_EQ(3, ReferencesOf(L"FormDescription").length());
}

TEST_F(PieceLabels, TheScaleIsTheSettingWhenAboveZeroElseOne) {
  const std::pair<const wchar_t*, double> cases[] = {{L"2.5", 2.5}, {L"0", 1.0}, {L"abc", 1.0}, {L"-3", 1.0}, {L"", 1.0}};
  for (const auto& [text, scale] : cases) {
    Plot_Settings().SetString(L"FormDescriptionDefaultSize", text);
    EXPECT_DOUBLE_EQ(scale, Layout_drawer_description::DefaultScale()) << headless::ToUtf8(text);
  }
  Plot_Settings().SetString(L"FormDescriptionDefaultSize", L"0");
  Border(300, 1000);
  const ZcDbObjectId piece = Place(KeyedPiece(L"a|P|38|S|C", 100, 40), {0, 0, 0});
  ZcDbObjectIdArray labels;
  ASSERT_EQ(0, Layout_drawer_description(piece).Label(labels));
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, labels[0], ZcDb::kForRead));
  EXPECT_DOUBLE_EQ(1.0, ref->scaleFactors().sx);
  ref->close();
}

TEST_F(PieceLabels, AMissingTemplateEndsTheRunWithItsMessagesAndKeepsEarlierLabels) {
  Border(300, 1000);
  const ZcDbObjectId block = KeyedPiece(L"a|P|38|S|C", 100, 40);
  Place(block, {0, 0, 0});
  Layout_LabelItems_cmd().Run();
  Place(block, {200, 0, 0});
  Plot_Settings().SetString(L"FormDescriptionDefaultName", PathOf("Brak\\FormDescription2.dwg"));
  headless::ClearTranscript();
  Layout_LabelItems_cmd().Run();
  const std::wstring transcript = headless::Transcript();
  EXPECT_NE(std::wstring::npos, transcript.find(L"Layout_drawer_description::Insert")) << headless::ToUtf8(transcript);
  EXPECT_NE(std::wstring::npos, transcript.find(L"Layout_LabelItems::Mark"));
  EXPECT_EQ(1, ReferencesOf(L"FormDescription").length());
  ZcDbObjectIdArray none;
  EXPECT_EQ(600, Layout_drawer_description(ZcDbObjectId()).Label(none));
  EXPECT_EQ(0, none.length());
}

}  // namespace
