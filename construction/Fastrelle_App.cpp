// Fastrelle_App.
#include "construction/Fastrelle_App.h"

#include "framework/Folders.h"

CString Fastrelle_App::DefaultTemplatesFolder() {
  CString install = GetInstallPath();
  while (!install.IsEmpty() && (install.Right(1) == L"\\" || install.Right(1) == L"/"))
    install = install.Left(install.GetLength() - 1);
  return install + L"\\Templates\\";
}
