// VERSIONINFO in a resource script: the fixed statements become the module's version record
// in its own section; its blocks are skipped; a number that does not fit stops the build
// with the script's line.
#include "tools/VersionScript.h"

#include <gtest/gtest.h>

#include "tools/ResourceScript.h"

namespace {

std::string Compile(const std::string& rc, bool expectOk = true) {
  std::string cpp, error;
  bool ok = CompileResourceScript(rc, "m.rc", cpp, error);
  EXPECT_EQ(ok, expectOk) << error;
  return ok ? cpp : error;
}

const char kVersion[] =
    "#define MAJOR 2018\n"
    "1 VERSIONINFO\n"
    " FILEVERSION MAJOR,1,0,7\n"
    " PRODUCTVERSION 2018,0,5,0\n"
    " FILEFLAGSMASK VS_FFI_FILEFLAGSMASK\n"
    " FILEFLAGS 0x0L\n"
    " FILEOS VOS_NT | VOS__WINDOWS32\n"
    " FILETYPE VFT_DLL\n"
    " FILESUBTYPE 0\n"
    "BEGIN\n"
    "  BLOCK \"StringFileInfo\"\n"
    "  BEGIN\n"
    "    BLOCK \"041504e2\" { VALUE \"FileVersion\", \"2018.1.0.7\" VALUE \"CompanyName\", \"MIRABO\" }\n"
    "  END\n"
    "  BLOCK \"VarFileInfo\" { VALUE \"Translation\", 0x415, 1250 }\n"
    "END\n";

TEST(VersionScript, TheFixedStatementsBecomeTheRecordInTheVersionSection) {
  std::string cpp = Compile(std::string(kVersion) + "STRINGTABLE { 42204 \"Wersja\" }\n");
  EXPECT_NE(cpp.find("#include \"win/winver.h\""), std::string::npos);
  EXPECT_NE(cpp.find("gnu::section(ZRX_VERSION_SECTION)"), std::string::npos);
  EXPECT_NE(cpp.find("VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, 0x07E20001u, 0x00000007u, 0x07E20000u, 0x00050000u,\n"
                     "    0x0000003Fu, 0x00000000u, 0x00040004u, 0x00000002u, 0x00000000u"),
            std::string::npos)
      << cpp;
  EXPECT_NE(cpp.find("{42204u, L\"Wersja\"}"), std::string::npos);  // what follows still compiles
  EXPECT_EQ(cpp.find("MIRABO"), std::string::npos);                 // the blocks are not kept
}

TEST(VersionScript, AScriptWithoutVersionInfoGetsNoRecord) {
  std::string cpp = Compile("STRINGTABLE { 1 \"one\" }\n");
  EXPECT_EQ(cpp.find("VS_FIXEDFILEINFO"), std::string::npos);
}

TEST(VersionScript, MistakesStopTheBuildWithTheirLine) {
  EXPECT_EQ(Compile("1 VERSIONINFO\n FILEVERSION 2018,65536,0,0\nBEGIN\nEND\n", false),
            "m.rc:2: error: version number out of range (0-65535): 65536");
  EXPECT_EQ(Compile("1 VERSIONINFO\n FILEVERSION 2018,0,5\n FILEOS 4\nBEGIN\nEND\n", false),
            "m.rc:3: error: a version has four numbers a,b,c,d");
  EXPECT_EQ(Compile("1 VERSIONINFO\n FILEOS UNKNOWN_OS\nBEGIN\nEND\n", false),
            "m.rc:2: error: expected a number, found 'UNKNOWN_OS'");
  EXPECT_EQ(Compile(std::string(kVersion) + "2 VERSIONINFO\nBEGIN\nEND\n", false),
            "m.rc:17: error: a second VERSIONINFO");
  EXPECT_EQ(Compile("1 VERSIONINFO\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n", false),
            "m.rc:5: error: VERSIONINFO without END");
}

}  // namespace
