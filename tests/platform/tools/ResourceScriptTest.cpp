#include "tools/ResourceScript.h"

#include <gtest/gtest.h>

namespace {
std::string Compile(const std::string& rc, bool expectOk = true) {
  std::string cpp, error;
  bool ok = CompileResourceScript(rc, "t.rc", cpp, error);
  EXPECT_EQ(ok, expectOk) << error;
  return ok ? cpp : error;
}
}  // namespace

TEST(ResourceScript, DecodesEscapesQuotesAndPolishLetters) {
  std::string cpp = Compile(
      "#pragma code_page(65001)\n"
      "STRINGTABLE\nBEGIN\n"
      "  40205 \"\\nWskaż \"\"linię\"\"\\t\\\\\"\n"
      "END\n");
  EXPECT_NE(cpp.find("{40205u, L\"\\nWska\\U0000017C \\\"lini\\U00000119\\\"\\t\\\\\"}"), std::string::npos)
      << cpp;
}

TEST(ResourceScript, JoinsAdjacentLiteralsAndNamesIdsByDefine) {
  std::string cpp = Compile(
      "#define IDS_CLOSE 43120\n"
      "STRINGTABLE { IDS_CLOSE, \"Zam\" \"knij\" 7 \"x\" }\n");
  EXPECT_NE(cpp.find("{7u, L\"x\"}"), std::string::npos);
  EXPECT_NE(cpp.find("{43120u, L\"Zamknij\"}"), std::string::npos);
  EXPECT_LT(cpp.find("{7u"), cpp.find("{43120u"));  // ascending, for the binary search
}

TEST(ResourceScript, SkipsOtherResourceStatementsAndComments) {
  std::string cpp = Compile(
      "/* layout */ GUIDELINES DESIGNINFO\nBEGIN\n 102, DIALOG\n BEGIN\n LEFTMARGIN, 7 \"a\"\n END\nEND\n"
      "// strings\nSTRINGTABLE\nBEGIN\n 1 \"one\"\nEND\n");
  EXPECT_NE(cpp.find("{1u, L\"one\"}"), std::string::npos);
  EXPECT_EQ(cpp.find("L\"a\""), std::string::npos);
}

TEST(ResourceScript, ErrorsNameTheLine) {
  EXPECT_EQ(Compile("STRINGTABLE\nBEGIN\n 1 \"a\"\n 1 \"b\"\nEND\n", false),
            "t.rc:4: error: string id 1 given twice");
  EXPECT_EQ(Compile("STRINGTABLE\nBEGIN\n 1 \"open\nEND\n", false), "t.rc:3: error: unterminated string");
  EXPECT_EQ(Compile("STRINGTABLE\nBEGIN\n 1 \"a\"\n", false), "t.rc:4: error: STRINGTABLE without END");
  EXPECT_EQ(Compile("STRINGTABLE\nBEGIN\n NAME \"a\"\nEND\n", false),
            "t.rc:3: error: expected a string id, found 'NAME'");
  EXPECT_EQ(Compile("STRINGTABLE\nBEGIN\n 1 \"\\q\"\nEND\n", false), "t.rc:3: error: unknown escape \\q");
}
