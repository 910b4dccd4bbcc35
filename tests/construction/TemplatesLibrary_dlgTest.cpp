// The templates library: its folder and information file from the settings (an empty
// folder setting falls back on the install folder's templates, the information file is
// resolved as every settings path is), a drawing brought in as a block and moved to the
// user's point (Escape leaves it at the origin), and a malformed drawing that is named
// while the dialog stays open.
#include "construction/TemplatesLibrary_dlg.h"

#include <fstream>

#include "MarkingFixture.h"
#include "construction/TemplatesLibrary_cmd.h"
#include "construction/TemplatesLibrary_mem.h"
#include "framework/Selections.h"
#include "support/TempFolder.h"

namespace {

class TemplatesLibrary : public MarkingTest {
protected:
  void SetUp() override {
    MarkingTest::SetUp();
    TemplatesLibrary_mem settings;
    m_basePath = settings.GetString(L"BasePath");
    m_infoText = settings.GetString(L"InfoText");
  }
  void TearDown() override {
    TemplatesLibrary_mem settings;
    settings.SetString(L"BasePath", m_basePath);
    settings.SetString(L"InfoText", m_infoText);
    MarkingTest::TearDown();
  }
  /// The positions of the model-space references of block `name`.
  std::vector<ZcGePoint3d> References(const wchar_t* name) {
    std::vector<ZcGePoint3d> at;
    for (ZcDbObjectId id : GetBlockReferenceIdsByName(name)) {
      ZcDbBlockReference* ref = nullptr;
      if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
      at.push_back(ref->position());
      ref->close();
    }
    return at;
  }
  CString m_basePath, m_infoText;
};

TEST_F(TemplatesLibrary, TheDialogListsTheLibraryAndShowsItsInformation) {
  Run<TemplatesLibrary_cmd>({L"@dlg show", L"@dlg cancel"});
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"[Dialog 8029 \"Fastrelle\"]")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"0: Spódnica\n    1: Tył bluzki\n")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"8032 rich \"Biblioteka szablonów Fastrelle.\\nWybierz rysunek")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"2 button \"Zamknij\""));
}

TEST_F(TemplatesLibrary, OkBringsTheDrawingInMovedToThePointAndEscapeLeavesItAtTheOrigin) {
  Run<TemplatesLibrary_cmd>({L"@dlg select 8025 Spódnica", L"@dlg ok", L"400,0", L"@dlg ok", L"@cancel",
                             L"@dlg show", L"@dlg cancel"});
  const std::vector<ZcGePoint3d> at = References(L"Spódnica");
  ASSERT_EQ(2u, at.size()) << headless::ToUtf8(headless::Transcript());
  EXPECT_EQ(ZcGePoint3d(400, 0, 0), at[0]);
  EXPECT_EQ(ZcGePoint3d(0, 0, 0), at[1]);
  EXPECT_NE(std::wstring::npos, headless::Transcript().rfind(L"[Dialog 8029"));  // still open after both
  int blocks = 0;
  ZcDbBlockTable* table = nullptr;
  db_->getBlockTable(table, ZcDb::kForRead);
  for (ZcDbObjectId id : table->recordIds()) {
    ZcDbBlockTableRecord* r = nullptr;
    zcdbOpenObject(r, id, ZcDb::kForRead);
    const wchar_t* name = nullptr;
    r->getName(name);
    if (name && CString(name).Find(L"Spódnica") == 0) ++blocks;
    r->close();
  }
  table->close();
  EXPECT_EQ(1, blocks);
}

TEST_F(TemplatesLibrary, AMalformedDrawingIsNamedWithItsStatusAndTheDialogStaysOpen) {
  TempFolder library;
  std::ofstream(library.Native("Zepsuty.dwg")) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnot a number\n";
  TemplatesLibrary_mem settings;
  settings.SetString(L"BasePath", CString(library.Windows().c_str()) + L"\\");
  settings.SetString(L"InfoText", L"Brak.txt");
  const std::size_t before = ModelSpace().size();
  Run<TemplatesLibrary_cmd>({L"@dlg show", L"@dlg select 8025 Zepsuty", L"@dlg ok", L"@dlg ok", L"@dlg show",
                             L"@dlg cancel"});
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Zepsuty.dwg\n")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"8032 rich \"\""));  // no information file: nothing shown
  EXPECT_EQ(before, ModelSpace().size());
  const std::size_t secondShow = t.rfind(L"[Dialog 8029");
  EXPECT_NE(t.find(L"[Dialog 8029"), secondShow);
}

TEST_F(TemplatesLibrary, AnEmptyFolderSettingFallsBackOnTheInstallTemplatesAndPathsResolve) {
  TemplatesLibrary_mem settings;
  settings.SetString(L"BasePath", L"");
  const CString install = Install().Windows().c_str();
  EXPECT_EQ(install + L"\\Templates\\", settings.Folder());
  EXPECT_EQ(install + L"\\Info.txt", settings.InfoPath());  // not the process's current folder
  settings.SetString(L"BasePath", L"Templates\\Library\\");
  EXPECT_EQ(install + L"\\Templates\\Library\\Info.txt", settings.InfoPath());
  settings.SetString(L"BasePath", L"C:\\no\\such\\folder\\");
  Run<TemplatesLibrary_cmd>({L"@dlg show", L"@dlg ok", L"@dlg cancel"});
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Nie wybrano rysunku szablonu")) << headless::ToUtf8(t);
  EXPECT_EQ(std::wstring::npos, t.find(L"0: ")) << headless::ToUtf8(t);
}

}  // namespace
