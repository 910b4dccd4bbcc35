// Making the sizes of a list.
#include "sizes/SizeCreator.h"

#include "framework/Printer.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
bool Listed(const Fastrelle_Sizes& sizes, const CString& name) {
  for (const Fastrelle_Size& size : sizes.Sizes())
    if (size.GetName().CompareNoCase(name) == 0) return true;
  return false;
}
}  // namespace

int SizeCreator::Create(std::vector<Fastrelle_Size>& sizes) {
  Fastrelle_Sizes_ZW drawing;
  drawing.LoadFromLayers();
  CString namedBase;
  for (const Fastrelle_Size& size : sizes) {
    if (size.IsBase() && namedBase.IsEmpty()) namedBase = size.GetName();
    if (Listed(drawing, size.GetName())) continue;
    Fastrelle_Size plain(size.GetName(), size.GetColor(), false);
    if (int es = EnsureSizeLayers(plain)) {
      ZWPrinter().Print(L"\nSizeCreator::Create " + size.GetName());
      PrintErrorStatus(es);
    }
  }
  sizes.clear();
  if (namedBase.IsEmpty() || !GetBaseSizeName().IsEmpty()) return 0;
  Fastrelle_Sizes_ZW now;
  now.LoadFromLayers();
  if (Listed(now, namedBase)) now.SetBaseSize(namedBase);
  return 0;
}
