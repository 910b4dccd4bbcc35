// CFile and CFileException over the platform's native files.
#include "mfc/CFile.h"

#include <cerrno>

#include "win32/FilePaths.h"
#include "win32/NativeFile.h"

int CFileException::ErrnoToCause(int error) {
  switch (error) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case EINVAL: return badPath;
    case EMFILE: case ENFILE: return tooManyOpenFiles;
    case EACCES: case EPERM: case EROFS: case EISDIR: return accessDenied;
    case EBUSY: return sharingViolation;
    case ENOSPC: case EDQUOT: return diskFull;
    case EIO: return hardIO;
    default: return genericException;
  }
}

CFile::CFile() = default;

CFile::CFile(const wchar_t* fileName, UINT openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error)) throw new CFileException(error);
}

CFile::~CFile() { CFile::Abort(); }

platform::NativeFile* CFile::OpenNative(const wchar_t* fileName, UINT openFlags, bool text,
                                        CFileException* error) {
  platform::OpenRequest request;
  UINT access = openFlags & 3;
  request.read = access == modeRead || access == modeReadWrite;
  request.write = access == modeWrite || access == modeReadWrite;
  request.create = (openFlags & modeCreate) != 0;
  request.truncate = request.create && !(openFlags & modeNoTruncate);
  request.text = text;
  int errorCode = 0;
  m_strFileName = fileName;
  std::unique_ptr<platform::NativeFile> file =
      platform::NativeFile::Open(fileName ? fileName : L"", request, errorCode);
  if (!file && error) *error = CFileException(CFileException::ErrnoToCause(errorCode), errorCode, fileName);
  return file.release();
}

BOOL CFile::Open(const wchar_t* fileName, UINT openFlags, CFileException* error) {
  Abort();
  m_file = OpenNative(fileName, openFlags, false, error);
  return m_file ? TRUE : FALSE;
}

void CFile::ThrowErrno(int error) const {
  throw new CFileException(CFileException::ErrnoToCause(error), error, m_strFileName);
}

void CFile::Close() {
  if (!m_file) return;
  bool ok = m_file->Close();
  delete m_file;
  m_file = nullptr;
  if (!ok) ThrowErrno(ENOSPC);
}

void CFile::Abort() {
  delete m_file;  // closes quietly
  m_file = nullptr;
}

UINT CFile::Read(void* buffer, UINT count) {
  return m_file ? static_cast<UINT>(m_file->ReadBytes(buffer, count)) : 0;
}

void CFile::Write(const void* buffer, UINT count) {
  if (!m_file || !m_file->WriteBytes(buffer, count)) ThrowErrno(ENOSPC);
}

unsigned long long CFile::Seek(long long offset, UINT from) {
  std::int64_t at = m_file ? m_file->Seek(offset, static_cast<int>(from)) : -1;
  if (at < 0) ThrowErrno(ESPIPE);
  return static_cast<unsigned long long>(at);
}

unsigned long long CFile::GetLength() const {
  std::int64_t length = m_file ? m_file->Length() : -1;
  return length < 0 ? 0 : static_cast<unsigned long long>(length);
}

unsigned long long CFile::GetPosition() const {
  std::int64_t at = m_file ? m_file->Seek(0, current) : -1;
  return at < 0 ? 0 : static_cast<unsigned long long>(at);
}

void CFile::Flush() {
  if (m_file && !m_file->Flush()) ThrowErrno(ENOSPC);
}

CString CFile::GetFileName() const { return CString(platform::PathFileName(m_strFileName.str())); }

CString CFile::GetFileTitle() const { return CString(platform::PathFileTitle(m_strFileName.str())); }

void CFile::Remove(const wchar_t* fileName) {
  int error = 0;
  if (!platform::RemoveFile(fileName ? fileName : L"", error))
    throw new CFileException(CFileException::ErrnoToCause(error), error, fileName);
}
