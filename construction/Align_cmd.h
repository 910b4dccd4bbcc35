// The command "Fastrelle:Align" ("Fastrelle:Wyrównaj"): moves and turns the selected
// entities so that two points on them land on two reference points, through the host's
// "_ALIGN". Registered by the construction command set.
#ifndef CONSTRUCTION_ALIGN_CMD_H
#define CONSTRUCTION_ALIGN_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class Align_cmd : public cmd {
public:
  Align_cmd() : cmd(L"Fastrelle:Align", L"Fastrelle:Wyrównaj", 1) {}
  /// A selection (empty ends the command), then four points (strings 43110-43113: first
  /// point on the entities, its reference, second point on them, its reference, each
  /// reference rubber-banded from its point); a point not given ends the command. Then
  /// "_ALIGN" over the selection with the four points and no scaling, waited for.
  void Run() override;

  ZcDbObjectIdArray m_ids{0, 8};
};

#endif
