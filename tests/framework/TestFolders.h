// The install and per-user folders the framework tests share. The folder lookups cache
// what they find for the life of the module (here the test program), so every test in the
// program sees the same two folders; Reset empties them before each test that uses them.
#ifndef TESTS_FRAMEWORK_TESTFOLDERS_H
#define TESTS_FRAMEWORK_TESTFOLDERS_H

#include <filesystem>
#include <string>

#include "ed/zced.h"
#include "support/TempFolder.h"

namespace testfolders {

inline const TempFolder& Root() {
  static TempFolder root;
  return root;
}

inline std::string NativeInstall(const std::string& name = "") { return Root().Native("install" + (name.empty() ? "" : "/" + name)); }
inline std::string NativeAppdata(const std::string& name = "") { return Root().Native("appdata" + (name.empty() ? "" : "/" + name)); }

/// Empties both folders, leaves "Config" in the install folder only, and publishes them as
/// the start-up does.
inline void Reset() {
  std::error_code ec;
  std::filesystem::remove_all(NativeInstall(), ec);
  std::filesystem::remove_all(NativeAppdata(), ec);
  std::filesystem::create_directories(NativeInstall("Config"));
  std::filesystem::create_directories(NativeAppdata("Config"));
  std::wstring install = Root().Windows("install"), appdata = Root().Windows("appdata");
  zcedSetEnv(L"Fastrelle_Construction_Path", install.c_str());
  zcedSetEnv(L"Fastrelle_Construction_AppdataPath", appdata.c_str());
  zcedSetEnv(L"Fastrelle_Plot_Path", install.c_str());
  zcedSetEnv(L"Fastrelle_Plot_AppdataPath", appdata.c_str());
  headless::ClearTranscript();
  headless::ClearFileFaults();
}

}  // namespace testfolders

/// Runs `body` in a fresh run of the test program (a death test in the "threadsafe" style
/// starts the program again for this one test), so the module-wide folder caches start
/// empty; the body's expectations decide the exit status.
#define EXPECT_IN_FRESH_PROCESS(body)                                                  \
  do {                                                                                 \
    GTEST_FLAG_SET(death_test_style, "threadsafe");                                    \
    EXPECT_EXIT(                                                                       \
        {                                                                              \
          body;                                                                        \
          if (::testing::Test::HasFailure()) std::fputs("failed\n", stderr);          \
          std::exit(::testing::Test::HasFailure() ? 1 : 0);                            \
        },                                                                             \
        ::testing::ExitedWithCode(0), "");                                             \
  } while (0)

#endif
