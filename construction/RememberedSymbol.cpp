// The remembered symbol sizes and folders.
#include "construction/RememberedSymbol.h"

#include "framework/Fastrelle_Settings.h"
#include "framework/Folders.h"
#include "framework/UI_File.h"
#include "ui/FileFilterList.h"

void RememberedSymbol::ReadOnFirstUse() {
  if (m_size >= 1e-5) return;
  m_size = GetSettingDouble(m_sizeKey);
  m_path = ResolveInstallPath(CString(L"Templates\\") + m_folder);
}

void RememberedSymbol::Forget() {
  m_size = 0.0;
  m_path.Empty();
}

RememberedSymbol& RememberedSymbol::Notch() {
  static RememberedSymbol memory(L"NotchSize", L"Notch");
  return memory;
}

RememberedSymbol& RememberedSymbol::Hole() {
  static RememberedSymbol memory(L"HoleSize", L"Holes");
  return memory;
}

RememberedSymbol& RememberedSymbol::SpecialPoint() {
  static RememberedSymbol memory(L"SpecPointSize", L"Special points");
  return memory;
}

bool IsSymbolDrawing(const CString& path) {
  return !path.IsEmpty() && UI_File(path).Exists() && !IsExistingFolder(path);
}
