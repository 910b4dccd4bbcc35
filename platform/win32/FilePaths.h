// Windows paths at the file boundary: the system names files the Windows way
// ("C:\a\b.ini", "\Config\x.ini", "dir/sub\file"); these turn such a name into the native
// file it means. Private to the platform.
#ifndef PLATFORM_WIN32_FILEPATHS_H
#define PLATFORM_WIN32_FILEPATHS_H

#include <string>

namespace platform {
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

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
