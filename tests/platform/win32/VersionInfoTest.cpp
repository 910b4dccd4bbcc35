// Version information read from module files on disk: the built modules carry their record,
// and a file that is no module, or whose headers lie about their layout, gives no version
// and is never read past its end.
#include "win/winver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "support/ModuleFiles.h"
#include "support/TempFolder.h"

namespace {

// The fixed record of `path` through the three calls; false when any of them refuses.
bool ReadRecord(const std::wstring& path, std::vector<unsigned char>& block, VS_FIXEDFILEINFO*& info,
                UINT& length) {
  DWORD handle = 1;
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  EXPECT_EQ(handle, 0u);
  if (size == 0) return false;
  block.assign(size, 0);
  void* value = nullptr;
  if (!GetFileVersionInfoW(path.c_str(), handle, size, block.data())) return false;
  if (!VerQueryValueW(block.data(), L"\\", &value, &length)) return false;
  info = static_cast<VS_FIXEDFILEINFO*>(value);
  return true;
}

std::wstring Write(TempFolder& dir, const std::string& name, const std::string& bytes) {
  std::ofstream(dir.Native(name), std::ios::binary) << bytes;
  return dir.Windows(name);
}

TEST(VersionInfo, EveryBuiltModuleCarriesTheBannersVersion) {
  for (const char* module : {"Module_Fastrelle.zrx", "Fastrelle_Construction.zrx", "Fastrelle_Plot.zrx", "Base.zrx"}) {
    std::wstring path = headless::FromUtf8(std::string(FASTRELLE_INSTALL_DIR) + "/" + module);
    std::vector<unsigned char> block;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(ReadRecord(path, block, info, length)) << module;
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO)) << module;
    EXPECT_EQ(info->dwSignature, VS_FFI_SIGNATURE) << module;
    EXPECT_EQ(info->dwFileVersionMS, 2018u << 16 | 0u) << module;
    EXPECT_EQ(info->dwFileVersionLS, 5u << 16 | 0u) << module;
    EXPECT_EQ(info->dwProductVersionMS, info->dwFileVersionMS) << module;
    EXPECT_EQ(info->dwFileType, 2u) << module;  // VFT_DLL
  }
}

TEST(VersionInfo, AModuleFileGivesItsOwnRecordThroughTheRootBlockOnly) {
  TempFolder dir;
  std::wstring path = Write(dir, "Other.ZRX", ElfModule(VersionRecord(2018, 1, 0, 7)));
  std::vector<unsigned char> block;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(ReadRecord(dir.Windows("other.zrx"), block, info, length));  // found without regard to case
  EXPECT_EQ(info->dwFileVersionMS, 2018u << 16 | 1u);
  EXPECT_EQ(info->dwFileVersionLS, 0u << 16 | 7u);
  void* value = nullptr;
  EXPECT_FALSE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041504e2\\FileVersion", &value, &length));
  std::vector<unsigned char> small(block.size() - 1);
  EXPECT_FALSE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(small.size()), small.data()));
  std::vector<unsigned char> foreign(block.size(), 0);  // never filled by GetFileVersionInfoW
  EXPECT_FALSE(VerQueryValueW(foreign.data(), L"\\", &value, &length));
}

TEST(VersionInfo, WhatIsNoModuleGivesNoVersion) {
  TempFolder dir;
  std::filesystem::create_directory(dir.Native("Folder.zrx"));
  const std::wstring cases[] = {
      Write(dir, "Text.zrx", "This is a text file, not a module.\n"),
      Write(dir, "Empty.zrx", ""),
      dir.Windows("Folder.zrx"),
      dir.Windows("Missing.zrx"),
      Write(dir, "NoVersion.zrx", ElfModule(VersionRecord(1, 2, 3, 4), ".data")),
      Write(dir, "Elf32.zrx", ElfModule(VersionRecord(1, 2, 3, 4), ZRX_VERSION_SECTION, {.elfClass = 1})),
      Write(dir, "BigEndian.zrx", ElfModule(VersionRecord(1, 2, 3, 4), ZRX_VERSION_SECTION, {.byteOrder = 2})),
      Write(dir, "NoBits.zrx", ElfModule(VersionRecord(1, 2, 3, 4), ZRX_VERSION_SECTION, {.sectionType = 8})),
  };
  for (const std::wstring& path : cases) EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u) << path;

  std::wstring held = Write(dir, "Held.zrx", ElfModule(VersionRecord(1, 2, 3, 4)));
  headless::HoldFile(held);
  EXPECT_EQ(GetFileVersionInfoSizeW(held.c_str(), nullptr), 0u);
  headless::ClearFileFaults();
  EXPECT_NE(GetFileVersionInfoSizeW(held.c_str(), nullptr), 0u);
}

TEST(VersionInfo, HeadersThatPointOutsideTheFileAreRefused) {
  TempFolder dir;
  const std::string record = VersionRecord(1, 2, 3, 4);
  const ElfLies lies[] = {
      {.sectionOffsetShift = 1u << 20},  // the section's bytes past the end
      {.sectionSizeShift = 1u << 20},
      {.sectionOffsetShift = ~std::uint64_t(0) - 100},  // offset + size wraps round
      {.nameShift = 1u << 16},  // its name outside the name table
      {.entrySize = 32},        // entries too small to be section headers
      {.namesIndex = 3},        // the name table's index past the table
      {.tableShift = 1u << 20},  // the section table past the end
      {.tableShift = ~std::uint64_t(0) - 64},
  };
  for (const ElfLies& lie : lies) {
    std::wstring path = Write(dir, "Lying.zrx", ElfModule(record, ZRX_VERSION_SECTION, lie));
    EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u);
  }
}

TEST(VersionInfo, AModuleCutShortAnywhereGivesNoVersion) {
  std::ifstream in(std::string(FASTRELLE_INSTALL_DIR) + "/Base.zrx", std::ios::binary);
  std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(whole.size(), 4096u);
  TempFolder dir;
  // The section table is at the end of the file: every cut loses some of it.
  for (std::size_t length : {std::size_t(3), std::size_t(63), whole.size() / 2, whole.size() - 64, whole.size() - 1}) {
    std::wstring path = Write(dir, "Cut.zrx", whole.substr(0, length));
    EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), nullptr), 0u) << length;
  }
  std::string shortRecord = ElfModule(VersionRecord(1, 2, 3, 4).substr(0, 20));
  std::wstring path = Write(dir, "Short.zrx", shortRecord);
  std::vector<unsigned char> block;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(ReadRecord(path, block, info, length));
  EXPECT_EQ(length, 20u);  // the caller sees it is shorter than a record
}

}  // namespace
