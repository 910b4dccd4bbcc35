// Fuzz target of the version reader: any bytes, standing as a module file on disk, go
// through GetFileVersionInfoSizeW, GetFileVersionInfoW and VerQueryValueW. Nothing crashes,
// nothing is read or written outside the file and the buffers (the buffer is allocated at
// exactly the size asked for), and the record answered lies inside the buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "win/winver.h"

namespace {

// One file of its own, removed when the fuzzer exits.
struct File {
  std::filesystem::path path;
  std::wstring wide;
  File() {
    path = std::filesystem::temp_directory_path() / ("fastrelle-version-fuzz-" + std::to_string(::getpid()) + ".zrx");
    std::string narrow = path.string();
    wide.assign(narrow.begin(), narrow.end());
  }
  ~File() {
    std::error_code ec;
    std::filesystem::remove(path, ec);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static File file;
  std::ofstream(file.path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  DWORD handle = 0;
  DWORD needed = GetFileVersionInfoSizeW(file.wide.c_str(), &handle);
  if (needed == 0) return 0;
  if (needed > size + 8) std::abort();  // the block is the section's bytes and a header
  std::vector<unsigned char> small(needed - 1);
  if (GetFileVersionInfoW(file.wide.c_str(), handle, needed - 1, small.data())) std::abort();
  std::vector<unsigned char> block(needed);
  if (!GetFileVersionInfoW(file.wide.c_str(), handle, needed, block.data())) std::abort();
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", &value, &length)) std::abort();
  auto* begin = static_cast<unsigned char*>(value);
  if (begin < block.data() || begin + length > block.data() + block.size()) std::abort();
  if (length >= sizeof(VS_FIXEDFILEINFO)) {
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, value, sizeof info);
    (void)info;
  }
  return 0;
}
