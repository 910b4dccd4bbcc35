// Renaming a size's layers and groups.
#include "sizes/RenameSize.h"

#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/PartGroupsLink.h"
#include "sizes/SizeLayerNames.h"

namespace {
constexpr int kNoGroup = 20;
constexpr UINT kNoSuchSize = 43171, kSizeExists = 43172;

void PrintRefusal(const CString& name, const CString& reason) {
  ZWPrinter().Print(L"\nRozmiar \"" + name + L"\": " + reason);
}
}  // namespace

int RenameSize::operator()(const CString& newName) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  const Fastrelle_Size* found = nullptr;
  for (const Fastrelle_Size& size : sizes.Sizes())
    if (size.GetName().CompareNoCase(m_old) == 0) found = &size;
  if (m_old.IsEmpty() || !found) {
    PrintRefusal(m_old, LoadResString(kNoSuchSize));
    return Zcad::eWrongObjectType;
  }
  CString reason;
  if (!CheckSizeName(newName, &reason)) {
    PrintRefusal(newName, reason);
    return Zcad::eInvalidInput;
  }
  for (const Fastrelle_Size& size : sizes.Sizes())
    if (size.GetName().CompareNoCase(newName) == 0) {
      PrintRefusal(newName, LoadResString(kSizeExists));
      return Zcad::eInvalidInput;
    }

  const CString oldName = found->GetName();
  Fastrelle_Size_ZW size(*found);
  Fastrelle_Linetype* kinds[] = {&size.Seam(), &size.Cut(), &size.Tech()};
  for (int i = 0; i < 3; ++i) {
    if (int es = kinds[i]->SetOwnerName(newName)) {
      for (int j = i - 1; j >= 0; --j) kinds[j]->SetOwnerName(oldName);
      ZWPrinter().Print(L"\nRenameSize " + oldName + L" -> " + newName);
      PrintErrorStatus(es);
      return es;
    }
  }
  PartGroupsLink* parts = GetPartGroupsLink();
  if (!parts) return 0;
  for (const CString& part : parts->PartNames()) {
    int es = parts->RenameSizeOfGroup(part, oldName, newName);
    if (es == kNoGroup) continue;
    if (es) {
      ZWPrinter().Print(L"\nRenameSize " + part + L"|" + oldName + L" -> " + part + L"|" + newName);
      PrintErrorStatus(es);
      return es;
    }
  }
  return 0;
}
