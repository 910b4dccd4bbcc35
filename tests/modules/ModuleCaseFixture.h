// An empty drawing for the resource modules' test cases, over the sizes tests' install
// folder, with the parts code's links registered as the modules register them.
#ifndef TESTS_MODULES_MODULECASEFIXTURE_H
#define TESTS_MODULES_MODULECASEFIXTURE_H

#include "construction/PartServices.h"
#include "sizes/SizesFixture.h"

class ModuleCaseTest : public SizesTest {
protected:
  void SetUp() override {
    SizesTest::SetUp();
    RegisterPartServices();
  }
  void TearDown() override {
    UnregisterPartServices();
    SizesTest::TearDown();
  }
};

#endif
