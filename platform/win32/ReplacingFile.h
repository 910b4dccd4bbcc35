// A file written whole or not at all: the bytes go to a fresh file beside the target, every
// write checked, synced to the disk, then renamed over the target, so that a full disk, a
// lost share or a kill never leaves half a file where the old one was. The drawing writer
// saves through it, and the host program's picture writer through headless::WriteWholeFile.
#ifndef PLATFORM_WIN32_REPLACINGFILE_H
#define PLATFORM_WIN32_REPLACINGFILE_H

#include <memory>
#include <string>

namespace platform {

class NativeFile;

class ReplacingFile {
public:
  /// Starts writing `target` (a Windows path); null with `reason` set when `target` is a
  /// folder or not a regular file, or no file can be made beside it.
  static std::unique_ptr<ReplacingFile> Begin(const std::wstring& target, std::wstring& reason);
  /// Without a successful Commit the fresh file is removed and the target stays as it was.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  /// False once any write has failed (the later ones are not tried).
  bool Write(const void* data, std::size_t size);
  /// Syncs and closes the fresh file and renames it over the target; false with `reason`
  /// set when any step (or an earlier write) failed.
  bool Commit(std::wstring& reason);

private:
  ReplacingFile() = default;
  bool Fail(const std::wstring& what, int error);

  std::unique_ptr<NativeFile> file_;
  std::string target_, temporary_;
  std::wstring name_;  // the target as the caller named it, for messages
  std::wstring reason_;
  bool committed_ = false;
};

}  // namespace platform

#endif
