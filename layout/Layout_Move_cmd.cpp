// The mover commands.
#include "layout/Layout_Move_cmd.h"

#include <memory>

#include "db/ZcDbObjectId.h"
#include "framework/Selections.h"
#include "layout/Layout_Move.h"
#include "layout/Layout_draw_closingLine.h"

namespace {
constexpr int kUsesPickFirst = 2;
}  // namespace

void Layout_Move_cmd::Run() {
  ZcDbObjectIdArray items = SelectPickFirst();
  if (items.isEmpty()) return;
  {
    std::unique_ptr<Layout_Move> mover(MakeMover(items));
    mover->SetRedrawOnEnd(false);  // placed once below
    mover->Run();
  }
  Layout_draw_closingLine().Draw();
}

Layout_Move_Left_cmd::Layout_Move_Left_cmd()
    : Layout_Move_cmd(L"Fastrelle:Layout:MoveLeft", L"Fastrelle:Układ:PrzesuńWLewo", kUsesPickFirst) {}
Layout_Move* Layout_Move_Left_cmd::MakeMover(const ZcDbObjectIdArray& items) const {
  return new Layout_Move_Left(items);
}

Layout_Move_Top_cmd::Layout_Move_Top_cmd()
    : Layout_Move_cmd(L"Fastrelle:Layout:MoveTop", L"Fastrelle:Układ:PrzesuńWGórę", kUsesPickFirst) {}
Layout_Move* Layout_Move_Top_cmd::MakeMover(const ZcDbObjectIdArray& items) const {
  return new Layout_Move_Top(items);
}

Layout_Move_Bottom_cmd::Layout_Move_Bottom_cmd()
    : Layout_Move_cmd(L"Fastrelle:Layout:MoveBottom", L"Fastrelle:Układ:PrzesuńWDół", kUsesPickFirst) {}
Layout_Move* Layout_Move_Bottom_cmd::MakeMover(const ZcDbObjectIdArray& items) const {
  return new Layout_Move_Bottom(items);
}

Layout_Move_Right_cmd::Layout_Move_Right_cmd()
    : Layout_Move_cmd(L"Fastrelle:Layout:MoveRight", L"Fastrelle:Układ:PrzesuńWPrawo", kUsesPickFirst) {}
Layout_Move* Layout_Move_Right_cmd::MakeMover(const ZcDbObjectIdArray& items) const {
  return new Layout_Move_Right(items);
}
