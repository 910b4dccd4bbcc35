// Module files made by hand for the version reader's tests: a minimal 64-bit little-endian
// ELF file holding a version section with the given bytes, with knobs to make its headers
// lie, and the bytes of a version record for a.b.c.d.
#ifndef TESTS_SUPPORT_MODULEFILES_H
#define TESTS_SUPPORT_MODULEFILES_H

#include <cstdint>
#include <cstring>
#include <string>

#include "win/winver.h"

/// The record of file version a.b.c.d, as the resource compiler writes it.
inline std::string VersionRecord(int a, int b, int c, int d) {
  VS_FIXEDFILEINFO info{};
  info.dwSignature = VS_FFI_SIGNATURE;
  info.dwStrucVersion = VS_FFI_STRUCVERSION;
  info.dwFileVersionMS = static_cast<DWORD>(a) << 16 | static_cast<DWORD>(b);
  info.dwFileVersionLS = static_cast<DWORD>(c) << 16 | static_cast<DWORD>(d);
  info.dwProductVersionMS = info.dwFileVersionMS;
  info.dwProductVersionLS = info.dwFileVersionLS;
  return std::string(reinterpret_cast<const char*>(&info), sizeof info);
}

/// What a hand-made module file says about itself; the defaults are true.
struct ElfLies {
  std::uint64_t sectionOffsetShift = 0;  // added to the version section's offset
  std::uint64_t sectionSizeShift = 0;    // added to its size
  std::uint32_t nameShift = 0;           // added to its name's offset in the name table
  std::uint16_t entrySize = 64;          // e_shentsize
  std::uint16_t namesIndex = 1;          // e_shstrndx
  std::uint64_t tableShift = 0;          // added to e_shoff
  unsigned char elfClass = 2, byteOrder = 1;
  std::uint32_t sectionType = 1;         // SHT_PROGBITS
};

/// A file of three sections (none, the name table, `name` holding `payload`), the section
/// header table last.
inline std::string ElfModule(const std::string& payload, const std::string& name = ZRX_VERSION_SECTION,
                             const ElfLies& lies = ElfLies()) {
  auto put = [](std::string& s, std::size_t at, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
  };
  const std::string names = std::string("\0.shstrtab\0", 11) + name + '\0';
  const std::uint64_t payloadAt = 64, namesAt = payloadAt + payload.size(), tableAt = namesAt + names.size();
  std::string file(64, '\0');
  std::memcpy(&file[0], "\x7F" "ELF", 4);
  file[4] = static_cast<char>(lies.elfClass);
  file[5] = static_cast<char>(lies.byteOrder);
  file[6] = 1;
  put(file, 0x28, tableAt + lies.tableShift, 8);
  put(file, 0x3A, lies.entrySize, 2);
  put(file, 0x3C, 3, 2);
  put(file, 0x3E, lies.namesIndex, 2);
  file += payload + names;
  std::string table(3 * 64, '\0');
  put(table, 64 + 0, 1, 4);  // ".shstrtab"
  put(table, 64 + 4, 3, 4);  // SHT_STRTAB
  put(table, 64 + 0x18, namesAt, 8);
  put(table, 64 + 0x20, names.size(), 8);
  put(table, 128 + 0, 11 + lies.nameShift, 4);
  put(table, 128 + 4, lies.sectionType, 4);
  put(table, 128 + 0x18, payloadAt + lies.sectionOffsetShift, 8);
  put(table, 128 + 0x20, payload.size() + lies.sectionSizeShift, 8);
  return file + table;
}

#endif
