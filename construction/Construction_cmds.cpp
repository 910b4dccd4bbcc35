// The construction command set.
#include "construction/Construction_cmds.h"

#include "construction/Add_To_Form_cmd.h"
#include "construction/Align_cmd.h"
#include "construction/Corner_Cmd.h"
#include "construction/Dart_Cmd.h"
#include "construction/Fastrelle_Cut_Cmd.h"
#include "construction/Fastrelle_Form_Cmd.h"
#include "construction/Fastrelle_QuickForm_Cmd.h"
#include "construction/FullEntityMeasure_Cmd.h"
#include "construction/Hole_cmd.h"
#include "construction/Measure_Cmd.h"
#include "construction/MultiCorner_cmd.h"
#include "construction/Notch_cmd.h"
#include "construction/PartDescription_cmd.h"
#include "construction/PartsSet_Cmd.h"
#include "construction/SmoothSpline_cmd.h"
#include "construction/SpecPoint_Cmd.h"
#include "construction/SwitchPicksStyle.h"
#include "construction/SwitchShade_Cmd.h"
#include "construction/TemplatesLibrary_cmd.h"
#include "construction/Thread_cmd.h"
#include "sizes/AddGradePointIntersecting_cmd.h"
#include "sizes/AddGradePoint_cmd.h"
#include "sizes/Grade_Library_cmd.h"
#include "sizes/Grades_Cmd.h"
#include "sizes/Growth_cmd.h"

// The commands are added in the order of the command table.
Construction_cmds::Construction_cmds() : cmds(L"Fastrelle_Constructions") {
  Add<Notch_cmd>();
  Add<SpecPoint_Cmd>();
  Add<Hole_cmd>();
  Add<PartDescription_cmd>();
  Add<Fastrelle_Cut_Cmd>();
  Add<SmoothSpline_cmd>();
  Add<Add_To_Form_cmd>();
  Add<Measure_Cmd>();
  Add<FullEntityMeasure_Cmd>();
  Add<PartsSet_Cmd>();
  Add<Fastrelle_Form_Cmd>();
  Add<Fastrelle_QuickForm_Cmd>();
  Add<SwitchPicksStyle>();
  Add<SwitchShade_Cmd>();
  Add<Grade_Library_cmd>();
  Add<Grades_Cmd>();
  Add<AddGradePoint_cmd>();
  Add<AddGradePointIntersecting_cmd>();
  Add<Dart_Cmd>();
  Add<Thread_cmd>();
  Add<Corner_Cmd>();
  Add<MultiCorner_cmd>();
  Add<TemplatesLibrary_cmd>();
  Add<Align_cmd>();
  Add<Growth_cmd>();
}
