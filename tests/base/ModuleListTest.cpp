// The About dialog's module list: the ".zrx" files of Base's folder with their versions,
// filled once; what is no module shows an empty version or no row, and nothing is listed
// when Base's folder is unknown.
#include "base/ModuleList.h"

#include <gtest/gtest.h>

#include "BaseFixture.h"
#include "support/ModuleFiles.h"

namespace {

using ModuleListTest = BaseFolderTest;

std::wstring Rows() {
  std::wstring text;
  for (const ModuleRow& row : GetModuleRows()) text += row.name.str() + L"=" + row.version.str() + L"|";
  return text;
}

TEST_F(ModuleListTest, TheModulesOfBasesFolderAreListedWithTheirVersions) {
  CopyModule("Base.zrx", "Base.zrx");
  CopyModule("Module_Fastrelle.zrx", "Module_Fastrelle.zrx");
  WriteFile("Notes.txt", "not a module");
  EXPECT_EQ(Rows(), L"Base=2018.0.5.0\n|Module_Fastrelle=2018.0.5.0\n|");
  ASSERT_EQ(GetModuleList().size(), 2u);
  EXPECT_EQ(GetModuleList()[0], CString(BaseFolder() + L"\\Base.zrx"));
}

TEST_F(ModuleListTest, AModuleOfAnotherVersionShowsItsOwnFourNumbers) {
  WriteFile("Later.zrx", ElfModule(VersionRecord(2018, 1, 0, 7)));
  EXPECT_EQ(GetFileVersionText(BaseFolder() + L"Later.zrx"), CString(L"2018.1.0.7\n"));
}

TEST_F(ModuleListTest, WhatIsNoModuleShowsAnEmptyVersionOrNoRow) {
  CopyModule("Base.zrx", "Base.zrx");
  std::ifstream in(std::string(FASTRELLE_INSTALL_DIR) + "/Base.zrx", std::ios::binary);
  std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  WriteFile("Cut.zrx", whole.substr(0, whole.size() - 100));
  WriteFile("Empty.zrx", "");
  WriteFile("Short.zrx", ElfModule(VersionRecord(1, 2, 3, 4).substr(0, 20)));
  std::string unsigned_ = VersionRecord(1, 2, 3, 4);
  unsigned_[0] = 0;  // no signature
  WriteFile("Unsigned.zrx", ElfModule(unsigned_));
  WriteFile("Text.zrx", "Fastrelle\n");
  std::filesystem::create_directory(folder_.Native("Folder.zrx"));
  EXPECT_EQ(Rows(), L"Base=2018.0.5.0\n|Cut=|Empty=|Short=|Text=|Unsigned=|");
}

TEST_F(ModuleListTest, TheListIsFilledOnceSoALaterModuleWaitsForARestart) {
  CopyModule("Base.zrx", "Base.zrx");
  EXPECT_EQ(GetModuleList().size(), 1u);
  CopyModule("Fastrelle_Plot.zrx", "Fastrelle_Plot.zrx");
  EXPECT_EQ(Rows(), L"Base=2018.0.5.0\n|");
  ForgetModuleList();  // Base unloaded and loaded again
  EXPECT_EQ(Rows(), L"Base=2018.0.5.0\n|Fastrelle_Plot=2018.0.5.0\n|");
}

TEST_F(ModuleListTest, WithoutBasesOwnPathNothingIsListedFromTheCurrentFolder) {
  CopyModule("Base.zrx", "Base.zrx");
  ZRX_Module::SetInstance(nullptr);
  EXPECT_EQ(GetBaseFolder(), CString());
  EXPECT_TRUE(GetModuleList().empty());
}

}  // namespace
