// Files with the Windows C runtime's text rules over POSIX descriptors: encodings chosen
// by "ccs=" and the byte-order mark, CRLF on disk in text mode, 8-bit text in Windows-1250;
// whole regular files read at once. Also the host's file faults (fail the Nth open, read,
// write, sync, close or replace) and held files, so tests can reach every failure path.
#include "win32/NativeFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <new>
#include <set>

#include "headless/Host.h"
#include "mfc/TextFold.h"
#include "win32/FilePaths.h"

namespace platform {
namespace {

const std::size_t kChunk = 1 << 16;

struct Faults {
  std::map<headless::FileFault, int> countdown;  // operations left before the one that fails
  std::set<std::string> held;                    // native paths held by "another program"
};

Faults& TheFaults() {
  static Faults faults;
  return faults;
}

// True when this operation is the one a test asked to fail.
bool Fails(headless::FileFault kind) {
  auto& countdown = TheFaults().countdown;
  auto it = countdown.find(kind);
  if (it == countdown.end()) return false;
  if (--it->second > 0) return false;
  countdown.erase(it);
  return true;
}

bool Held(const std::string& native) { return TheFaults().held.count(native) != 0; }

void AppendUtf16(std::string& out, wchar_t wc) {
  auto c = static_cast<std::uint32_t>(wc);
  auto unit = [&](std::uint32_t u) {
    out.push_back(static_cast<char>(u & 0xFF));
    out.push_back(static_cast<char>(u >> 8));
  };
  if (c > 0x10FFFF) c = 0xFFFD;
  if (c >= 0x10000) {
    c -= 0x10000;
    unit(0xD800 | (c >> 10));
    unit(0xDC00 | (c & 0x3FF));
  } else {
    unit(c);
  }
}

std::string Encode(const std::wstring& text, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf16Le: {
      std::string out;
      out.reserve(text.size() * 2);
      for (wchar_t c : text) AppendUtf16(out, c);
      return out;
    }
    case Encoding::Utf8:
      return ToUtf8(text);
    case Encoding::Ansi:
    case Encoding::Bytes:
      break;
  }
  return ToCp1250(text);
}

const char kBomUtf16[] = "\xFF\xFE";
const char kBomUtf8[] = "\xEF\xBB\xBF";

// The encoding a byte-order mark at the start of the file names, and its length.
Encoding Sniff(int fd, Encoding asked, std::size_t& bomLength) {
  unsigned char head[3] = {0, 0, 0};
  ssize_t n = ::pread(fd, head, 3, 0);
  bomLength = 0;
  if (n >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
    bomLength = 2;
    return Encoding::Utf16Le;
  }
  if (n >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
    bomLength = 3;
    return Encoding::Utf8;
  }
  return asked;
}

}  // namespace

bool ParseCrtMode(const std::wstring& mode, OpenRequest& request) {
  request = OpenRequest();
  std::wstring m;
  for (wchar_t c : mode)
    if (c != L' ' && c != L'\t') m += c;
  std::wstring flags = m, ccs;
  size_t comma = m.find(L',');
  if (comma != std::wstring::npos) {
    flags = m.substr(0, comma);
    std::wstring rest = m.substr(comma + 1);
    if (ToUpper(rest.substr(0, 4)) != L"CCS=") return false;
    ccs = ToUpper(rest.substr(4));
  }
  if (flags.empty()) return false;
  switch (flags[0]) {
    case L'r': request.read = true; break;
    case L'w': request.write = request.create = request.truncate = true; break;
    case L'a': request.write = request.create = request.append = true; break;
    default: return false;
  }
  bool binary = false;
  request.text = true;
  for (size_t i = 1; i < flags.size(); ++i) {
    switch (flags[i]) {
      case L'+': request.read = request.write = true; break;
      case L't': request.text = true; break;
      case L'b': binary = true; request.text = false; break;
      case L'c': case L'n': case L'N': case L'S': case L'R': case L'T': case L'D': break;
      default: return false;
    }
  }
  if (ccs.empty()) return true;
  if (binary) return false;  // an encoding needs text mode
  if (ccs == L"UNICODE" || ccs == L"UTF-16LE") request.encoding = Encoding::Utf16Le;
  else if (ccs == L"UTF-8") request.encoding = Encoding::Utf8;
  else return false;
  return true;
}

std::unique_ptr<NativeFile> NativeFile::Open(const std::wstring& path, const OpenRequest& request,
                                             int& error) {
  error = 0;
  if (path.empty()) {
    error = ENOENT;
    return nullptr;
  }
  std::unique_ptr<NativeFile> file = OpenNative(NativePath(path), request, error);
  if (file) file->path_ = path;
  return file;
}

std::unique_ptr<NativeFile> NativeFile::OpenNative(const std::string& native, const OpenRequest& request,
                                                   int& error) {
  error = 0;
  if (Fails(headless::FileFault::Open)) {
    error = EACCES;
    return nullptr;
  }
  if (Held(native)) {
    error = EBUSY;  // a sharing violation; _wfopen_s reports it as EACCES, as Windows does
    return nullptr;
  }
  int flags = O_CLOEXEC;
  flags |= request.read && request.write ? O_RDWR : (request.write ? O_WRONLY : O_RDONLY);
  if (request.create) flags |= O_CREAT;
  if (request.truncate) flags |= O_TRUNC;
  if (request.append) flags |= O_APPEND;
  if (request.create && request.exclusive) flags |= O_EXCL;
  int fd = ::open(native.c_str(), flags, 0666);
  if (fd < 0) {
    error = errno == EISDIR ? EACCES : errno;
    return nullptr;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    error = EACCES;
    return nullptr;
  }
  std::unique_ptr<NativeFile> file(new NativeFile);
  file->fd_ = fd;
  file->path_ = FromUtf8(native);
  file->request_ = request;
  if (!request.text) {
    file->encoding_ = Encoding::Bytes;
  } else if (request.encoding == Encoding::Ansi) {
    file->encoding_ = Encoding::Ansi;
  } else if (st.st_size > 0) {
    // An existing text: its byte-order mark decides; reading starts after it.
    std::size_t bom = 0;
    file->encoding_ = Sniff(fd, request.encoding, bom);
    if (!request.append) ::lseek(fd, static_cast<off_t>(bom), SEEK_SET);
  } else {
    file->encoding_ = request.encoding;
    if (request.write) file->out_ = file->encoding_ == Encoding::Utf8 ? kBomUtf8 : kBomUtf16;
  }
  return file;
}

NativeFile::~NativeFile() {
  if (fd_ >= 0) Close();
}

bool NativeFile::FlushOut() {
  size_t done = 0;
  while (done < out_.size()) {
    ssize_t n = ::write(fd_, out_.data() + done, out_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      SetError(n < 0 ? errno : ENOSPC);
      break;
    }
    done += static_cast<size_t>(n);
  }
  out_.clear();
  return !error_;
}

void NativeFile::SetError(int code) {
  if (!error_) errorCode_ = code;
  error_ = true;
}

void NativeFile::DropReadAhead() {
  if (inPos_ < in_.size()) ::lseek(fd_, -static_cast<off_t>(in_.size() - inPos_), SEEK_CUR);
  in_.clear();
  inPos_ = 0;
}

bool NativeFile::Ensure(std::size_t count) {
  if (in_.size() - inPos_ >= count) return true;
  if (!out_.empty() && !FlushOut()) return false;
  in_.erase(0, inPos_);
  inPos_ = 0;
  char buffer[kChunk];
  while (in_.size() < count) {
    ssize_t n = Fails(headless::FileFault::Read) ? (errno = EIO, -1) : ::read(fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetError(errno);
      readError_ = true;
    }
    if (n <= 0) break;
    in_.append(buffer, static_cast<size_t>(n));
  }
  return in_.size() >= count;
}

std::size_t NativeFile::ReadBytes(void* data, std::size_t size) {
  if (fd_ < 0 || !request_.read) return 0;
  Ensure(size);
  size_t n = std::min(size, in_.size() - inPos_);
  if (n) std::copy(in_.data() + inPos_, in_.data() + inPos_ + n, static_cast<char*>(data));
  inPos_ += n;
  if (n < size) eof_ = true;
  return n;
}

bool NativeFile::WriteBytes(const void* data, std::size_t size) {
  if (fd_ < 0 || !request_.write) return false;
  if (Fails(headless::FileFault::Write)) {
    SetError(ENOSPC);
    return false;
  }
  DropReadAhead();
  out_.append(static_cast<const char*>(data), size);
  return out_.size() < kChunk || FlushOut();
}

// Decodes the next character; false at the end of the file.
bool NativeFile::GetChar(wchar_t& c) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(in_[inPos_ + i]); };
  switch (encoding_) {
    case Encoding::Bytes:  // wide text in a binary stream: the UTF-16 units as stored
    case Encoding::Utf16Le: {
      if (!Ensure(2)) {
        if (in_.size() > inPos_) {  // a lone last byte
          inPos_ = in_.size();
          c = 0xFFFD;
          return true;
        }
        return false;
      }
      std::uint32_t u = byte(0) | (byte(1) << 8);
      inPos_ += 2;
      if (u >= 0xD800 && u <= 0xDBFF && Ensure(2)) {
        std::uint32_t low = byte(0) | (byte(1) << 8);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          inPos_ += 2;
          u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
        }
      }
      c = static_cast<wchar_t>(u);
      return true;
    }
    case Encoding::Utf8: {
      if (!Ensure(1)) return false;
      Ensure(4);
      char32_t decoded;
      size_t used;
      DecodeUtf8(in_.data() + inPos_, std::min<size_t>(4, in_.size() - inPos_), decoded, used);
      inPos_ += used;
      c = static_cast<wchar_t>(decoded);
      return true;
    }
    case Encoding::Ansi:
      break;
  }
  if (!Ensure(1)) return false;
  c = FromCp1250(std::string(1, in_[inPos_++]))[0];
  return true;
}

bool NativeFile::NextIsLineFeed() {
  if (encoding_ == Encoding::Utf16Le || encoding_ == Encoding::Bytes)
    return Ensure(2) && in_[inPos_] == '\n' && in_[inPos_ + 1] == '\0';
  return Ensure(1) && in_[inPos_] == '\n';
}

bool NativeFile::ReadLine(std::wstring& line) {
  line.clear();
  if (fd_ < 0 || !request_.read) return false;
  wchar_t c;
  bool any = false;
  while (GetChar(c)) {
    any = true;
    if (c == L'\r' && NextIsLineFeed()) continue;  // CRLF: the LF ends the line
    if (c == L'\n') break;
    line += c;
  }
  if (!any) eof_ = true;
  if (!line.empty() && line.back() == L'\r') line.pop_back();
  return any;
}

bool NativeFile::WriteText(const std::wstring& text) {
  if (!request_.text) {
    std::string units = Encode(text, Encoding::Utf16Le);
    return WriteBytes(units.data(), units.size());
  }
  std::wstring translated;
  translated.reserve(text.size());
  for (wchar_t c : text) {
    if (c == L'\n') translated += L'\r';
    translated += c;
  }
  std::string bytes = Encode(translated, encoding_);
  return WriteBytes(bytes.data(), bytes.size());
}

std::int64_t NativeFile::Seek(std::int64_t offset, int whence) {
  if (fd_ < 0 || (!out_.empty() && !FlushOut())) return -1;
  DropReadAhead();
  eof_ = false;
  int how = whence == 0 ? SEEK_SET : (whence == 1 ? SEEK_CUR : SEEK_END);
  off_t at = ::lseek(fd_, static_cast<off_t>(offset), how);
  return at < 0 ? -1 : static_cast<std::int64_t>(at);
}

std::int64_t NativeFile::Length() {
  if (fd_ < 0 || (!out_.empty() && !FlushOut())) return -1;
  struct stat st;
  return ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

bool NativeFile::Flush() { return fd_ >= 0 && (out_.empty() || FlushOut()); }

bool NativeFile::Sync() {
  if (!Flush()) return false;
  if (Fails(headless::FileFault::Sync)) SetError(EIO);
  else if (::fsync(fd_) != 0) SetError(errno);
  return !error_;
}

bool NativeFile::Close() {
  if (fd_ < 0) return false;
  bool ok = Flush();
  if (Fails(headless::FileFault::Close)) {
    ok = false;
    SetError(EIO);
  }
  if (::close(fd_) != 0 && ok) {
    ok = false;
    SetError(errno);
  }
  fd_ = -1;
  if (!ok) error_ = true;
  return ok;
}

bool ReplaceFile(const std::wstring& from, const std::wstring& to) {
  int error = 0;
  return ReplaceNative(NativePath(from), NativePath(to), error);
}

bool ReplaceNative(const std::string& from, const std::string& to, int& error) {
  error = 0;
  if (Fails(headless::FileFault::Replace)) error = EIO;
  else if (Held(to)) error = EBUSY;
  else if (std::rename(from.c_str(), to.c_str()) != 0) error = errno;
  return error == 0;
}

bool ReadRegularFile(const std::wstring& path, std::string& bytes, int& error) {
  error = 0;
  bytes.clear();
  std::string native = NativePath(path);
  struct stat st;
  if (::stat(native.c_str(), &st) != 0) error = errno;
  else if (S_ISDIR(st.st_mode)) error = EISDIR;
  else if (!S_ISREG(st.st_mode)) error = ENODEV;  // opening a pipe or a device could block
  else if (Fails(headless::FileFault::Open)) error = EACCES;
  else if (Held(native)) error = EBUSY;
  if (error) return false;
  // Non-blocking, in case the name was swapped for a pipe since it was looked at.
  int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return false;
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
    ::close(fd);
    return false;
  }
  auto size = static_cast<std::size_t>(st.st_size);
  try {
    bytes.reserve(size);
  } catch (const std::bad_alloc&) {
    ::close(fd);
    error = ENOMEM;
    return false;
  }
  // A large file is read once from start to end: huge pages spare the faults page by page.
  auto from = (reinterpret_cast<std::uintptr_t>(bytes.data()) + 4095) & ~std::uintptr_t(4095);
  auto to = (reinterpret_cast<std::uintptr_t>(bytes.data()) + size) & ~std::uintptr_t(4095);
  if (size >= (std::size_t(4) << 20) && to > from)
    ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
  bytes.resize(size);
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = Fails(headless::FileFault::Read) ? (errno = EIO, -1)
                                                 : ::read(fd, bytes.data() + done, std::min(size - done, kChunk * 256));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);  // a file cut short while it was read ends where it ended
  if (error) bytes.clear();
  return error == 0;
}

bool RemoveFile(const std::wstring& path, int& error) {
  std::string native = NativePath(path);
  struct stat st;
  error = 0;
  if (::stat(native.c_str(), &st) != 0) error = ENOENT;
  else if (Held(native)) error = EBUSY;
  else if (S_ISDIR(st.st_mode)) error = EACCES;
  else if (::unlink(native.c_str()) != 0) error = errno;
  return error == 0;
}

bool FaultFires(headless::FileFault kind) { return Fails(kind); }

}  // namespace platform

namespace headless {
void HoldFile(const std::wstring& path, bool held) {
  std::string native = platform::NativePath(path);
  if (held) platform::TheFaults().held.insert(native);
  else platform::TheFaults().held.erase(native);
}
void FailFileOperation(FileFault kind, int nth) {
  if (nth > 0) platform::TheFaults().countdown[kind] = nth;
}
void ClearFileFaults() {
  platform::TheFaults().countdown.clear();
  platform::TheFaults().held.clear();
}
}  // namespace headless
