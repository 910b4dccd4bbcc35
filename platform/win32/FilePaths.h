// Windows paths at the file boundary: the system names files the Windows way
// ("C:\a\b.ini", "\Config\x.ini", "dir/sub\file"); these turn such a name into the native
// file it means. Private to the platform.
#ifndef PLATFORM_WIN32_FILEPATHS_H
#define PLATFORM_WIN32_FILEPATHS_H

#include <string>

namespace platform {
std::string ToUtf8(const std::wstring& text);
/// UTF-8 to wide text; every malformed sequence becomes U+FFFD (see DecodeUtf8), so no
/// byte string ever reads as a character it does not spell: "a\xC0\xAFb" => "a\uFFFD\uFFFDb".
std::wstring FromUtf8(const std::string& bytes);
/// Decodes the UTF-8 character at `bytes` (`size` > 0 bytes available) into `c` and sets
/// `used` to the bytes it takes. False, with `c` U+FFFD, for a malformed sequence: a stray
/// continuation byte, an overlong form (C0 AF for "/", E0 80 AF), a surrogate (ED A0 80),
/// a value above U+10FFFF (F4 90 80 80) or a sequence cut short; `used` then covers the
/// longest start of a well-formed sequence, at least one byte (Unicode's "maximal subpart"
/// rule, so "\xE2\x82" followed by "x" gives U+FFFD, "x").
bool DecodeUtf8(const char* bytes, std::size_t size, char32_t& c, std::size_t& used);

/// The native path for a Windows path: "\" and "/" both separate, repeated separators
/// count once, a drive letter ("C:") is dropped (so "\Config\x" and "C:\Config\x" both
/// name "/Config/x", the root of the one drive there is), "." and ".." are resolved on the
/// name before the disk is asked, and each component that does not exist as written is
/// matched against its folder without regard to case (the ordinally smallest match when
/// several differ only in case). Components that match nothing are kept as written, so a
/// file can still be created there.
///   "/opt/fr\Config\construction.INI" => "/opt/fr/Config/Construction.ini" (when that exists)
///   "a\b\..\c.txt"                    => "a/c.txt"
std::string NativePath(const std::wstring& windowsPath);

/// The last component of a path with either separator: "C:\a\b.zrx" => "b.zrx".
std::wstring PathFileName(const std::wstring& path);
/// That without its last extension: "C:\a\b.c.zrx" => "b.c"; "README", ".." stay whole.
std::wstring PathFileTitle(const std::wstring& path);
}  // namespace platform

#endif
