// The construction command set.
#include "construction/Construction_cmds.h"

#include "construction/Corner_Cmd.h"
#include "construction/Fastrelle_Form_Cmd.h"
#include "construction/Fastrelle_QuickForm_Cmd.h"
#include "construction/MultiCorner_cmd.h"
#include "construction/PartDescription_cmd.h"
#include "sizes/AddGradePointIntersecting_cmd.h"
#include "sizes/AddGradePoint_cmd.h"
#include "sizes/Grade_Library_cmd.h"
#include "sizes/Grades_Cmd.h"
#include "sizes/Growth_cmd.h"

// The commands are added in the order of the command table.
Construction_cmds::Construction_cmds() : cmds(L"Fastrelle_Constructions") {
  Add<PartDescription_cmd>();
  Add<Fastrelle_Form_Cmd>();
  Add<Fastrelle_QuickForm_Cmd>();
  Add<Grade_Library_cmd>();
  Add<Grades_Cmd>();
  Add<AddGradePoint_cmd>();
  Add<AddGradePointIntersecting_cmd>();
  Add<Corner_Cmd>();
  Add<MultiCorner_cmd>();
  Add<Growth_cmd>();
}
