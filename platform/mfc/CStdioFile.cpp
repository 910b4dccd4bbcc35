// CStdioFile: text lines over a stdio stream whose NativeFile carries the encoding.
#include "mfc/CStdioFile.h"

#include <cerrno>

#include "win32/NativeFile.h"

CStdioFile::CStdioFile(FILE* stream)
    : m_pStream(stream), m_closeOnDelete(false) {
  m_file = platform::StreamFile(stream);
}

CStdioFile::CStdioFile(const wchar_t* fileName, UINT openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error)) throw new CFileException(error);
}

CStdioFile::~CStdioFile() {
  Abort();
  m_file = nullptr;  // the stream owns it
}

BOOL CStdioFile::Open(const wchar_t* fileName, UINT openFlags, CFileException* error) {
  Abort();
  platform::NativeFile* file = OpenNative(fileName, openFlags, !(openFlags & typeBinary), error);
  if (!file) return FALSE;
  m_pStream = platform::WrapInStream(std::unique_ptr<platform::NativeFile>(file));
  if (!m_pStream) {
    if (error) *error = CFileException(CFileException::tooManyOpenFiles, ENOMEM, fileName);
    return FALSE;
  }
  m_file = file;
  m_closeOnDelete = true;
  return TRUE;
}

void CStdioFile::Close() {
  if (!m_pStream) return CFile::Close();
  bool ok = std::fclose(m_pStream) == 0;
  m_pStream = nullptr;
  m_file = nullptr;
  if (!ok) ThrowErrno(ENOSPC);
}

void CStdioFile::Abort() {
  // A stream handed in by the caller stays open: its owner closes it.
  if (m_pStream && m_closeOnDelete) std::fclose(m_pStream);
  m_pStream = nullptr;
  m_file = nullptr;
}

BOOL CStdioFile::ReadString(CString& line) {
  std::wstring text;
  bool read = m_file && m_file->ReadLine(text);
  line = CString(text);
  if (!read && m_file && m_file->ReadFailed()) ThrowErrno(EIO);
  return read ? TRUE : FALSE;
}

void CStdioFile::WriteString(const wchar_t* text) {
  if (!m_file || !m_file->WriteText(text ? text : L"")) ThrowErrno(ENOSPC);
}
