// Config: parsing, loading and safe saving of key=value settings files.
#include "framework/Config.h"

#include "ed/ErrorStatus.h"
#include "framework/Folders.h"
#include "framework/Printer.h"
#include "framework/Strings.h"
#include "framework/UI_File.h"
#include "framework/UI_TextFile.h"
#include "win/crt.h"
#include "win/winbase.h"

namespace {
const wchar_t kTrimmed[] = L"\t\n ";
}

int Config::Load(const CString& path) {
  // A folder that cannot be listed may well hold the user's copy: that is no missing file.
  FileLookup lookup = LookUpFile(path);
  if (lookup == FileLookup::Missing) return Zcad::eFileNotFound;
  CStringArray lines;
  if (lookup == FileLookup::Unknown || !UI_TextFile(path).ReadLines(lines)) {
    ZWPrinter().Print(path);
    PrintErrorStatus(Zcad::eFileAccessErr);
    return Zcad::eFileAccessErr;
  }
  ParseLines(lines);
  return Zcad::eOk;
}

int Config::Save(const CString& path) {
  CStringArray lines;
  WriteLines(lines);
  // The old file is replaced only by a copy that was written and closed without error.
  const CString temporary = path + L".tmp";
  if (UI_TextFile(temporary).WriteLines(lines) == 1 && MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING))
    return Zcad::eOk;
  DeleteFileW(temporary);
  return Zcad::eFileWriteError;
}

int Config::GetInt(const CString& key) {
  CString value = GetString(key);
  return StartsWithNumber(value) ? _wtoi(value) : 0;
}

bool Config::GetBool(const CString& key) {
  CString value = GetString(key);
  return value.CompareNoCase(L"T") == 0 || value.CompareNoCase(L"True") == 0 || value == L"+";
}

double Config::GetDouble(const CString& key) {
  CString value = GetString(key);
  double result = 0.0;
  return ParseDouble(value, result) ? result : 0.0;
}

void Config::SetBool(const CString& key, bool value) { SetString(key, value ? L"T" : L"N"); }

void Config::SetDouble(const CString& key, double value) { SetString(key, DoubleToString(value, 6)); }

void Config::ParseLines(const CStringArray& lines) {
  m_linesWithText = m_entries = 0;
  for (const CString& whole : lines) {
    // A NUL (written by another program) ends the line's text there: it never joins the
    // line to the next, and what follows it on that line is dropped.
    const std::size_t nul = whole.str().find(L'\0');
    const CString line = nul == std::wstring::npos ? whole : CString(whole.str().substr(0, nul));
    CString text = line;
    if (!text.Trim(L"\t\n\r ").IsEmpty()) ++m_linesWithText;
    CStringArray pieces;
    SplitString(line, m_separator, pieces, true);  // no separator: one piece
    if (pieces.GetSize() != 2 || pieces[0].IsEmpty()) continue;  // ' = x' names no key
    SetString(pieces[0], pieces[1]);
    ++m_entries;
  }
}

bool Config::Storable(const CString& key, const CString& value) const {
  CString trimmed = key;
  if (trimmed.Trim(kTrimmed).IsEmpty()) return false;
  CString forbidden = m_separator + L"\r\n";
  auto hasNul = [](const CString& text) { return text.str().find(L'\0') != std::wstring::npos; };
  return key.FindOneOf(forbidden) < 0 && value.FindOneOf(forbidden) < 0 && !hasNul(key) && !hasNul(value);
}

CString Config::GetPath(const CString& key) { return ResolveInstallPath(GetString(key)); }
