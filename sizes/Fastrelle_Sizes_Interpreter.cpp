// The checks shared by the size-list formats, and the choice of format by extension.
#include "sizes/Fastrelle_Sizes_Interpreter.h"

#include "framework/Fastrelle_Settings.h"
#include "framework/Strings.h"
#include "sizes/Fastrelle_Sizes_TXS.h"
#include "sizes/Fastrelle_Sizes_VEAEVN.h"
#include "sizes/SizeLayerNames.h"

bool Fastrelle_Sizes_Interpreter::Accept(Fastrelle_Size size, int line, std::vector<Fastrelle_Size>& sizes) {
  CString reason;
  if (!CheckSizeName(size.GetName(), &reason)) {
    Note(line, L"pominięty: " + reason);
    return false;
  }
  for (std::size_t i = m_firstSize; i < sizes.size(); ++i) {
    if (sizes[i].GetName().CompareNoCase(size.GetName()) == 0) {
      Note(line, L"pominięty: rozmiar " + size.GetName() + L" już jest na liście");
      return false;
    }
    if (sizes[i].IsBase() && size.IsBase()) {
      Note(line, L"drugi rozmiar bazowy " + size.GetName() + L" wczytany jako zwykły");
      size.SetBase(false);
    }
  }
  if (size.GetColor() < 1 || size.GetColor() > 255) {
    Note(line, L"kolor spoza zakresu 1-255 zastąpiony domyślnym");
    size.SetColor(DefaultSizeColor());
  }
  sizes.push_back(size);
  return true;
}

int Fastrelle_Sizes_Interpreter::CountedLines() const {
  int count = m_lines.GetSize();
  while (count > 0 && m_lines[count - 1].IsEmpty()) --count;
  return count;
}

CString Fastrelle_Sizes_Interpreter::BaseSymbol() {
  CString symbol = GetSettingString(L"BaseSizeSymbol");
  return symbol.IsEmpty() ? CString(L"*") : symbol;
}

std::unique_ptr<Fastrelle_Sizes_Interpreter> MakeSizesInterpreter(const CString& extension) {
  auto matches = [&extension](const wchar_t* key) {
    CStringArray patterns;
    SplitString(GetSettingString(key), L";", patterns, true);
    for (const CString& pattern : patterns)
      if (pattern.CompareNoCase(L"*." + extension) == 0) return true;
    return false;
  };
  if (matches(L"FastrelleSizesFileExtension")) return std::make_unique<Fastrelle_Sizes_TXS>();
  if (matches(L"VEAENVSizesFileExtension")) return std::make_unique<Fastrelle_Sizes_VEAEVN>();
  return nullptr;
}
