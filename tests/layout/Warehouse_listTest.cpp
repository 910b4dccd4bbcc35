// The warehouse content list: a row per model title and part, a column per size, cells
// counting what is still to place from the drawing's references; the side to place next;
// the sizes and models it cannot show are named; reading a row back; no part record is
// written into the working drawing.
#include "layout/Warehouse_list.h"

#include "DescriptionFixture.h"
#include "construction/Fastrelle_Parts.h"
#include "headless/Host.h"
#include "headless/Windows.h"

namespace {

// The plot module loaded, for its strings.
class WarehouseList : public DescriptionTest {
protected:
  void SetUp() override {
    DescriptionTest::SetUp();
    ASSERT_TRUE(StartFastrelle(FASTRELLE_INSTALL_DIR));  // the built tree: later tests read it too
    db_ = headless::NewDrawing();
    ASSERT_TRUE(parent_.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 700, 300), nullptr, 0));
    // As a dialog's control: the window first, then the list attached to it.
    HWND window = CreateWindowExW(0, L"SysListView32", L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 605, 280,
                                  parent_.m_hWnd, reinterpret_cast<HMENU>(12000), nullptr, nullptr);
    ASSERT_TRUE(list_.SubclassWindow(window));
  }
  void TearDown() override {
    parent_.DestroyWindow();
    headless::UnloadAllModules();
    DescriptionTest::TearDown();
  }
  static LayoutItem Item(const wchar_t* path, const wchar_t* part, int type, const wchar_t* size, int quantity,
                         double rotation = 0.0, int lines = 2) {
    return LayoutItem(path, Fastrelle_Part(part, type), size, quantity, rotation, lines);
  }
  // One placed piece of that key.
  ZcDbObjectId PlacePiece(const wchar_t* key) {
    ZcDbObjectId block = FindBlock(key);
    if (block.isNull()) block = PieceBlock(key, {Rectangle(10, 10)});
    return Place(block, {0, 0, 0});
  }
  static ZcDbObjectId FindBlock(const wchar_t* key) {
    ZcDbBlockTable* table = nullptr;
    ZcDbObjectId id;
    zcdbHostApplicationServices()->workingDatabase()->getBlockTable(table, ZcDb::kForRead);
    table->getAt(key, id);
    table->close();
    return id;
  }
  void Refresh(int row, int column) { list_.RefreshCell(row, column); }
  CString Cell(int row, int column) { return list_.GetItemText(row, column); }
  CWnd parent_;
  Warehouse_list list_;
};

TEST_F(WarehouseList, RowsPerModelAndPartCountWhatIsLeftToPlace) {
  Layout layout(0, 0);
  layout.AddItem(Item(L"C:\\m\\spodnie.dwg", L"Przód", 1, L"38", 2, 90.0, 2));
  layout.AddItem(Item(L"C:\\m\\spodnie.dwg", L"Kieszeń", 0, L"40", 2));
  layout.AddItem(Item(L"C:\\m\\bluzka.dwg", L"Przód", 0, L"38", 1, 0.0, 0));
  list_.Fill(layout);
  ASSERT_EQ(3, list_.GetItemCount());
  EXPECT_EQ(CString(L"spodnie"), Cell(0, 0));
  EXPECT_EQ(CString(L"C:\\m\\spodnie.dwg"), list_.GetComboItem(0, 0, 0));
  EXPECT_EQ(CString(L"Przód"), Cell(0, 1));
  EXPECT_EQ(CString(L"1"), list_.GetComboItem(0, 1, 0));
  EXPECT_EQ(CString(L"38"), list_.GetColumnTitle(2));
  EXPECT_EQ(CString(L"40"), list_.GetColumnTitle(3));
  EXPECT_EQ(4, list_.FirstUntitledColumn());
  EXPECT_EQ(CString(L"90.0000"), list_.GetComboItem(0, 2, 0));
  EXPECT_EQ(CString(L"2:2"), Cell(0, 2));
  EXPECT_EQ(CString(L"2"), Cell(1, 3));
  EXPECT_EQ(CString(L""), Cell(1, 2));  // no such size for the pocket
  EXPECT_EQ(CString(L"1"), Cell(2, 2));

  PlacePiece(L"spodnie|Przód|38|R|B");
  Refresh(0, 2);
  EXPECT_EQ(CString(L"1:2"), Cell(0, 2));
  PlacePiece(L"spodnie|Przód|38|L|B");
  Refresh(0, 2);
  EXPECT_EQ(CString(L"1:1"), Cell(0, 2));
  PlacePiece(L"bluzka|Przód|38|S|C");
  PlacePiece(L"bluzka|Przód|38|S|C");
  Refresh(2, 2);
  EXPECT_EQ(CString(L"-1"), Cell(2, 2));  // more references than asked for
}

TEST_F(WarehouseList, APieceIsAskedForWhileEitherSideCountsAboveZero) {
  Layout layout(0, 0);
  layout.AddItem(Item(L"m.dwg", L"A", 1, L"S", 1));
  layout.AddItem(Item(L"m.dwg", L"B", 0, L"S", 1));
  list_.Fill(layout);
  const struct {
    int row;
    const wchar_t* text;
    bool asks;
  } cases[] = {{0, L"0:1", true}, {0, L"1:0", true}, {0, L"0:0", false}, {0, L"-1:0", false}, {0, L"2", false},
               {0, L"x:1", false}, {1, L"2", true}, {1, L"0", false}, {1, L"abc", false}};
  for (const auto& c : cases) {
    list_.SetItemText(c.row, 2, c.text);
    EXPECT_EQ(c.asks, list_.HasPieceToPlace(c.row, 2)) << headless::ToUtf8(c.text);
  }
}

TEST_F(WarehouseList, TheSideWithFewerPiecesComesNextSoAnErasedPieceIsMadeUp) {
  Layout layout(0, 0);
  layout.AddItem(Item(L"m.dwg", L"A", 1, L"S", 2, 37.0, 1));
  list_.Fill(layout);
  Fastrelle_Form_To_Plot next = list_.NextPieceOfCell(0, 2);
  EXPECT_EQ(2, next.m_side);
  EXPECT_EQ(CString(L"m|A|S|R|S"), next.GetBlockName());
  EXPECT_DOUBLE_EQ(37.0, next.m_rotation);
  PlacePiece(L"m|A|S|R|S");
  EXPECT_EQ(1, list_.NextPieceOfCell(0, 2).m_side);
  PlacePiece(L"m|A|S|L|S");
  ZcDbObjectId last = PlacePiece(L"m|A|S|R|S");
  ZcDbEntity* entity = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(entity, last, ZcDb::kForWrite));
  entity->erase();
  entity->close();
  EXPECT_EQ(2, list_.NextPieceOfCell(0, 2).m_side);  // R again, not L without end
  PlacePiece(L"m|A|S|R|S");
  PlacePiece(L"m|A|S|L|S");
  Refresh(0, 2);
  EXPECT_EQ(CString(L"0:0"), Cell(0, 2));
  EXPECT_FALSE(list_.HasPieceToPlace(0, 2));
}

TEST_F(WarehouseList, ASizePastTheColumnsAndAModelSharingATitleAreNamedAndFillNothing) {
  Layout layout(0, 0);
  for (int size = 1; size <= 31; ++size) {
    CString name;
    name.Format(L"%i", size);
    layout.AddItem(Item(L"C:\\a\\m.dwg", L"P", 0, name, 1));
  }
  layout.AddItem(Item(L"C:\\b\\m.dwg", L"P", 0, L"1", 5));
  headless::ClearTranscript();
  list_.Fill(layout);
  EXPECT_EQ(32, list_.FirstUntitledColumn());
  EXPECT_EQ(-1, list_.FindColumn(L"31"));
  EXPECT_EQ(1, list_.GetItemCount());
  EXPECT_EQ(CString(L"1"), list_.GetComboItem(0, 2, 1));  // the other model's 5 went nowhere
  EXPECT_EQ(CString(L""), list_.GetComboItem(0, 2, 4));
  const std::wstring said = headless::Transcript();
  EXPECT_NE(std::wstring::npos, said.find(L"rozmiar 31")) << headless::ToUtf8(said);
  EXPECT_NE(std::wstring::npos, said.find(L"C:\\b\\m.dwg")) << headless::ToUtf8(said);
  EXPECT_NE(std::wstring::npos, said.find(L"C:\\a\\m.dwg")) << headless::ToUtf8(said);
}

TEST_F(WarehouseList, ARowReadsBackAsItsItemsAndNoPartRecordIsWritten) {
  Layout layout(0, 0);
  layout.AddItem(Item(L"m.dwg", L"A", 2, L"S", 3, 12.5, 0));
  layout.AddItem(Item(L"m.dwg", L"A", 2, L"M", 1, 0.0, 1));
  layout.AddItem(Item(L"m.dwg", L"B", 0, L"L", 4));
  list_.Fill(layout);
  Layout read(0, 0);
  list_.ReadRow(0, read);
  ASSERT_EQ(3u, read.GetItemCount());  // every titled size column, the empty one too
  EXPECT_EQ(CString(L"S"), read.GetItem(0).m_size);
  EXPECT_EQ(3, read.GetItem(0).m_quantity);
  EXPECT_DOUBLE_EQ(12.5, read.GetItem(0).m_rotation);
  EXPECT_EQ(0, read.GetItem(0).m_lines);
  EXPECT_EQ(2, read.GetItem(0).m_part.GetType());
  EXPECT_EQ(0, read.GetItem(2).m_quantity);
  EXPECT_EQ(CString(L"A"), list_.GetRowPart(0).GetName());
  list_.NextPieceOfCell(0, 2);
  list_.RefreshCell(0, 3);
  Fastrelle_Parts parts;
  parts.Load(nullptr);
  EXPECT_TRUE(parts.Parts().empty());
}

TEST_F(WarehouseList, ClearingKeepsTheSharesAndDropsTheSizes) {
  Layout layout(0, 0);
  layout.AddItem(Item(L"m.dwg", L"A", 0, L"S", 1));
  list_.Fill(layout);
  list_.m_modelShare = 0.1;
  list_.Clear();
  EXPECT_EQ(0, list_.GetItemCount());
  EXPECT_EQ(2, list_.FirstUntitledColumn());
  EXPECT_EQ(60, list_.GetColumnWidth(0));  // 600 × 0.1
}

}  // namespace
