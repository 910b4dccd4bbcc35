// The plot module's developer fixture, run by its test command "TestPlot": one case, a
// part of the shipped test model turned into a placeable piece by the layout code.
#ifndef MODULES_PLOT_T_2018_H
#define MODULES_PLOT_T_2018_H

#include "testcase/Test_Fixture.h"

class T_2018 : public Test_Fixture {
public:
  /// With its one case, t_FillOpenForm.
  T_2018();
  CString GetName() const override { return L"T_2018"; }
};

#endif
