// File version information: the fixed version record a module carries (compiled from its
// resource script's VERSIONINFO) and the calls that read it from the module's file on disk,
// whether the module is loaded or not. Used by the About dialog's list of modules.
#ifndef PLATFORM_WIN_WINVER_H
#define PLATFORM_WIN_WINVER_H

#include "win/wintypes.h"

#define VS_FFI_SIGNATURE 0xFEEF04BDu
#define VS_FFI_STRUCVERSION 0x00010000u
/// The ELF section of a module that holds its VS_FIXEDFILEINFO (written by the resource
/// compiler from VERSIONINFO; the reader below looks for it in the file's section table).
#define ZRX_VERSION_SECTION ".zrxversion"

/// The fixed part of a version resource. The file version reads a.b.c.d with
/// a = HIWORD(dwFileVersionMS), b = LOWORD(dwFileVersionMS), c = HIWORD(dwFileVersionLS),
/// d = LOWORD(dwFileVersionLS); the product version likewise.
struct VS_FIXEDFILEINFO {
  DWORD dwSignature;         // VS_FFI_SIGNATURE
  DWORD dwStrucVersion;      // VS_FFI_STRUCVERSION
  DWORD dwFileVersionMS;
  DWORD dwFileVersionLS;
  DWORD dwProductVersionMS;
  DWORD dwProductVersionLS;
  DWORD dwFileFlagsMask;
  DWORD dwFileFlags;
  DWORD dwFileOS;
  DWORD dwFileType;
  DWORD dwFileSubtype;
  DWORD dwFileDateMS;
  DWORD dwFileDateLS;
};

/// The bytes GetFileVersionInfoW needs for `fileName`, or 0 when the file is missing, a
/// folder, held by another program, cannot be read, is not a 64-bit little-endian ELF
/// file, is cut short, or carries no version record. `handle` (may be null) is set to 0.
/// Every offset and size in the file is checked against its length before it is used;
/// nothing is mapped or loaded.
DWORD GetFileVersionInfoSizeW(const wchar_t* fileName, DWORD* handle);
/// Reads the version information of `fileName` into `data` (`size` bytes). FALSE when the
/// buffer is smaller than GetFileVersionInfoSizeW says or the file no longer reads.
BOOL GetFileVersionInfoW(const wchar_t* fileName, DWORD handle, DWORD size, void* data);
/// In a block filled by GetFileVersionInfoW, sub-block "\" is the fixed record: `buffer`
/// points into `block` and `length` is the record's length in bytes as the file holds it
/// (shorter than VS_FIXEDFILEINFO for a malformed file: the caller checks). Any other
/// sub-block, or a block that GetFileVersionInfoW did not fill, gives FALSE.
BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer, UINT* length);

#endif
