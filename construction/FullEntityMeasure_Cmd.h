// The command "Fastrelle:MeasureEntity" ("Fastrelle:MiarkaElementu"): the summed length of
// the curves the user selects, written as a text the user then places. Registered by the
// construction command set.
#ifndef CONSTRUCTION_FULLENTITYMEASURE_CMD_H
#define CONSTRUCTION_FULLENTITYMEASURE_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class FullEntityMeasure_Cmd : public cmd {
public:
  FullEntityMeasure_Cmd() : cmd(L"Fastrelle:MeasureEntity", L"Fastrelle:MiarkaElementu", 2) {}
  /// 1. String 40229, then a selection of lines, arcs, splines and polylines of any kind
  ///    ("PICKSTYLE" 0 meanwhile); a cancel or nothing selected ends the command.
  /// 2. The lengths are summed (closed curves measured whole).
  /// 3. An MText "%0.1f" of the sum at the origin of model space, default height.
  /// 4. With "OSMODE" 0 (put back afterwards), "_MOVE" of that text from the origin to the
  ///    point the user gives; a cancelled move leaves it at the origin.
  void Run() override;

  ZcDbObjectIdArray m_ids{0, 8};  // what was selected
};

#endif
