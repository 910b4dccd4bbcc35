// SettingsFile: the shared load, merge and write-back of a settings file.
#include "framework/SettingsFile.h"

#include "framework/Folders.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"

namespace {
const wchar_t kConfigFolder[] = L"\\Config\\";

// The per-user copy each class found but could not read, by the class's map: it holds the
// user's values, so no save of that class replaces it while the module is loaded.
std::map<const SettingsFile::Values*, CString>& KeptCopies() {
  static std::map<const SettingsFile::Values*, CString> kept;
  return kept;
}

// Both paths name the same file as Windows would see it: "/" or "\", any case.
bool SamePath(CString a, CString b) {
  a.Replace(L'/', L'\\');
  b.Replace(L'/', L'\\');
  return a.CompareNoCase(b) == 0;
}
}  // namespace

SettingsFile::SettingsFile(Values& values, const CString& fileName) : m_values(values) {
  SetSeparator(L"=");
  if (!IsEmpty()) return;
  // An empty folder would put the file under the root of the drive: treat it as missing.
  CString install = GetInstallPath();
  int status = install.IsEmpty() ? static_cast<int>(Zcad::eFileNotFound) : Load(install + kConfigFolder + fileName);
  if (status != Zcad::eOk) {
    PrintErrorStatus(status);
    return;
  }
  CString appdata = GetAppdataPath();
  if (appdata.IsEmpty()) return;
  CString userCopy = appdata + kConfigFolder + fileName;
  KeptCopies().erase(&m_values);
  status = Load(userCopy);
  if (status == Zcad::eOk && LastParseFoundNoEntry()) {
    // Text this reader cannot take apart is still the user's: report it, keep it.
    ZWPrinter().Print(userCopy);
    PrintErrorStatus(Zcad::eFileAccessErr);
    status = Zcad::eFileAccessErr;
  }
  if (status == Zcad::eFileAccessErr) {  // the user's values stay on disk
    KeptCopies()[&m_values] = userCopy;
    return;
  }
  status = Save(userCopy);
  if (status != Zcad::eOk) PrintErrorStatus(status);
}

int SettingsFile::Save(const CString& path) {
  auto kept = KeptCopies().find(&m_values);
  if (kept != KeptCopies().end() && SamePath(kept->second, path)) return Zcad::eFileWriteError;
  return Config::Save(path);
}

CString SettingsFile::GetString(const CString& key) {
  auto it = m_values.find(key);
  if (it != m_values.end()) return it->second;
  ZWPrinter().Print(key);
  PrintErrorStatus(Zcad::eKeyNotFound);
  return CString();
}

void SettingsFile::SetString(const CString& key, const CString& value) {
  if (!Storable(key, value)) {
    ZWPrinter().Print(key);
    PrintErrorStatus(Zcad::eInvalidInput);
    return;
  }
  m_values[key] = value;
}

void SettingsFile::WriteLines(CStringArray& lines) {
  // An empty value is written as one blank: "key=" alone would not read back.
  for (const auto& [key, value] : m_values)
    lines.Add(key + m_separator + (value.IsEmpty() ? CString(L" ") : value));
}
