// A file written whole or not at all (see the header): a fresh file beside the target, with
// the target's permissions, synced and renamed over it; the folder is synced after the
// rename so that the new name is on the disk too. Also headless::WriteWholeFile.
#include "win32/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "headless/Host.h"
#include "win32/FilePaths.h"
#include "win32/NativeFile.h"

namespace platform {
namespace {

std::wstring Because(int error) { return FromUtf8(std::strerror(error)); }

std::string Folder(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::unique_ptr<ReplacingFile> ReplacingFile::Begin(const std::wstring& target, std::wstring& reason) {
  reason.clear();
  std::string native = NativePath(target);
  struct stat st;
  mode_t mode = 0;
  if (::lstat(native.c_str(), &st) == 0) {
    // A link is followed: the file it names is the one replaced, and the link stays.
    if (S_ISLNK(st.st_mode)) {
      char resolved[PATH_MAX];
      if (::realpath(native.c_str(), resolved)) native = resolved;
    }
    if (::stat(native.c_str(), &st) == 0) {
      if (S_ISDIR(st.st_mode)) reason = L"it is a folder";
      else if (!S_ISREG(st.st_mode)) reason = L"it is not a regular file";
      if (!reason.empty()) return nullptr;
      mode = st.st_mode & 07777;
    }
  }
  std::unique_ptr<ReplacingFile> file(new ReplacingFile);
  file->target_ = native;
  file->name_ = target;
  std::string folder = Folder(native), name = native.substr(native.find_last_of('/') + 1);
  static unsigned counter = 0;
  OpenRequest request;
  request.write = request.create = request.exclusive = true;
  int error = EEXIST;
  for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
    file->temporary_ = folder + "/." + name + "." + std::to_string(::getpid()) + "." + std::to_string(++counter) + ".tmp";
    file->file_ = NativeFile::OpenNative(file->temporary_, request, error);
  }
  if (!file->file_) {
    reason = L"no file can be made in " + FromUtf8(folder) + L" (" + Because(error) + L")";
    file->temporary_.clear();
    return nullptr;
  }
  if (mode) ::chmod(file->temporary_.c_str(), mode);
  return file;
}

ReplacingFile::~ReplacingFile() {
  if (committed_) return;
  file_.reset();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ReplacingFile::Fail(const std::wstring& what, int error) {
  if (reason_.empty()) reason_ = what + L" (" + Because(error ? error : EIO) + L")";
  return false;
}

bool ReplacingFile::Write(const void* data, std::size_t size) {
  if (!reason_.empty()) return false;
  return file_->WriteBytes(data, size) || Fail(L"the data could not be written", file_->ErrorCode());
}

bool ReplacingFile::Commit(std::wstring& reason) {
  if (reason_.empty() && !file_->Sync()) Fail(L"the data could not be stored on the disk", file_->ErrorCode());
  if (reason_.empty() && !file_->Close()) Fail(L"the data could not be stored on the disk", file_->ErrorCode());
  int error = 0;
  if (reason_.empty() && !ReplaceNative(temporary_, target_, error))
    Fail(L"the written file could not take the place of " + name_, error);
  reason = reason_;
  if (!reason_.empty()) return false;
  committed_ = true;
  int folder = ::open(Folder(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

}  // namespace platform

namespace headless {
bool WriteWholeFile(const std::wstring& path, const std::string& bytes, std::wstring& reason) {
  auto file = platform::ReplacingFile::Begin(path, reason);
  if (!file) return false;
  const std::size_t kPiece = std::size_t(1) << 20;
  for (std::size_t at = 0; at < bytes.size(); at += kPiece)
    if (!file->Write(bytes.data() + at, std::min(kPiece, bytes.size() - at))) break;
  return file->Commit(reason);
}
}  // namespace headless
