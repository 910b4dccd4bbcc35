// A fresh temporary folder for one test, removed with everything in it afterwards; and
// raw file reading and writing, so tests can check the exact bytes the code stores.
#ifndef TESTS_SUPPORT_TEMPFOLDER_H
#define TESTS_SUPPORT_TEMPFOLDER_H

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "headless/Host.h"

class TempFolder {
public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fastrelle-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  /// The native path of `name` inside the folder.
  std::string Native(const std::string& name = "") const { return name.empty() ? path_ : path_ + "/" + name; }
  /// The same written the Windows way, with backslashes.
  std::wstring Windows(const std::string& name = "") const {
    std::wstring w = headless::FromUtf8(Native(name));
    for (wchar_t& c : w)
      if (c == L'/') c = L'\\';
    return w;
  }

  /// How many regular files the folder holds (links to files count), not looking deeper.
  std::size_t FileCount() const {
    std::size_t n = 0;
    for (auto& entry : std::filesystem::directory_iterator(path_)) n += entry.is_regular_file() ? 1 : 0;
    return n;
  }

private:
  std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

/// UTF-16LE bytes of an ASCII text, as "ccs=UNICODE" stores it (without the mark).
inline std::string Utf16(const std::string& ascii) {
  std::string out;
  for (char c : ascii) {
    out.push_back(c);
    out.push_back('\0');
  }
  return out;
}

#endif
