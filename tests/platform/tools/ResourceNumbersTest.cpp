// Numbers and text bytes the resource compiler must read exactly or refuse.
#include "tools/ResourceScript.h"

#include <gtest/gtest.h>

namespace {
bool Compiles(const std::string& rc, std::string& out) {
  std::string error;
  bool ok = CompileResourceScript(rc, "t.rc", out, error);
  if (!ok) out = error;
  return ok;
}
}  // namespace

TEST(ResourceNumbers, HexadecimalDefinesAndIdsKeepTheirValue) {
  std::string cpp;
  ASSERT_TRUE(Compiles("#define IDS_A 0x10\nSTRINGTABLE BEGIN IDS_A \"a\" 0x20 \"b\" 48L \"c\" END\n", cpp)) << cpp;
  EXPECT_NE(cpp.find("{16u, L\"a\"}"), std::string::npos) << cpp;
  EXPECT_NE(cpp.find("{32u, L\"b\"}"), std::string::npos) << cpp;
  EXPECT_NE(cpp.find("{48u, L\"c\"}"), std::string::npos) << cpp;
}

TEST(ResourceNumbers, AnIdWithLettersIsRefused) {
  std::string out;
  EXPECT_FALSE(Compiles("STRINGTABLE BEGIN 12ab \"a\" END\n", out));
  EXPECT_NE(out.find("t.rc:1"), std::string::npos) << out;
}

TEST(ResourceNumbers, OverlongAndSurrogateBytesAreNotText) {
  std::string out;
  EXPECT_FALSE(Compiles("STRINGTABLE BEGIN 1 \"\xC0\xAF\" END\n", out));  // over-long "/"
  EXPECT_FALSE(Compiles("STRINGTABLE BEGIN 1 \"\xED\xA0\x80\" END\n", out));  // a lone surrogate
  EXPECT_FALSE(Compiles("STRINGTABLE BEGIN 1 \"\xF4\x90\x80\x80\" END\n", out));  // beyond U+10FFFF
  EXPECT_TRUE(Compiles("STRINGTABLE BEGIN 1 \"\xF0\x9F\x99\x82\" END\n", out)) << out;
}
