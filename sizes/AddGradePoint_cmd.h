// The command "Fastrelle:AddPoint" ("Fastrelle:DodajPunkt"): a new grade point dragged
// along a seam curve with the measuring tape and placed in every size of the part. The
// tape and the parts are built above the sizes: the drag is reached through what the
// construction code registers at start-up (SetGradePointDrag). Registered by the
// construction command set.
#ifndef SIZES_ADDGRADEPOINT_CMD_H
#define SIZES_ADDGRADEPOINT_CMD_H

#include "framework/cmd.h"

/// What the construction code gives: the drag that places one grade point of the block or
/// drawing `symbol` at the uniform `scale` (length dialog 8008 titled with string 41218,
/// the tape that a pick finishes, the grade-point observer). Its result: 0 placed; 180
/// cancelled; any other the tape's failure. Nothing is left of a drag that did not place.
typedef int (*GradePointDrag)(const CString& symbol, double scale);
/// Registers it (null: none); the module that builds parts does at start-up.
void SetGradePointDrag(GradePointDrag drag);

class AddGradePoint_cmd : public cmd {
public:
  AddGradePoint_cmd() : cmd(L"Fastrelle:AddPoint", L"Fastrelle:DodajPunkt", 1) {}
  /// Checks the settings "GradePoint" (a symbol) and "GradePointSize" (above 0) first:
  /// either missing shows the missing-configuration box (code -1, context "GradePoint")
  /// and nothing is drawn. Then the registered drag; none registered: the same box.
  void Run() override;
  /// The drag's result of the last Run (-1 when it did not start).
  int Result() const { return m_result; }

private:
  int m_result = -1;
};

#endif
