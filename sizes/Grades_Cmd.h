// The command "Fastrelle:Grades" ("Fastrelle:Stopniowanie"): the grading dialog.
// Registered by the construction command set.
#ifndef SIZES_GRADES_CMD_H
#define SIZES_GRADES_CMD_H

#include "framework/cmd.h"

class Grades_Cmd : public cmd {
public:
  Grades_Cmd() : cmd(L"Fastrelle:Grades", L"Fastrelle:Stopniowanie", 1) {}
  /// Runs dialog 8003 with a new grid, modally.
  void Run() override;
};

#endif
