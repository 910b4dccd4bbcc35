// The command "Fastrelle:Grading:Rule" ("Fastrelle:RegułyStopniowania"): the size rules
// dialog over the drawing's sizes. Registered by the construction command set.
#ifndef SIZES_GRADE_LIBRARY_CMD_H
#define SIZES_GRADE_LIBRARY_CMD_H

#include "framework/cmd.h"

class Grade_Library_cmd : public cmd {
public:
  Grade_Library_cmd() : cmd(L"Fastrelle:Grading:Rule", L"Fastrelle:RegułyStopniowania", 1) {}
  /// Inside one undo group (begun and marked): the dialog on a copy of the drawing's
  /// sizes, run modally; its result is not used further.
  void Run() override;
};

#endif
