// The command "Fastrelle:AddPointIntersecting" ("Fastrelle:DodajPunktNaPrzecięciu"): a grade
// point in every size where a picked entity crosses the seam of a picked part. Registered
// by the construction command set.
#ifndef SIZES_ADDGRADEPOINTINTERSECTING_CMD_H
#define SIZES_ADDGRADEPOINTINTERSECTING_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class AddGradePointIntersecting_cmd : public cmd {
public:
  AddGradePointIntersecting_cmd() : cmd(L"Fastrelle:AddPointIntersecting", L"Fastrelle:DodajPunktNaPrzecięciu", 1) {}
  /// Asks for the intersecting entity (string 43162) and an entity of the part (43163),
  /// each until one is picked; a cancel at either ends the command without a word. Then
  /// GradePointIntersector prepares and evaluates; a failure prints a new line,
  /// "AddGradePointIntersecting_cmd::Run evaluate failed!" and the status (an entity in
  /// no part, or a crossing entity that is no curve, is named first).
  void Run() override;

protected:
  ZcDbObjectId m_intersecting;
  ZcDbObjectId m_partEntity;
};

#endif
