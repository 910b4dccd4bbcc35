// A module folder of the Base module's own, for the tests of its commands and its module
// list: the test program's module record is renamed to "<folder>\Base.zrx" and taken as
// Base's instance, so the code under test finds its folder there. Everything is put back
// afterwards.
#ifndef TESTS_BASE_BASEFIXTURE_H
#define TESTS_BASE_BASEFIXTURE_H

#include <filesystem>
#include <fstream>

#include "HostFixture.h"
#include "base/ModuleList.h"
#include "base/ZRX_Module.h"
#include "support/TempFolder.h"
#include "win/winbase.h"

class BaseFolderTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    self_ = headless::InstanceContaining(reinterpret_cast<const void*>(&ForgetModuleList));
    wchar_t path[4096];
    GetModuleFileNameW(self_, path, 4096);
    selfPath_ = path;
    // Base's own path, written as Base's loader writes it: a folder, then "\Base.zrx".
    headless::SetModuleFileName(self_, headless::FromUtf8(folder_.Native()) + L"\\Base.zrx");
    ZRX_Module::SetInstance(self_);
    ForgetModuleList();
  }
  void TearDown() override {
    ForgetModuleList();
    ZRX_Module::SetInstance(nullptr);
    headless::SetModuleFileName(self_, selfPath_);
    HostTest::TearDown();
  }

  /// Copies a built module into the folder under `name`.
  void CopyModule(const char* module, const std::string& name) {
    std::filesystem::copy_file(std::string(FASTRELLE_INSTALL_DIR) + "/" + module, folder_.Native(name));
  }
  void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_.Native(name), std::ios::binary) << bytes;
  }
  /// The folder as Base's code names it: backslashes and a trailing one.
  std::wstring BaseFolder() const { return folder_.Windows() + L"\\"; }

  TempFolder folder_;
  HINSTANCE self_ = nullptr;
  std::wstring selfPath_;
};

#endif
