#include "tools/DialogScript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/ResourceScript.h"

namespace {
std::string Compile(const std::string& rc, bool expectOk = true, const std::string& file = "t.rc") {
  std::string cpp, error;
  bool ok = CompileResourceScript(rc, file, cpp, error);
  EXPECT_EQ(ok, expectOk) << error;
  return ok ? cpp : error;
}
bool Has(const std::string& cpp, const std::string& part) { return cpp.find(part) != std::string::npos; }
}  // namespace

TEST(DialogScript, CompilesEveryControlStatementWithItsDefaultStyles) {
  std::string cpp = Compile(
      "#define IDC_LIST 8013\n"
      "8004 DIALOGEX 0, 0, 200, 100\n"
      "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
      "EXSTYLE WS_EX_TOPMOST\n"
      "CAPTION \"__reguły\"\n"
      "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n"
      "BEGIN\n"
      "    DEFPUSHBUTTON \"OK\", 1, 10, 80, 50, 14\n"
      "    PUSHBUTTON \"Cancel\", 2, 70, 80, 50, 14, NOT WS_TABSTOP\n"
      "    LTEXT \"Static\", -1, 5, 5, 40, 8\n"
      "    EDITTEXT 1014, 5, 20, 40, 12, ES_AUTOHSCROLL | NOT WS_BORDER\n"
      "    COMBOBOX 1005, 5, 35, 40, 60, CBS_DROPDOWNLIST | WS_VSCROLL\n"
      "    AUTOCHECKBOX \"Tak\", 1020, 5, 50, 40, 10\n"
      "    CONTROL \"\", IDC_LIST, \"SysListView32\", LVS_REPORT | WS_BORDER | WS_TABSTOP, 60, 5, 130, 60\n"
      "    ICON 8032, 1021, 150, 70\n"
      "END\n");
  // Default push button: child, visible, tab stop, BS_DEFPUSHBUTTON; dialog units as written.
  EXPECT_TRUE(Has(cpp, "{L\"Button\", L\"OK\", 1, 1342242817u, 0u, 10, 80, 50, 14}")) << cpp;
  EXPECT_TRUE(Has(cpp, "{L\"Button\", L\"Cancel\", 2, 1342177280u, 0u,")) << "NOT clears the tab stop";
  EXPECT_TRUE(Has(cpp, "{L\"Static\", L\"Static\", -1, 1342308352u,"));
  EXPECT_TRUE(Has(cpp, "{L\"Edit\", L\"\", 1014, 1342242944u,")) << "border removed, autohscroll added";
  EXPECT_TRUE(Has(cpp, "{L\"ComboBox\", L\"\", 1005, 1344339971u,"));
  EXPECT_TRUE(Has(cpp, "{L\"Button\", L\"Tak\", 1020, 1342242819u,"));
  EXPECT_TRUE(Has(cpp, "{L\"SysListView32\", L\"\", 8013, 1350631425u, 0u, 60, 5, 130, 60}"));
  EXPECT_TRUE(Has(cpp, "{L\"Static\", L\"#8032\", 1021, 1342177283u, 0u, 150, 70, 0, 0}"));
  EXPECT_TRUE(Has(cpp, "{8004u, L\"__regu\\U00000142y\", 2160591040u, 8u, 0, 0, 200, 100, L\"MS Shell Dlg\", 8, kItems0, 8}"))
      << cpp;
}

TEST(DialogScript, ErrorsStopTheBuildWithFileAndLine) {
  EXPECT_EQ(Compile("1 DIALOGEX 0, 0, 10, 10\nSTYLE WS_POPUP | WS_FANCY\nBEGIN\nEND\n", false),
            "t.rc:2: error: unknown style 'WS_FANCY'");
  EXPECT_EQ(Compile("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n CONTROL \"\", 5, \"SysTreeView32\", 0, 1, 1, 5, 5\nEND\n", false),
            "t.rc:3: error: unknown control class \"SysTreeView32\"");
  EXPECT_EQ(Compile("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n PUSHBUTTON \"a\", 1, 1, 1, 5, 5\n", false),
            "t.rc:1: error: DIALOGEX without END");
  EXPECT_EQ(Compile("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n LISTBOX 5, 1, 1, 5, 5\nEND\n", false),
            "t.rc:3: error: unknown control statement 'LISTBOX'");
  EXPECT_EQ(Compile("1 DIALOGEX 0, 0, 10\nBEGIN\nEND\n", false), "t.rc:2: error: expected ',', found 'BEGIN'");
  EXPECT_EQ(Compile("1 PNG \"missing.png\"\n", false), "t.rc:1: error: cannot read missing.png");
  EXPECT_EQ(Compile("\nIDD_LOST DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n", false),
            "t.rc:2: error: resource id 'IDD_LOST' is not defined");
}

TEST(DialogScript, ReadsFilesAndHeaderBesideTheScriptAndDialogInitData) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "zrc-dialog-test";
  std::filesystem::create_directories(dir / "res");
  std::ofstream(dir / "resource.h") << "#define IDD_ABOUT 8018\n#define IDC_LINK 8029\n#define IDC_STATIC (-1)\n";
  std::ofstream(dir / "res" / "logo.png", std::ios::binary) << "\x89PNG";
  std::string cpp = Compile(
      "#include \"resource.h\"\n"
      "8026 PNG \"res\\\\logo.png\"\n"
      "IDD_ABOUT DIALOGEX 0, 0, 100, 50\nBEGIN\n"
      " CONTROL \"Fastrelle\", IDC_LINK, \"MfcLink\", WS_TABSTOP, 5, 5, 60, 10\n"
      " LTEXT \"x\", IDC_STATIC, 5, 20, 10, 8\n"
      "END\n"
      "IDD_ABOUT DLGINIT\nBEGIN\n IDC_LINK, 0x37c, 3, 0\n0x6261, 0x0063,\n 0\nEND\n",
      true, (dir / "about.rc").string());
  EXPECT_TRUE(Has(cpp, "{8026u, L\"PNG\", kBinary0, 4}")) << cpp;
  EXPECT_TRUE(Has(cpp, "{L\"MfcLink\", L\"Fastrelle\", 8029,"));
  EXPECT_TRUE(Has(cpp, "L\"x\", -1,"));
  EXPECT_TRUE(Has(cpp, "{8018u, 8029, 892u, kInit0, 3}"));
  EXPECT_TRUE(Has(cpp, "97,98,99,"));  // "abc", low byte first
  std::filesystem::remove_all(dir);
}
