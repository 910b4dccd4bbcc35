// Natural name order, file icons, recorded shell openings and drawing previews.
#include "win/shellapi.h"

#include <gtest/gtest.h>

#include <fstream>

#include "db/DwgPreview.h"
#include "headless/Windows.h"
#include "support/TempFolder.h"

TEST(Shell, NamesSortAsExplorerSortsThem) {
  EXPECT_LT(StrCmpLogicalW(L"2", L"10"), 0);
  EXPECT_LT(StrCmpLogicalW(L"rozmiar 2", L"Rozmiar 10"), 0);
  EXPECT_EQ(StrCmpLogicalW(L"Tył", L"TYŁ"), 0);
  EXPECT_LT(StrCmpLogicalW(L"v1.2", L"v1.10"), 0);
  EXPECT_LT(StrCmpLogicalW(L"007", L"8"), 0);
  EXPECT_GT(StrCmpLogicalW(L"b", L"a9"), 0);
  EXPECT_LT(StrCmpLogicalW(L"", L"a"), 0);
}

TEST(Shell, FoldersAndFilesHaveIconsAndOpeningIsOnlyRecorded) {
  TempFolder folder;
  std::ofstream(folder.Native("a.dwg")) << "0\nEOF\n";
  SHFILEINFOW info{};
  EXPECT_NE(SHGetFileInfoW(headless::FromUtf8(folder.Native()).c_str(), 0, &info, sizeof info, SHGFI_ICON), 0u);
  ASSERT_NE(info.hIcon, nullptr);
  EXPECT_TRUE(DestroyIcon(info.hIcon));
  EXPECT_EQ(SHGetFileInfoW(headless::FromUtf8(folder.Native("gone")).c_str(), 0, &info, sizeof info, SHGFI_ICON), 0u);
  std::size_t before = headless::ShellExecutions().size();
  EXPECT_GT(reinterpret_cast<std::uintptr_t>(ShellExecuteW(nullptr, L"open", L"https://example.org", nullptr, nullptr, 1)), 32u);
  ASSERT_EQ(headless::ShellExecutions().size(), before + 1);
  EXPECT_EQ(headless::ShellExecutions().back(), L"open https://example.org");
}

TEST(DwgPreview, AnEightBitPreviewIsReadThroughItsPalette) {
  TempFolder folder;
  // 3 x 2 pixels, 8 bits, two palette colours (green, black), rows bottom up padded to 4.
  unsigned char dib[40 + 8 + 8] = {40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0};
  dib[32] = 2;
  unsigned char palette[8] = {0, 255, 0, 0, 0, 0, 0, 0};
  unsigned char rows[8] = {1, 1, 1, 0, 0, 1, 0, 0};  // bottom row black; top row green, black, green
  std::copy(palette, palette + 8, dib + 40);
  std::copy(rows, rows + 8, dib + 48);
  std::ofstream out(folder.Native("p.dxf"));
  out << "  0\nSECTION\n  2\nTHUMBNAILIMAGE\n 90\n56\n310\n";
  for (unsigned char b : dib) out << "0123456789ABCDEF"[b >> 4] << "0123456789ABCDEF"[b & 15];
  out << "\n  0\nENDSEC\n  0\nEOF\n";
  out.close();
  HBITMAP preview = nullptr;
  ASSERT_TRUE(zcdbGetPreviewBitmapFromDwg(headless::FromUtf8(folder.Native("p.dxf")).c_str(), &preview));
  EXPECT_EQ(BitmapPixel(preview, 0, 0), RGB(0, 255, 0));
  EXPECT_EQ(BitmapPixel(preview, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(BitmapPixel(preview, 0, 1), RGB(0, 0, 0));
  DeleteObject(preview);
}
