// The arrow-key filter.
//
// Module-wide state: g_moving, set only while a key move runs (a scope guard clears it on
// every way out), so that keys arriving meanwhile are dropped rather than nested.
#include "layout/AllignByKeyArrows.h"

#include <memory>

#include "db/ZcDbBlockReference.h"
#include "ed/ZcApDocManager.h"
#include "framework/Selections.h"
#include "framework/Tagged.h"
#include "framework/ZWVariable.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_Move.h"
#include "layout/Layout_draw_closingLine.h"

namespace {

bool g_moving = false;

struct MovingFlag {
  MovingFlag() { g_moving = true; }
  ~MovingFlag() { g_moving = false; }
};

bool CommandRunning() {
  CString names;
  GetVariableString(L"CMDNAMES", names);
  return !names.IsEmpty();
}

bool IsPieceReference(ZcDbObjectId id) {
  ZcDbBlockReference* reference = nullptr;
  if (zcdbOpenObject(reference, id, ZcDb::kForRead) != Zcad::eOk) return false;
  ZcDbObjectId block = reference->blockTableRecord();
  reference->close();
  return Tagged(block, kLayoutApplication).HasTag(kFormTag);
}

std::unique_ptr<Layout_Move> MoverFor(WPARAM key, const ZcDbObjectIdArray& items) {
  switch (key) {
    case VK_LEFT: return std::make_unique<Layout_Move_Left>(items);
    case VK_UP: return std::make_unique<Layout_Move_Top>(items);
    case VK_RIGHT: return std::make_unique<Layout_Move_Right>(items);
    case VK_DOWN: return std::make_unique<Layout_Move_Bottom>(items);
    default: return nullptr;
  }
}

bool Handle(MSG* message) {
  if (!message || message->message != WM_KEYDOWN) return false;
  if (message->wParam < VK_LEFT || message->wParam > VK_DOWN) return false;
  if (g_moving) return true;
  if (CommandRunning()) return false;
  ZcDbObjectIdArray items = SelectPickFirst();
  bool piece = false;
  for (ZcDbObjectId id : items) piece = piece || IsPieceReference(id);
  if (!piece) return false;
  AllignByKeyArrows lock;
  if (!lock.Locked()) return false;
  MovingFlag moving;
  {
    std::unique_ptr<Layout_Move> mover = MoverFor(message->wParam, items);
    mover->SetRedrawOnEnd(false);  // placed below, made when the drawing has none yet
    mover->Run();
  }
  Layout_draw_closingLine().Draw();
  SetPickFirst(items);
  return true;
}

}  // namespace

AllignByKeyArrows::AllignByKeyArrows() {
  ZcApDocManager* manager = zcDocManagerPtr();
  m_locked = manager->lockDocument(manager->curDocument(), ZcAp::kWrite, nullptr, nullptr, true) == Zcad::eOk;
}

AllignByKeyArrows::~AllignByKeyArrows() {
  if (m_locked) zcDocManagerPtr()->unlockDocument(zcDocManagerPtr()->curDocument());
}

bool AllignByKeyArrowsFilter(MSG* message) {
  try {
    return Handle(message);
  } catch (...) {
    // The host's message loop must never see an exception; the guards have let go.
    return false;
  }
}
