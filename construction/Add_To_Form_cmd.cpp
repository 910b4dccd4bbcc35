// Adding an entity to a part.
#include "construction/Add_To_Form_cmd.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/UI_Entity.h"
#include "framework/UserInput.h"
#include "sizes/Fastrelle_Linetype.h"

namespace {
const UINT kPickEntity = 40254, kOr = 40129, kHowManySizes = 40128, kPickTarget = 40255, kSelectedSize = 40247,
           kAllSizes = 40249;
}  // namespace

int Add_To_Form_cmd::KindOfLayer(const CString& layer) {
  if (Fastrelle_Linetype::IsCutLayerName(layer)) return 3;
  if (Fastrelle_Linetype::IsTechLayerName(layer)) return 2;
  return 1;
}

bool Add_To_Form_cmd::PickEntity(const CString& prompt, ZcDbObjectId& id) {
  CString first = prompt;
  KWordSelector selector(first.TrimLeft(L"\n") + LoadResString(kOr) + L" " + LoadResString(kHowManySizes));
  const CString selected = LoadResString(kSelectedSize), all = LoadResString(kAllSizes);
  selector.AddKeyword(selected);
  selector.AddKeyword(all);
  for (;;) {
    CString keyword;
    const int result = selector.GetEntityOrKeyword(keyword);
    if (result == RTKWORD) {
      m_mode = selector.m_chosen.CompareNoCase(selected) == 0 ? 0 : 1;
      continue;
    }
    if (result != kEntityPicked || selector.m_entityId.isNull()) return false;
    id = selector.m_entityId;
    return true;
  }
}

void Add_To_Form_cmd::Run() {
  m_mode = 1;
  ZcDbObjectId entity, target;
  if (!PickEntity(LoadResString(kPickEntity), entity)) return;
  if (PartSizeGroup::IsInPart(entity)) {
    ZWPrinter().Print(L"\nWybrany element należy już do części.");
    return;
  }
  UI_Entity(entity).Highlight(true);
  const bool picked = PickEntity(LoadResString(kPickTarget), target);
  UI_Entity(entity).Highlight(false);
  if (!picked) return;
  PartSizeGroup group;
  if (group.FromId(target) != 0) {
    ZWPrinter().Print(L"\nWskazany element nie należy do żadnej części.");
    return;
  }
  int status = 0;
  if (m_mode == 0) {
    status = group.AddEntity(entity);
  } else {
    Fastrelle_Part_Drawer part(group.m_part, nullptr);
    if (part.GetName().IsEmpty() || !part.ReadRecord()) {
      ZWPrinter().Print(L"\nCzęść " + group.m_part + L" nie ma zapisu w rysunku.");
      status = Zcad::eWrongObjectType;
    } else {
      status = part.AddEntity(entity, KindOfLayer(UI_Entity(entity).GetLayerName()));
    }
  }
  if (status) PrintErrorStatus(status);
}
