// The size list through the file dialog.
#include "sizes/Fastrelle_Sizes_ToFile.h"

#include "framework/Fastrelle_Settings.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "sizes/SizeListFile.h"

Fastrelle_Sizes_ToFile::Fastrelle_Sizes_ToFile() {
  m_dialog.AddFilter(LoadResString(40214) + ProductGroupName(),
                     Fastrelle_Settings().GetString(L"FastrelleSizesFileExtension"));
}

bool Fastrelle_Sizes_ToFile::Save(const std::vector<Fastrelle_Size>& sizes) {
  m_dialog.m_open = false;
  if (!m_dialog.ShowDialog()) return false;
  return SaveSizeList(m_dialog.GetPathName(), sizes);
}

bool Fastrelle_Sizes_ToFile::Load(const CString& path, std::vector<Fastrelle_Size>& sizes) {
  return LoadSizeList(path, sizes);
}
