// File version information read from a module's file on disk: the section ZRX_VERSION_SECTION
// of a 64-bit little-endian ELF file, found through the file's section header table. Used by
// the About dialog's module list; the file is only read, never mapped or loaded.
//
// The block GetFileVersionInfoW fills (all little-endian DWORDs):
//   offset 0  kBlockMagic
//   offset 4  n, the length of the section's bytes
//   offset 8  the section's n bytes (a VS_FIXEDFILEINFO when the module is well made)
// VerQueryValueW(block, "\") answers the bytes at offset 8 and n.
#include "win/winver.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>

#include "win/winbase.h"
#include "win32/FilePaths.h"
#include "win32/NativeFile.h"

namespace {

const DWORD kBlockMagic = 0x3149565A;  // "ZVI1"
const DWORD kBlockHeader = 8;
// A version record is 52 bytes; a section far larger than that is no version record.
const std::uint64_t kMaxSection = 4096;

// Bounded reads of one regular file: every request is checked against its length first.
class FileBytes {
public:
  explicit FileBytes(const wchar_t* path) {
    if (!path) return;
    std::string native = platform::NativePath(path);
    struct stat st;
    // A folder, pipe or device is no module; opening a pipe could wait for a writer.
    if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    platform::OpenRequest request;
    request.read = true;
    request.encoding = platform::Encoding::Bytes;
    int error = 0;
    file_ = platform::NativeFile::OpenNative(native, request, error);
    if (file_) length_ = static_cast<std::uint64_t>(std::max<std::int64_t>(file_->Length(), 0));
  }
  bool Open() const { return file_ != nullptr; }
  /// True when `size` bytes at `offset` lie wholly in the file.
  bool Contains(std::uint64_t offset, std::uint64_t size) const {
    return file_ && offset <= length_ && size <= length_ - offset;
  }
  /// Reads `size` bytes at `offset`; false when they do not all lie in the file or the read fails.
  bool Read(std::uint64_t offset, std::uint64_t size, void* out) {
    if (!Contains(offset, size)) return false;
    if (size == 0) return true;
    if (file_->Seek(static_cast<std::int64_t>(offset), 0) < 0) return false;
    return file_->ReadBytes(out, size) == size && !file_->ReadFailed();
  }

private:
  std::unique_ptr<platform::NativeFile> file_;
  std::uint64_t length_ = 0;
};

template <class T>
T Little(const unsigned char* p) {
  T v = 0;
  for (std::size_t i = sizeof(T); i-- > 0;) v = static_cast<T>((v << 8) | p[i]);
  return v;
}

struct Section {
  std::uint64_t offset = 0, size = 0;
};

// Finds the version section of an ELF64 little-endian file; false when there is none or the
// file is not such a file or lies about its own layout.
bool FindVersionSection(FileBytes& file, Section& found) {
  unsigned char header[64];
  if (!file.Read(0, sizeof header, header)) return false;
  if (std::memcmp(header, "\x7F" "ELF", 4) != 0 || header[4] != 2 /* 64-bit */ || header[5] != 1 /* LE */)
    return false;
  const auto shoff = Little<std::uint64_t>(header + 0x28);
  const auto shentsize = Little<std::uint16_t>(header + 0x3A);
  const auto shnum = Little<std::uint16_t>(header + 0x3C);
  const auto shstrndx = Little<std::uint16_t>(header + 0x3E);
  // No table, entries too small to hold a section header, or the name table out of range
  // (extended numbering, with shnum 0 or shstrndx 0xFFFF, is not used by modules).
  if (shoff == 0 || shnum == 0 || shentsize < 64 || shstrndx >= shnum) return false;

  auto sectionHeader = [&](std::uint16_t index, unsigned char (&out)[64]) {
    std::uint64_t at = shoff + static_cast<std::uint64_t>(index) * shentsize;
    return at >= shoff && file.Read(at, sizeof out, out);  // the sum cannot wrap past shoff
  };
  unsigned char names[64];
  if (!sectionHeader(shstrndx, names)) return false;
  const auto namesOffset = Little<std::uint64_t>(names + 0x18);
  const auto namesSize = Little<std::uint64_t>(names + 0x20);
  if (namesSize == 0 || namesSize > (std::uint64_t(1) << 24)) return false;
  std::string table(static_cast<std::size_t>(namesSize), '\0');
  if (!file.Read(namesOffset, namesSize, table.data())) return false;

  const std::string wanted = ZRX_VERSION_SECTION;
  for (std::uint16_t i = 0; i < shnum; ++i) {
    unsigned char entry[64];
    if (!sectionHeader(i, entry)) return false;
    const auto name = Little<std::uint32_t>(entry);
    if (name >= table.size() || table.compare(name, wanted.size() + 1, wanted.c_str(), wanted.size() + 1) != 0)
      continue;  // the name and its terminator must both lie in the table
    const auto type = Little<std::uint32_t>(entry + 4);
    if (type == 8 /* SHT_NOBITS: no bytes in the file */) return false;
    found.offset = Little<std::uint64_t>(entry + 0x18);
    found.size = Little<std::uint64_t>(entry + 0x20);
    // Its bytes must lie in the file, or the file was cut short.
    return found.size <= kMaxSection && file.Contains(found.offset, found.size);
  }
  return false;
}

}  // namespace

DWORD GetFileVersionInfoSizeW(const wchar_t* fileName, DWORD* handle) {
  if (handle) *handle = 0;
  FileBytes file(fileName);
  Section section;
  if (!file.Open() || !FindVersionSection(file, section)) return 0;
  return static_cast<DWORD>(kBlockHeader + section.size);
}

BOOL GetFileVersionInfoW(const wchar_t* fileName, DWORD, DWORD size, void* data) {
  if (!data) return FALSE;
  FileBytes file(fileName);
  Section section;
  if (!file.Open() || !FindVersionSection(file, section)) return FALSE;
  if (size < kBlockHeader + section.size) return FALSE;
  auto* out = static_cast<unsigned char*>(data);
  if (!file.Read(section.offset, section.size, out + kBlockHeader)) return FALSE;
  const DWORD length = static_cast<DWORD>(section.size);
  std::memcpy(out, &kBlockMagic, 4);
  std::memcpy(out + 4, &length, 4);
  return TRUE;
}

BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer, UINT* length) {
  if (!block || !subBlock || !buffer || !length || std::wcscmp(subBlock, L"\\") != 0) return FALSE;
  const auto* bytes = static_cast<const unsigned char*>(block);
  DWORD magic, size;
  std::memcpy(&magic, bytes, 4);
  std::memcpy(&size, bytes + 4, 4);
  if (magic != kBlockMagic || size > kMaxSection) return FALSE;
  *buffer = const_cast<unsigned char*>(bytes + kBlockHeader);
  *length = size;
  return TRUE;
}
