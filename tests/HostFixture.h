// A clean headless host for each test: no modules, no commands of ours, an empty
// transcript, input queue, registry and environment, a new working drawing (its user
// coordinate system, views and entities are the drawing's own); and the means to start
// the modules from a private copy of the built install tree.
#ifndef TESTS_HOSTFIXTURE_H
#define TESTS_HOSTFIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "ed/ZcEdCommandStack.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "headless/Shell.h"
#include "mfc/CString.h"
#include "rx/ZcRxDynamicLinker.h"

/// Shows a CString as UTF-8 text in test failures.
inline void PrintTo(const CString& s, std::ostream* os) { *os << '"' << headless::ToUtf8(s.str()) << '"'; }

class HostTest : public ::testing::Test {
protected:
  static constexpr const wchar_t* kInstallKey = L"SOFTWARE\\MIRABO\\Fastrelle\\2018\\Fastrelle";

  void SetUp() override { Reset(); }
  void TearDown() override {
    headless::UnloadAllModules();
    Reset();
    std::error_code ec;
    if (!tmp_.empty()) std::filesystem::remove_all(tmp_, ec);
  }

  static void Reset() {
    headless::ClearTranscript();
    headless::SetTranscriptEcho(nullptr);
    headless::ClearInput();
    headless::SetInputSource(nullptr);
    headless::ClearRegistry();
    headless::ClearHostEnvironment();
    headless::ClearLinkerLog();
    headless::ClearMessageBoxes();
    headless::ClearShellExecuteCalls();
    headless::ResetEditor();
    // The UCS origin, named views and entities live in the drawing: a test that leaves a
    // UCS moved must not shift the points of the next one.
    headless::NewDrawing();
  }

  static ZcRxDynamicLinker* Linker() {
    return static_cast<ZcRxDynamicLinker*>(zcrxSysRegistry()->at(L"DynamicLinker"));
  }

  /// A private copy of the built install tree, with a per-user folder beside it.
  std::filesystem::path FreshInstall() {
    if (tmp_.empty()) {
      char pattern[] = "/tmp/fastrelle-test-XXXXXX";
      tmp_ = mkdtemp(pattern);
    }
    std::filesystem::path install = tmp_ / "install";
    std::filesystem::remove_all(install);
    std::filesystem::copy(FASTRELLE_INSTALL_DIR, install, std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(tmp_ / "appdata");
    return install;
  }

  /// Runs `body` as the action of a command typed on the command line, so that what it
  /// drives runs inside a command, as in the system's own commands.
  static void RunInsideCommand(std::function<void()> body) {
    static std::function<void()> current;
    current = std::move(body);
    auto* stack = static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
    stack->addCommand(L"TESTS", L"TESTCMD", L"TESTCMD", 0, [] { current(); });
    headless::RunCommand(L"TESTCMD");
    stack->removeGroup(L"TESTS");
    current = nullptr;
  }

  std::wstring AppData() const { return headless::FromUtf8((tmp_ / "appdata").string()); }

  /// Registers `install` as the install folder and loads the main module from it.
  bool StartFastrelle(const std::filesystem::path& install) {
    headless::SetMachineRegistryValue(kInstallKey, L"Path", headless::FromUtf8(install.string()));
    headless::SetAppDataFolder(AppData());
    std::wstring main = headless::FromUtf8((install / "Module_Fastrelle.zrx").string());
    return Linker()->loadModule(main.c_str(), true, false);
  }

  std::filesystem::path tmp_;
};

#endif
