// The symbol inserter of the hole and special-point commands.
#include "construction/SymbolInserter.h"

#include "construction/Drawing_Selector.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/RememberedSymbol.h"
#include "db/ZcDbBlockReference.h"
#include "ed/ErrorStatus.h"
#include "ed/UserInput.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/Strings.h"
#include "framework/Transforms.h"
#include "geometry/PointHelpers.h"
#include "sizes/Fastrelle_Points_Gradable.h"

namespace {
const UINT kNotADrawing = 40010, kSizeNotPositive = 40011;

/// Gives every copy the rotation of the first reference (each turns about its own
/// position); a copy that does not open is skipped.
void CopyRotation(const ZcDbObjectIdArray& ids) {
  ZcDbBlockReference* master = nullptr;
  if (ids.isEmpty() || zcdbOpenObject(master, ids[0], ZcDb::kForRead) != Zcad::eOk) return;
  const double angle = master->rotation();
  master->close();
  for (int i = 1; i < ids.length(); ++i) {
    ZcDbBlockReference* copy = nullptr;
    if (zcdbOpenObject(copy, ids[i], ZcDb::kForWrite) != Zcad::eOk) continue;
    copy->setRotation(angle);
    copy->close();
  }
}
}  // namespace

int SymbolInserter::Run() {
  Drawing_Selector dialog(m_symbolPath, FormatDouble(m_size, L"%0.4f"));
  if (dialog.DoModal() != IDOK) return 0;
  m_size = dialog.GetSize();
  m_chosenPath = dialog.GetPath();
  const CString symbol = m_chosenPath.IsEmpty() ? m_symbolPath : m_chosenPath;
  if (!IsSymbolDrawing(symbol)) {
    ZWPrinter().Print(LoadResString(kNotADrawing) + symbol);
    m_chosenPath.Empty();
    return 0;
  }
  if (m_size <= 0.0) {
    ZWPrinter().Print(LoadResString(kSizeNotPositive));
    return 0;
  }
  Fastrelle_Points_Gradable block;
  if (int es = block.LoadSymbol(symbol)) {
    ZWPrinter().Print(L"\n" + symbol);
    return es;
  }
  if (GetPointFromUser(m_prompt, nullptr, m_point) != RTNORM) return 0;
  for (;;) {
    if (int es = InsertAtPoint(symbol)) return es;
    if (GetPointFromUser(m_prompt, nullptr, m_point) != RTNORM) return 0;
  }
}

int SymbolInserter::InsertAtPoint(const CString& blockPath) {
  Fastrelle_Part part;
  if (!FindPartAtPoint(m_point, part)) {
    ZWPrinter().Print(L"\nPunkt wstawienia symbolu nie leży w żadnej części.");
    return 0;
  }
  Fastrelle_Points_Gradable symbols;
  if (int es = symbols.LoadSymbol(blockPath)) return es;
  if (int es = symbols.InsertSymbol(m_point, m_size)) return es;
  m_ids = symbols.Ids();
  if (m_ids.isEmpty()) return Zcad::eNoInputFiles;
  Rotation_UserSelector rotation;
  rotation.m_ids.append(m_ids[0]);
  rotation.m_basePoint = m_point;
  if (rotation.select() == 0) CopyRotation(m_ids);
  return 0;
}

void RunSymbolCommand(RememberedSymbol& memory, unsigned promptId) {
  memory.ReadOnFirstUse();
  SymbolInserter inserter;
  inserter.m_symbolPath = memory.m_path;
  inserter.m_prompt = LoadResString(promptId);
  inserter.m_size = memory.m_size;
  if (int es = inserter.Run()) PrintErrorStatus(es);
  memory.m_size = inserter.m_size;
  if (!inserter.m_chosenPath.IsEmpty()) memory.m_path = inserter.m_chosenPath;
}
