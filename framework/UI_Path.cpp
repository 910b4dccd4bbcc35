// UI_Path and NormalizePath.
#include "framework/UI_Path.h"

#include "framework/Strings.h"

void UI_Path::NormalizeSeparators() {
  m_path.Replace(L"\\\\", L"/");
  m_path.Replace(L"\\", L"/");
}

CString UI_Path::GetFileName() const { return m_path.Mid(m_path.ReverseFind(L'/') + 1); }

CString UI_Path::GetExtension() const {
  CString name = GetFileName();
  return name.Mid(name.ReverseFind(L'.') + 1);
}

CString UI_Path::GetNameWithoutExtension() const {
  CString name = GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? CString() : name.Left(dot);
}

CString UI_Path::GetFolder() const { return m_path.Left(m_path.ReverseFind(L'/') + 1); }

CString NormalizePath(const CString& path) {
  // The root part stays whatever follows: a drive and the separators after it.
  int rootLength = path.GetLength() >= 2 && path[1] == L':' ? 2 : 0;
  while (path[rootLength] == L'\\') ++rootLength;
  CString root = path.Left(rootLength), rest = path.Mid(rootLength);
  CStringArray pieces;
  SplitString(rest, L"\\", pieces, false);
  if (GetLastString(pieces).CompareNoCase(L"..") != 0) {
    rest.TrimRight(L'\\');
    return root + rest;
  }
  // Each ".." takes away the piece before it ("." stands for no piece); a ".." with
  // nothing left to take makes a path this cannot shorten, and it comes back as it is.
  CStringArray kept;
  for (const CString& piece : pieces) {
    if (piece == L".") continue;
    if (piece != L"..") {
      kept.Add(piece);
    } else if (kept.IsEmpty()) {
      return path;
    } else {
      kept.RemoveAt(kept.GetUpperBound());
    }
  }
  return root + JoinStrings(kept, L"\\");
}
