// The size list through the file dialog: the save dialog's chosen file gets the list in
// its extension's format, a cancel writes nothing, and the import reads the file back.
#include "sizes/Fastrelle_Sizes_ToFile.h"

#include <filesystem>

#include "SizesFixture.h"
#include "headless/Host.h"

namespace {

using SizesToFile = SizesTest;

TEST_F(SizesToFile, TheDialogOffersTheSizeFilesAndASaveReadsBack) {
  TempFolder dir;
  Fastrelle_Sizes_ToFile file;
  EXPECT_TRUE(file.Dialog().GetFilterText().str().ends_with(L"Fastrelle (*.txs)|*.txs||"));
  const std::vector<Fastrelle_Size> sizes = {Fastrelle_Size(L"36", 3, false), Fastrelle_Size(L"38", 1, true)};
  headless::PushInputs({L"@file cancel"});
  EXPECT_FALSE(file.Save(sizes));
  headless::PushInputs({L"@file " + dir.Windows("list.txs")});
  ASSERT_TRUE(file.Save(sizes));
  std::vector<Fastrelle_Size> read;
  ASSERT_TRUE(Fastrelle_Sizes_ToFile().Load(dir.Windows("list.txs").c_str(), read));
  ASSERT_EQ(2u, read.size());
  EXPECT_EQ(L"38", read[1].GetName());
  EXPECT_TRUE(read[1].IsBase());
  EXPECT_EQ(3, read[0].GetColor());
}

}  // namespace
