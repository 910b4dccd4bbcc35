// Placing piece references by calculation and by the user.
#include "layout/Layout_draw_form.h"

#include "db/ZcDbBlockReference.h"
#include "ed/ResultBuffer.h"
#include "framework/BlockReference.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "layout/LayoutDrawerInsertCalc.h"
#include "layout/Layout_draw_closingLine.h"

namespace {
constexpr double kPi = 3.141592653589793;
double Radians(double degrees) { return degrees / 180.0 * kPi; }
}  // namespace

int Layout_draw_form_ByCalc::Draw() {
  if (m_blockName.IsEmpty()) return 47;
  ZcGePoint3d point;
  int code;
  {
    // The calculation erases its temporary reference when it goes.
    LayoutDrawerInsertCalc_InBottomRow calc(m_blockName, m_rotation);
    code = calc.Calculate(point);
  }
  if (int status = InsertCalcStatus(code)) return status;
  ZcDbObjectId id;
  if (int es = InsertBlock(m_blockName, point, 1.0, Radians(m_rotation), &id)) return es;
  m_id = id;
  RedrawClosingLine();
  return 0;
}

int Layout_draw_form_ByUser::Draw() {
  ZcDbObjectId id;
  if (int es = InsertBlockInto(m_blockName, ZcGePoint3d::kOrigin, ZcGeScale3d(1.0), Radians(m_rotation),
                               ZcDbObjectId(), &id))
    return es;
  m_id = id;
  ResBuf move;
  AppendMoveCommandForId(id, WorldToUser(ZcGePoint3d::kOrigin), move);
  if (RunCommandAndWait(move) == RTNORM) {
    RedrawClosingLine();
    return 0;
  }
  ZcDbEntity* entity = nullptr;
  if (zcdbOpenObject(entity, id, ZcDb::kForWrite) == Zcad::eOk) {
    entity->erase();
    entity->close();
  }
  m_id = ZcDbObjectId();
  return 3;
}
