// MFC's binary file class and the exception it throws: open a file by its Windows path,
// read and write bytes, seek, remove. CStdioFile builds text files on it; the
// system's file helpers use both.
#ifndef PLATFORM_MFC_CFILE_H
#define PLATFORM_MFC_CFILE_H

#include "mfc/CString.h"

namespace platform {
class NativeFile;
}

/// Base of the exceptions MFC throws by pointer. The catcher owns the object and frees it
/// with Delete: `catch (CFileException* e) { e->Delete(); }`.
class CException {
public:
  virtual ~CException() = default;
  void Delete() { delete this; }
};

/// A failed file operation: the cause, the operating system's error and the file name.
class CFileException : public CException {
public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
  };
  explicit CFileException(int cause = none, LONG osError = -1, const wchar_t* fileName = nullptr)
      : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}
  /// The cause for an errno value (ENOENT => fileNotFound, EACCES => accessDenied, ...).
  static int ErrnoToCause(int error);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

/// A file opened by its Windows path ("\" or "/", any case). Closed by Close or by the
/// destructor. The share flags only matter against files held by another program: such a
/// file cannot be opened at all.
class CFile {
public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile();
  /// Opens at once; throws CFileException* when that fails.
  CFile(const wchar_t* fileName, UINT openFlags);
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  /// Opens `fileName`: modeCreate makes a missing file and empties an existing one unless
  /// modeNoTruncate is given; without it the file must exist. FALSE on failure, with the
  /// cause in `error` when one is given.
  virtual BOOL Open(const wchar_t* fileName, UINT openFlags, CFileException* error = nullptr);
  /// Closes; throws CFileException* when data written could not be stored.
  virtual void Close();
  /// Closes without reporting anything.
  virtual void Abort();
  /// Reads up to `count` bytes; the count read (0 at the end).
  virtual UINT Read(void* buffer, UINT count);
  /// Writes all bytes; throws CFileException* (diskFull) when that fails.
  virtual void Write(const void* buffer, UINT count);
  virtual unsigned long long Seek(long long offset, UINT from);
  void SeekToBegin() { Seek(0, begin); }
  unsigned long long SeekToEnd() { return Seek(0, end); }
  virtual unsigned long long GetLength() const;
  virtual unsigned long long GetPosition() const;
  virtual void Flush();

  /// The path as given to Open or SetFilePath; its last component; that without its last
  /// extension ("C:\d\a.b.dwg" => "a.b.dwg", "a.b").
  virtual CString GetFilePath() const { return m_strFileName; }
  virtual void SetFilePath(const wchar_t* newName) { m_strFileName = newName; }
  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;

  /// Removes a file; throws CFileException* when it is missing, a folder or held.
  static void Remove(const wchar_t* fileName);

protected:
  /// Opens the native file for Open: a new file the caller owns, or null with `error`
  /// filled. `text` asks for 8-bit text with CRLF line ends.
  platform::NativeFile* OpenNative(const wchar_t* fileName, UINT openFlags, bool text,
                                   CFileException* error);
  /// Throws the exception for an errno value about this file.
  [[noreturn]] void ThrowErrno(int error) const;
  bool IsOpen() const { return m_file != nullptr; }

  platform::NativeFile* m_file = nullptr;  // owned unless a stream owns it (CStdioFile)
  CString m_strFileName;
};

#endif
