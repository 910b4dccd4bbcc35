// The settings the sizes code reads, for its fuzz targets: a private install folder with
// a "Construction.ini" of the shipped values, published as the start-up does, so a target
// runs wherever it is built.
#ifndef FUZZ_SIZESFUZZSETTINGS_H
#define FUZZ_SIZESFUZZSETTINGS_H

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ed/zced.h"

inline std::string& FuzzSettingsFolder() {
  static std::string folder;
  return folder;
}

/// Makes the folder (removed when the target exits) and publishes it.
inline void UseFuzzSettings() {
  std::string& pattern = FuzzSettingsFolder();
  pattern = (std::filesystem::temp_directory_path() / "fastrelle-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(FuzzSettingsFolder(), ec);
  });
  std::filesystem::create_directories(pattern + "/Config");
  const std::string text =
      "BaseSizeSymbol=*\r\nFastrelleSizesFileExtension=*.txs\r\nSizeDefaultColor=7\r\n"
      "SortersPath=Config\\NoSuchSorters.txt\r\nSortersSeparator=;\r\nVEAENVSizesFileExtension=*.vea;*.env\r\n";
  std::string bytes = "\xFF\xFE";
  for (char c : text) bytes += std::string{c, '\0'};
  std::ofstream(pattern + "/Config/Construction.ini", std::ios::binary) << bytes;
  std::wstring folder(pattern.begin(), pattern.end());
  zcedSetEnv(L"Fastrelle_Construction_Path", folder.c_str());
}

#endif
