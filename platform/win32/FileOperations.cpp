// Whole-file operations of the Windows API: replacing a file by another and removing one.
// The settings writer uses them to swap a finished copy in.
#include <sys/stat.h>

#include "win/winbase.h"
#include "win32/FilePaths.h"
#include "win32/NativeFile.h"

BOOL MoveFileExW(const wchar_t* existingName, const wchar_t* newName, DWORD flags) {
  if (!existingName || !newName) return FALSE;
  struct stat st;
  if (!(flags & MOVEFILE_REPLACE_EXISTING) && ::stat(platform::NativePath(newName).c_str(), &st) == 0)
    return FALSE;
  return platform::ReplaceFile(existingName, newName) ? TRUE : FALSE;
}

BOOL DeleteFileW(const wchar_t* fileName) {
  int error = 0;
  return fileName && platform::RemoveFile(fileName, error) ? TRUE : FALSE;
}
