// MFC's text file: lines of wide text over a stdio stream, in the encoding the stream was
// opened with (UTF-16LE for "ccs=UNICODE", Windows-1250 for plain text mode). Used by the
// settings files, the sectioned reader and the system's line files.
#ifndef PLATFORM_MFC_CSTDIOFILE_H
#define PLATFORM_MFC_CSTDIOFILE_H

#include <cstdio>

#include "mfc/CFile.h"

/// A text file. Opened by path it is in text mode unless typeBinary is given, 8-bit text in
/// the Windows-1250 code page, "\r\n" on disk. Built on a FILE from _wfopen_s it uses that
/// stream's encoding and does not close it on destruction (fclose or Close does).
class CStdioFile : public CFile {
public:
  CStdioFile() = default;
  explicit CStdioFile(FILE* stream);
  /// Opens at once; throws CFileException* when that fails.
  CStdioFile(const wchar_t* fileName, UINT openFlags);
  ~CStdioFile() override;

  BOOL Open(const wchar_t* fileName, UINT openFlags, CFileException* error = nullptr) override;
  /// Closes the stream (fclose); throws CFileException* when written text was lost.
  void Close() override;
  /// Closes quietly a stream this object opened; one handed to the constructor is only let
  /// go (its owner closes it).
  void Abort() override;

  /// The next line without its line end ("\n", "\r\n" or a stray "\r" before "\n").
  /// FALSE at the end of the file, with `line` empty; throws CFileException* (hardIO) when
  /// the file cannot be read further, so a failed read is never taken for the end.
  virtual BOOL ReadString(CString& line);
  /// Writes the text as it stands ("\n" becomes "\r\n" in text mode, UTF-16 units in
  /// binary mode); throws CFileException* (diskFull) when the write fails.
  virtual void WriteString(const wchar_t* text);

  FILE* m_pStream = nullptr;

private:
  bool m_closeOnDelete = true;
};

#endif
