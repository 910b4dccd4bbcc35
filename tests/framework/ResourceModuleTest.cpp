// The DLL entry shared by the resource modules: its answer at attach is the join's result.
#include "framework/ResourceModule.h"

#include <gtest/gtest.h>

#include "headless/Host.h"

namespace {
void Anchor() {}
}  // namespace

TEST(ResourceModuleDllMain, AFailedJoinRefusesTheAttach) {
  ExtensionModule extension;
  EXPECT_EQ(ResourceModuleDllMain(extension, nullptr, DLL_PROCESS_ATTACH), FALSE);
  EXPECT_EQ(extension.Instance(), nullptr);
  EXPECT_EQ(ResourceModuleDllMain(extension, nullptr, DLL_PROCESS_DETACH), TRUE);
}

TEST(ResourceModuleDllMain, AttachJoinsDetachLeavesAndAttachMayComeAgain) {
  HINSTANCE self = headless::InstanceContaining(reinterpret_cast<const void*>(&Anchor));
  ASSERT_NE(self, nullptr);
  ExtensionModule extension;
  EXPECT_EQ(ResourceModuleDllMain(extension, self, DLL_PROCESS_ATTACH), TRUE);
  EXPECT_EQ(extension.Instance(), self);
  EXPECT_EQ(ResourceModuleDllMain(extension, self, DLL_PROCESS_DETACH), TRUE);
  EXPECT_EQ(ResourceModuleDllMain(extension, self, DLL_PROCESS_ATTACH), TRUE);
  EXPECT_EQ(ResourceModuleDllMain(extension, self, DLL_PROCESS_DETACH), TRUE);
}
