// The MultiCorner command ("Fastrelle:MultiCorner", "Fastrelle:PołączRogi"): asks the join
// mode, lets the user pick one corner and joins that corner in every size, reporting a
// failure in an error box. Registered by the construction command set.
#ifndef CONSTRUCTION_MULTICORNER_CMD_H
#define CONSTRUCTION_MULTICORNER_CMD_H

#include "framework/cmd.h"

/// The box code of a run's status: 22 => -103, 55 => -102, 130 => -104, 551 => -105; 0
/// (no box) for any other.
int MultiCornerReportCode(int status);

class MultiCorner_cmd : public cmd {
public:
  MultiCorner_cmd();
  /// Mode; the picks (a cancel shows the box of -11, another failure is printed); then the
  /// run over all sizes with "PICKSTYLE" at 0 (put back after), its failure shown in the
  /// box of its code. All in one undo group.
  void Run() override;
};

#endif
