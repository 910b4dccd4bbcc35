// MOVE, ROTATE and ALIGN over a drawing read from DXF text that holds an entity kept as read
// (a SOLID): the edit is refused whole, typed or driven, with one plain message and the
// drawing's text unchanged; without kept entities the same edit still moves.
#include "ed/HostCommands.h"

#include "DrawingFixture.h"

namespace {

const std::string kLine = "0\nLINE\n5\n2F\n8\n0\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n";
// A kept SOLID with the handle `handle`.
std::string Solid(const std::string& handle) {
  return "0\nSOLID\n5\n" + handle + "\n100\nAcDbEntity\n8\n0\n100\nAcDbTrace\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n"
    "12\n0\n22\n10\n32\n0\n13\n10\n23\n10\n33\n0\n";
}
const std::string kSolid = Solid("30");

std::string WithEntities(const std::string& records) {
  return "0\nSECTION\n2\nENTITIES\n" + records + "0\nENDSEC\n0\nEOF\n";
}

class EditCommands : public DrawingTest {
protected:
  static void Type(const wchar_t* command, std::vector<std::wstring> answers) {
    headless::PushInputs(answers);
    ASSERT_EQ(headless::CommandResult::Ran, headless::RunCommand(command));
  }
  static std::size_t Count(const std::wstring& text, const std::wstring& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  // Reads `records` into the working drawing and runs `edit` over all of it; true when the
  // drawing's DXF text is the same afterwards.
  bool LeavesTheDrawingAsRead(const std::string& records, const std::function<void()>& edit) {
    EXPECT_EQ(Zcad::eOk, db_->readDxfText(WithEntities(records)));
    const std::string before = db_->dxfText();
    headless::ClearTranscript();
    edit();
    return db_->dxfText() == before;
  }
};

TEST_F(EditCommands, TypedEditsOverAKeptEntityChangeNothingAndSaySoOnce) {
  const std::wstring kMoved = L"1 object kept as read cannot be moved; nothing was changed.";
  EXPECT_TRUE(LeavesTheDrawingAsRead(kLine + kSolid, [] { Type(L"MOVE", {L"ALL", L"", L"0,0", L"5,5"}); }));
  EXPECT_EQ(1u, Count(headless::Transcript(), kMoved)) << headless::Transcript();
  EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L"eNotApplicable"));
  EXPECT_TRUE(LeavesTheDrawingAsRead(kLine + kSolid, [] { Type(L"ROTATE", {L"ALL", L"", L"0,0", L"90"}); }));
  EXPECT_EQ(1u, Count(headless::Transcript(), L"1 object kept as read cannot be rotated; nothing was changed."));
  EXPECT_TRUE(LeavesTheDrawingAsRead(
      kLine + kSolid, [] { Type(L"ALIGN", {L"ALL", L"", L"0,0", L"5,5", L"10,0", L"5,25", L"", L"N"}); }));
  EXPECT_EQ(1u, Count(headless::Transcript(), L"1 object kept as read cannot be aligned; nothing was changed."));
}

TEST_F(EditCommands, ADrivenMoveOverAKeptEntityIsRefusedAndChangesNothing) {
  std::wstring texts[] = {L"_MOVE", L"_ALL", L"", L"_D"};
  resbuf list[5] = {};
  for (int i = 0; i < 4; ++i) {
    list[i].restype = RTSTR;
    list[i].resval.rstring = texts[i].data();
    list[i].rbnext = &list[i + 1];
  }
  list[4].restype = RTPOINT;
  list[4].resval.rpoint[0] = 5;
  int result = RTNORM;
  EXPECT_TRUE(LeavesTheDrawingAsRead(kLine + kSolid + Solid("31"),
                                     [&] { result = zcedCmd(list); }));
  EXPECT_NE(RTNORM, result);
  EXPECT_EQ(1u, Count(headless::Transcript(), L"2 objects kept as read cannot be moved; nothing was changed."));
}

TEST_F(EditCommands, ObjectsOnALockedLayerAreLeftOutOfEveryEdit) {
  // a drawing of another program with a line on a locked layer and one on layer 0
  const std::string locked = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n0\n70\n0\n"
                             "0\nLAYER\n2\nZamek\n70\n4\n0\nENDTAB\n0\nENDSEC\n"
                             "0\nSECTION\n2\nENTITIES\n" + kLine +
                             "0\nLINE\n5\n40\n8\nZamek\n10\n0\n20\n5\n30\n0\n11\n10\n21\n5\n31\n0\n"
                             "0\nENDSEC\n0\nEOF\n";
  ASSERT_EQ(Zcad::eOk, db_->readDxfText(locked));
  headless::ClearTranscript();
  Type(L"MOVE", {L"ALL", L"", L"0,0", L"0,100"});
  Type(L"ERASE", {L"ALL", L""});
  EXPECT_EQ(2u, Count(headless::Transcript(), L"1 was on a locked layer.")) << headless::Transcript();
  ASSERT_EQ(1u, ModelSpace().size());  // the free line moved, then erased; the locked one as it was
  ZcDbLine* line = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(line, ModelSpace().at(0), ZcDb::kForRead));
  EXPECT_EQ(L"Zamek", line->layer());
  EXPECT_TRUE(line->startPoint().isEqualTo({0, 5, 0}));
  line->close();
  headless::ClearTranscript();
  Type(L"ERASE", {L"ALL", L""});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Nothing selected.")) << headless::Transcript();
  EXPECT_EQ(1u, ModelSpace().size());
}

TEST_F(EditCommands, ASelectionWithoutKeptEntitiesStillMoves) {
  EXPECT_FALSE(LeavesTheDrawingAsRead(kLine, [] { Type(L"MOVE", {L"ALL", L"", L"0,0", L"5,5"}); }));
  ZcDbLine* line = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(line, ModelSpace().at(0), ZcDb::kForRead));
  EXPECT_TRUE(line->startPoint().isEqualTo({5, 5, 0}));
  line->close();
}

}  // namespace
