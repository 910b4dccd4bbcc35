#include "ui/UI_DwgListCtrl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DialogFixture.h"
#include "mfc/CDialog.h"
#include "support/TempFolder.h"
#include "ui/FileFilterList.h"

namespace {

// A drawing file holding only a preview: 2 x 1 pixels, red then blue (24-bit, bottom up).
void WriteDrawingWithPreview(const std::string& path) {
  unsigned char dib[48] = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0};
  unsigned char pixels[8] = {0, 0, 255, 255, 0, 0, 0, 0};
  std::copy(pixels, pixels + 8, dib + 40);
  std::ofstream out(path);
  out << "0\nSECTION\n2\nTHUMBNAILIMAGE\n90\n48\n310\n";
  for (unsigned char b : dib) {
    char hex[3];
    std::snprintf(hex, 3, "%02X", b);
    out << hex;
  }
  out << "\n0\nENDSEC\n0\nEOF\n";
}

class ListDialog : public CDialog {
public:
  ListDialog() : CDialog(101) {}
  UI_DwgListCtrl list;
  std::function<void(UI_DwgListCtrl&)> init;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), this, 8025);
    if (init) init(list);
    return TRUE;
  }
};

class DwgListTest : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    for (const char* name : {"10.dwg", "2.dwg", "notes.txt", "v1.2/a.dwg", "Z/x.dwg"}) {
      std::filesystem::create_directories(std::filesystem::path(folder_.Native(name)).parent_path());
      std::ofstream(folder_.Native(name)) << "0\nEOF\n";
    }
    WriteDrawingWithPreview(folder_.Native("preview.dwg"));
  }
  std::wstring Path(const std::string& name = "") { return headless::FromUtf8(folder_.Native(name)); }
  TempFolder folder_;
};

}  // namespace

TEST_F(DwgListTest, FoldersComeFirstThenDrawingsInNaturalOrderWithTheirPreviews) {
  ListDialog dlg;
  std::vector<int> images;
  dlg.init = [&](UI_DwgListCtrl& l) {
    l.OpenFolder(Path(), L"dwg");  // an extension without its dot gets one
    for (int i = 0; i < l.GetItemCount(); ++i) {
      LVITEM item{};
      item.mask = LVIF_IMAGE;
      item.iItem = i;
      l.GetItem(&item);
      images.push_back(item.iImage);
    }
    EXPECT_EQ(l.GetStyle() & 0x10B, 0x108u) << "icon view, selection shown, arranged";
  };
  headless::PushInputs({L"@dlg show", L"@dlg ok"});
  dlg.DoModal();
  EXPECT_NE(headless::Transcript().find(L"list (icons):\n    0: v1.2\n    1: Z\n    2: 2\n    3: 10\n    4: preview"),
            std::wstring::npos)
      << headless::ToUtf8(headless::Transcript());
  int folderImage = UI_DwgListCtrl::ImageOf(L"."), none = UI_DwgListCtrl::ImageOf(L"?");
  EXPECT_EQ(images, (std::vector<int>{folderImage, folderImage, none, none,
                                      UI_DwgListCtrl::ImageOf((Path() + L"\\preview.dwg").c_str())}));
  EXPECT_NE(images.back(), none);
}

TEST_F(DwgListTest, DoubleClickingAFolderEntersItAndADrawingDoesNot) {
  ListDialog dlg;
  std::vector<std::wstring> folders;
  dlg.init = [&](UI_DwgListCtrl& l) { l.OpenFolder(Path("10.dwg"), L".dwg"); };  // a file: its folder
  headless::SetDialogActionHook([&](HWND, const std::wstring&) { folders.push_back(dlg.list.GetCurrentFolder().str()); });
  headless::PushInputs({L"@dlg dblclick 8025 10", L"@dlg dblclick 8025 v1.2", L"@dlg show", L"@dlg ok"});
  dlg.DoModal();
  std::wstring windows = Path();
  std::replace(windows.begin(), windows.end(), L'/', L'\\');
  ASSERT_GE(folders.size(), 2u);
  EXPECT_EQ(folders[0], windows);
  EXPECT_EQ(folders[1], windows + L"\\v1.2");
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"(focused)\n    0: a\n", t.find(L"@dlg show")), std::wstring::npos) << headless::ToUtf8(t);
}

TEST_F(DwgListTest, SelectingByPathOrIndex) {
  ListDialog dlg;
  dlg.init = [&](UI_DwgListCtrl& l) {
    l.OpenFolder(Path(), L".dwg");
    EXPECT_FALSE(l.SelectItem(-1));
    EXPECT_FALSE(l.SelectItem(5));
    EXPECT_TRUE(l.SelectItem(3));
    EXPECT_EQ(l.GetSelectedPath(), CString((Path() + L"\\10.dwg").c_str()));
    std::wstring other = Path() + L"/2.DWG";
    EXPECT_TRUE(l.SelectPath(other.c_str()));
    EXPECT_EQ(l.GetSelectedPath(), CString((Path() + L"\\2.dwg").c_str()));
  };
  dlg.DoModal();
}

TEST_F(DwgListTest, TheFilterListBuildsItsFilterAndDefaultExtension) {
  FileFilterList none;
  EXPECT_FALSE(none.ShowDialog());
  EXPECT_EQ(headless::Transcript().find(L"[Open"), std::wstring::npos);
  FileFilterList sizes;
  sizes.AddFilter(L"Pliki rozmiarów", L"*.txs");
  sizes.AddFilter(L"Wszystkie", L"*.*");
  EXPECT_EQ(sizes.GetFilterText(), L"Pliki rozmiarów (*.txs)|*.txs|Wszystkie (*.*)|*.*||");
  EXPECT_EQ(sizes.GetDefaultExtension(), L"txs");
  FileFilterList all;
  all.AddFilter(L"Wszystkie", L"*.*");
  EXPECT_EQ(all.GetDefaultExtension(), L"");
}

TEST_F(DwgListTest, OpeningNeedsAnExistingFileAndSavingAsksBeforeReplacing) {
  FileFilterList open;
  open.AddFilter(L"Rysunki", L"*.dwg");
  open.m_initialFolder = Path().c_str();
  headless::PushInputs({L"@file 3", L"@file 2"});
  ASSERT_TRUE(open.ShowDialog());
  EXPECT_EQ(open.GetPathName(), CString((Path() + L"/2.dwg").c_str()));
  FileFilterList save;
  save.m_open = false;
  save.AddFilter(L"Pliki rozmiarów", L"*.txs");
  save.m_initialFolder = Path("missing").c_str();  // not there: the dialog's default place
  headless::PushInputs({L"@file " + Path("sizes"), L"@box Yes"});
  ASSERT_TRUE(save.ShowDialog());
  EXPECT_EQ(save.GetPathName().Right(4), L".txs");
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"File not found."), std::wstring::npos);
  EXPECT_EQ(t.find(L"in " + Path("missing")), std::wstring::npos);
  EXPECT_TRUE(headless::MessageBoxes().empty()) << "nothing to replace";
}
