// The construction module's developer fixture, run by its test command "TFAS": one case,
// a cut line built by the construction code linked into the module.
#ifndef MODULES_CONSTRUCTION_T_0002236_H
#define MODULES_CONSTRUCTION_T_0002236_H

#include "testcase/Test_Fixture.h"

class T_0002236 : public Test_Fixture {
public:
  /// With its one case, t_2236_inputCase.
  T_0002236();
  CString GetName() const override { return L"T_0002236"; }
};

#endif
