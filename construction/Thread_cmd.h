// The command "Fastrelle:Direction" ("Fastrelle:Kierunek"): grain-line arrows drawn into
// parts, one per pair of points, until a point is not given. Registered by the
// construction command set.
#ifndef CONSTRUCTION_THREAD_CMD_H
#define CONSTRUCTION_THREAD_CMD_H

#include "framework/cmd.h"

class Thread_cmd : public cmd {
public:
  Thread_cmd() : cmd(L"Fastrelle:Direction", L"Fastrelle:Kierunek", 1) {}
  /// Repeats: the start (string 40002), the direction point rubber-banded from it (40003),
  /// then the arrow (Fastrelle_Thread::Draw, which says so when the start lies in no
  /// part). Ends at the first point not given.
  void Run() override;
};

#endif
