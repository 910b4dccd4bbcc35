// An open file as the Windows C runtime sees it: raw bytes, or text in a character
// encoding with CRLF line ends on disk. Behind _wfopen_s, CFile and CStdioFile; private to
// the platform. Every open, write, close and replace passes the host's file faults and the
// files that tests mark as held by another program.
#ifndef PLATFORM_WIN32_NATIVEFILE_H
#define PLATFORM_WIN32_NATIVEFILE_H

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "headless/Host.h"

namespace platform {

/// How text is stored on disk. Bytes: no translation at all (binary mode).
enum class Encoding { Bytes, Ansi, Utf16Le, Utf8 };

/// What an open asks for, in the terms both fopen modes and CFile flags map onto.
struct OpenRequest {
  bool read = false, write = false;
  bool create = false;     // create a missing file
  bool truncate = false;   // empty an existing file
  bool append = false;     // every write goes to the end
  bool text = false;       // CRLF <-> LF
  bool exclusive = false;  // with create: fail when the file exists
  /// The encoding asked for ("ccs="); Ansi when none. With Utf16Le or Utf8 a byte-order
  /// mark in the file wins on reading, and a new or emptied file gets one.
  Encoding encoding = Encoding::Ansi;
};

/// Parses a C runtime mode: "r", "w", "a", "+", "t", "b", the flags the runtime ignores
/// here ("c", "n", "N", "S", "R", "T", "D"), and ", ccs=UNICODE|UTF-8|UTF-16LE", with
/// blanks anywhere ("r, ccs=UNICODE"). False for anything else.
bool ParseCrtMode(const std::wstring& mode, OpenRequest& request);

/// One open file. Reads and writes may be mixed; a read after writes sees them.
class NativeFile {
public:
  /// Opens the native file for a Windows path; null with `error` set to an errno value
  /// (ENOENT, EACCES, EISDIR, ...) on failure.
  static std::unique_ptr<NativeFile> Open(const std::wstring& path, const OpenRequest& request,
                                          int& error);
  /// The same for a native path, as NativePath gives it.
  static std::unique_ptr<NativeFile> OpenNative(const std::string& native, const OpenRequest& request,
                                                int& error);
  ~NativeFile();
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  /// Raw bytes, as they are on disk. Read returns the count read (0 at the end).
  std::size_t ReadBytes(void* data, std::size_t size);
  bool WriteBytes(const void* data, std::size_t size);
  /// One line of text without its line end ("\n", and a "\r" before it); false at the end
  /// of the file when nothing is left.
  bool ReadLine(std::wstring& line);
  /// Text, encoded and with "\n" written as "\r\n" in text mode; in binary mode the UTF-16
  /// code units as they stand, as the Windows runtime writes wide text to a binary stream.
  /// False when the write failed; the error then stays set.
  bool WriteText(const std::wstring& text);

  /// Moves to a byte offset (whence 0 begin, 1 current, 2 end); -1 on failure.
  std::int64_t Seek(std::int64_t offset, int whence);
  std::int64_t Length();
  bool Flush();
  /// Flushes and makes the disk store what was written (fsync); false when it cannot.
  bool Sync();
  /// Flushes and closes; false when anything written could not be stored.
  bool Close();
  bool Failed() const { return error_; }
  /// The errno value of the first failure (ENOSPC, EIO, ...), 0 when none.
  int ErrorCode() const { return errorCode_; }
  /// A read failed (not the end of the file): what was read before it is all there is.
  bool ReadFailed() const { return readError_; }
  bool AtEnd() const { return eof_; }
  Encoding encoding() const { return encoding_; }
  const std::wstring& path() const { return path_; }

private:
  NativeFile() = default;
  bool Ensure(std::size_t count);
  bool GetChar(wchar_t& c);
  bool NextIsLineFeed();
  void DropReadAhead();
  bool FlushOut();
  void SetError(int code);

  int fd_ = -1;
  std::wstring path_;
  OpenRequest request_;
  Encoding encoding_ = Encoding::Bytes;
  std::string in_;         // bytes read ahead
  std::size_t inPos_ = 0;
  std::string out_;        // bytes not yet written
  bool error_ = false, readError_ = false, eof_ = false;
  int errorCode_ = 0;
};

/// Wraps an open file in a stdio stream that owns it: fclose flushes, closes and frees it.
/// Null when the stream cannot be made (the file is closed then).
FILE* WrapInStream(std::unique_ptr<NativeFile> file);
/// The file behind a stream made by WrapInStream; null for any other stream.
NativeFile* StreamFile(FILE* stream);

/// Replaces `to` by `from` (a rename over it); false when that fails. Passes the faults.
bool ReplaceFile(const std::wstring& from, const std::wstring& to);
/// The same for native paths; false with `error` set when that fails.
bool ReplaceNative(const std::string& from, const std::string& to, int& error);
/// Reads the whole of a regular file into `bytes`, without blocking on what is not one:
/// false with `error` set to ENOENT, EISDIR (a folder), ENODEV (a pipe, device or socket),
/// EACCES, EBUSY (held), EIO (a read failed) or ENOMEM. Passes the open and read faults.
bool ReadRegularFile(const std::wstring& path, std::string& bytes, int& error);
/// Removes a file (not a folder); false with `error` set when that fails.
bool RemoveFile(const std::wstring& path, int& error);
/// True when this operation of that kind is the one a test asked to fail (it is counted).
bool FaultFires(headless::FileFault kind);

}  // namespace platform

#endif
