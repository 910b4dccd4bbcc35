// UI_TextFile.
#include "framework/UI_TextFile.h"

#include "mfc/CStdioFile.h"
#include "win/crt.h"

int UI_TextFile::WriteLines(const CStringArray& lines) {
  FILE* stream = nullptr;
  if (_wfopen_s(&stream, m_path, L"wt,ccs=UNICODE") != 0) return -1;
  bool written = true;
  try {
    CStdioFile file(stream);
    // The line end is written on its own: a NUL in a line ends its text there but never
    // takes the line end with it, which would join the line to the next.
    for (const CString& line : lines) {
      file.WriteString(line);
      file.WriteString(L"\n");
    }
  } catch (CFileException* e) {
    e->Delete();
    written = false;
  }
  bool closed = fclose(stream) == 0;
  return written && closed ? 1 : -1;
}

bool UI_TextFile::ReadLines(CStringArray& out) const {
  FILE* stream = nullptr;
  if (_wfopen_s(&stream, m_path, L"r, ccs=UNICODE") != 0) return false;
  // All or nothing: a file that breaks off while being read is no file to act on.
  CStringArray lines;
  bool read = true;
  try {
    CStdioFile file(stream);
    CString line;
    while (file.ReadString(line)) lines.Add(line);
  } catch (CFileException* e) {
    e->Delete();
    read = false;
  }
  fclose(stream);
  if (read) out.Append(lines);
  return read;
}

bool UI_TextFile::IsLocked() const {
  CFile file;
  if (!file.Open(m_path, CFile::modeRead | CFile::shareDenyWrite)) return true;
  file.Abort();
  return false;
}

void UI_TextFile::Delete() {
  try {
    CFile::Remove(m_path);
  } catch (CFileException* e) {
    e->Delete();
  }
}
