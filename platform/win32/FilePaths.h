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
/// count once, a drive letter ("C:") is dropped, and each component that does not exist as
/// written is matched against its folder without regard to case. Components that match
/// nothing are kept as written, so a file can still be created there.
///   "/opt/fr\Config\construction.INI" => "/opt/fr/Config/Construction.ini" (when that exists)
std::string NativePath(const std::wstring& windowsPath);

/// The last component of a path with either separator: "C:\a\b.zrx" => "b.zrx".
std::wstring PathFileName(const std::wstring& path);
}  // namespace platform

#endif
