// Copying every part's master into one size.
#include "sizes/ApplySizeToAllParts.h"

#include "framework/UI_Kolekcja.h"
#include "sizes/PartGroupsLink.h"

namespace {
constexpr int kSeam = 1, kTech = 2, kCut = 3;

/// Copies of the ids in model space, in order.
ZcDbObjectIdArray CopiesOf(const ZcDbObjectIdArray& ids) {
  UI_Kolekcja source, copies;
  for (ZcDbObjectId id : ids) source.Add(id);
  source.CopyTo(copies);
  return copies.Ids();
}
}  // namespace

int ApplySizeToAllParts(const Fastrelle_Size& size) {
  PartGroupsLink* parts = GetPartGroupsLink();
  if (!parts) return 0;
  const CString name = size.GetName();
  for (const CString& part : parts->PartNames()) {
    ZcDbObjectIdArray seam, cut, tech;
    parts->SplitByLineKind(part, L"0", seam, cut, tech);
    if (seam.isEmpty()) continue;
    const ZcDbObjectIdArray seamCopies = CopiesOf(seam), cutCopies = CopiesOf(cut), techCopies = CopiesOf(tech);
    int es = parts->PutOnLayer(part, name, kSeam, seamCopies);
    if (!es) es = parts->PutOnLayer(part, name, kCut, cutCopies);
    if (!es) es = parts->PutOnLayer(part, name, kTech, techCopies);
    if (es) {
      // The failing part's copies would lie loose in the drawing, in no part.
      for (const ZcDbObjectIdArray* copies : {&seamCopies, &cutCopies, &techCopies}) {
        UI_Kolekcja loose;
        for (ZcDbObjectId id : *copies) loose.Add(id);
        loose.DeleteAll();
      }
      return es;
    }
  }
  return 0;
}
