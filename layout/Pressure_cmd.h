// The compaction command ("Docisk"): the pieces the user selects pushed together.
#ifndef LAYOUT_PRESSURE_CMD_H
#define LAYOUT_PRESSURE_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class Pressure_cmd : public cmd {
public:
  Pressure_cmd();
  /// Selects references of piece blocks only; nothing selected does nothing. Compacts
  /// them (PressureByMoveEachInOneStep, the closing line placed); a layout without a
  /// border is said so on the command line.
  void Run() override;

  ZcDbObjectIdArray m_ids;
};

#endif
