// Settings files: install defaults under per-user values, the write-back, and the ways a
// failure must not lose the user's file.
#include "framework/SettingsFile.h"

#include <gtest/gtest.h>

#include "TestFolders.h"
#include "framework/Fastrelle_Settings.h"

using namespace std::string_literals;

namespace {

const std::string kBom = "\xFF\xFE";

// A settings class of its own for each test, so every test starts with an empty map.
class Scratch : public SettingsFile {
public:
  explicit Scratch(Values& values) : SettingsFile(values, L"Scratch.ini") {}
};

class SettingsFileTest : public ::testing::Test {
protected:
  void SetUp() override { testfolders::Reset(); }
  void Install(const std::string& text) { WriteBytes(testfolders::NativeInstall("Config/Scratch.ini"), kBom + Utf16(text)); }
  void User(const std::string& text) { WriteBytes(testfolders::NativeAppdata("Config/Scratch.ini"), kBom + Utf16(text)); }
  std::string UserBytes() { return ReadBytes(testfolders::NativeAppdata("Config/Scratch.ini")); }
  SettingsFile::Values values;
};

TEST_F(SettingsFileTest, MergesPerUserOverInstallAndWritesBackSortedWithMark) {
  Install("a=1\r\nB=2\r\nSize = 12,5\r\n");
  User("a=9\r\nmine=x\r\n");
  Scratch settings(values);
  EXPECT_EQ(CString(L"9"), settings.GetString(L"a"));
  EXPECT_EQ(CString(L"2"), settings.GetString(L"B"));
  EXPECT_EQ(kBom + Utf16("B=2\r\nSize=12,5\r\na=9\r\nmine=x\r\n"), UserBytes());
  EXPECT_DOUBLE_EQ(12.5, settings.GetDouble(L"Size"));
  EXPECT_EQ(12, settings.GetInt(L"Size"));
}

TEST_F(SettingsFileTest, ParsesOnlyLinesOfExactlyTwoPieces) {
  Install("a==b\r\nName=a=b\r\nkey=\r\n=value\r\nblank= \r\n  Key  =  V s  \r\n; c=1=2\r\n# comment\r\n"
          " = nokey\r\n\t=\t\r\n");
  Scratch settings(values);
  EXPECT_EQ((SettingsFile::Values{{L"Key", L"V s"}, {L"a", L"b"}, {L"blank", L""}}), values);
  EXPECT_EQ(L"", headless::Transcript());
}

TEST_F(SettingsFileTest, ReadsNumbersAndBooleansAsDocumented) {
  Install("t1=true\r\nt2=TRUE\r\nt3=t\r\nt4=+\r\nf1=1\r\nf2=Yes\r\nf3= \r\nd=-0,25\r\nx=abc\r\n");
  Scratch settings(values);
  for (const wchar_t* key : {L"t1", L"t2", L"t3", L"t4"}) EXPECT_TRUE(settings.GetBool(key)) << key;
  for (const wchar_t* key : {L"f1", L"f2", L"f3"}) EXPECT_FALSE(settings.GetBool(key)) << key;
  EXPECT_DOUBLE_EQ(-0.25, settings.GetDouble(L"d"));
  EXPECT_DOUBLE_EQ(0.0, settings.GetDouble(L"x"));
  EXPECT_EQ(0, settings.GetInt(L"x"));
}

TEST_F(SettingsFileTest, MissingKeyPrintsTheKeyAndStatusAndChangesNothing) {
  Install("a=1\r\n");
  Scratch settings(values);
  headless::ClearTranscript();
  EXPECT_EQ(CString(), settings.GetString(L"Brak"));
  EXPECT_EQ(L"Brak\n es: eKeyNotFound\n", headless::Transcript());
  EXPECT_EQ(1u, values.size());
}

TEST_F(SettingsFileTest, PathsAreResolvedAgainstTheInstallFolderUnlessFull) {
  Install("Dart=Templates\\Dart.dwg\r\nMine=D:\\Wzory\\Dart.dwg\r\nNone=\r\n");
  Scratch settings(values);
  EXPECT_EQ(CString(testfolders::Root().Windows("install").c_str()) + L"\\Templates\\Dart.dwg", settings.GetPath(L"Dart"));
  EXPECT_EQ(CString(L"D:\\Wzory\\Dart.dwg"), settings.GetPath(L"Mine"));
  EXPECT_EQ(CString(), settings.GetPath(L"None"));
}

TEST_F(SettingsFileTest, MissingInstallCopyLeavesUserFileAndRetriesNextTime) {
  User("a=9\r\n");
  std::string before = UserBytes();
  Scratch first(values);
  EXPECT_TRUE(first.IsEmpty());
  EXPECT_EQ(L"\n es: eFileNotFound\n", headless::Transcript());
  EXPECT_EQ(before, UserBytes());
  Install("a=1\r\nb=2\r\n");
  Scratch second(values);
  EXPECT_EQ(CString(L"9"), second.GetString(L"a"));
  EXPECT_EQ(CString(L"2"), second.GetString(L"b"));
}

TEST_F(SettingsFileTest, UnreadableInstallCopyIsReportedWithItsPathAndRetried) {
  Install("a=1\r\n");
  User("a=9\r\n");
  std::string before = UserBytes();
  std::wstring install = headless::FromUtf8(testfolders::NativeInstall("Config/Scratch.ini"));
  headless::HoldFile(install);
  Scratch first(values);
  headless::ClearFileFaults();
  EXPECT_TRUE(first.IsEmpty());
  std::wstring printed = testfolders::Root().Windows("install") + L"\\Config\\Scratch.ini\n es: eFileAccessErr\n";
  EXPECT_EQ(0u, headless::Transcript().find(printed)) << headless::ToUtf8(headless::Transcript());
  EXPECT_EQ(before, UserBytes());
  Scratch second(values);
  EXPECT_EQ(CString(L"9"), second.GetString(L"a"));
}

TEST_F(SettingsFileTest, UnreadableUserCopyIsReportedAndNotOverwritten) {
  Install("a=1\r\n");
  User("a=9\r\n");
  std::string before = UserBytes();
  headless::HoldFile(headless::FromUtf8(testfolders::NativeAppdata("Config/Scratch.ini")));
  Scratch settings(values);
  headless::ClearFileFaults();
  EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Scratch.ini\n es: eFileAccessErr\n"));
  EXPECT_EQ(before, UserBytes());
  // Nor does a later save of the class replace it, once the file is free again.
  settings.SetString(L"a", L"5");
  EXPECT_EQ(433, settings.Save(CString(headless::FromUtf8(testfolders::NativeAppdata("Config/Scratch.ini")))));
  EXPECT_EQ(before, UserBytes());
  EXPECT_EQ(0, settings.Save(CString(headless::FromUtf8(testfolders::NativeAppdata("Config/Other.ini")))));
}

TEST_F(SettingsFileTest, UserFolderThatCannotBeListedIsReportedAndNotWrittenOver) {
  // A Config folder without read permission: the copy may be there, so it is not missing.
  Install("a=1\r\n");
  User("a=9\r\n");
  std::string before = UserBytes();
  headless::FailFileOperation(headless::FileFault::List, 2);  // the install folder lists
  Scratch settings(values);
  headless::ClearFileFaults();
  EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
  std::wstring printed = testfolders::Root().Windows("appdata") + L"\\Config\\Scratch.ini\n es: eFileAccessErr\n";
  EXPECT_EQ(printed, headless::Transcript());
  EXPECT_EQ(before, UserBytes());
}

TEST_F(SettingsFileTest, UserCopyThatFailsPartWayIsReportedAndNotReplaced) {
  // The per-user copy opens but its first read fails (this process's memory at address 0).
  Install("a=1\r\n");
  std::string user = testfolders::NativeAppdata("Config/Scratch.ini");
  std::filesystem::create_symlink("/proc/self/mem", user);
  Scratch settings(values);
  EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Scratch.ini\n es: eFileAccessErr\n"));
  EXPECT_TRUE(std::filesystem::is_symlink(user));
}

TEST_F(SettingsFileTest, FoldersWhereTheFilesShouldBeAreLeftAlone) {
  Install("a=1\r\n");
  std::filesystem::create_directories(testfolders::NativeAppdata("Config/Scratch.ini/inside"));
  Scratch settings(values);
  EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Scratch.ini\n es: eFileAccessErr\n"));
  EXPECT_EQ(433, settings.Save(headless::FromUtf8(testfolders::NativeAppdata("Config/Scratch.ini"))));
  EXPECT_TRUE(std::filesystem::is_directory(testfolders::NativeAppdata("Config/Scratch.ini/inside")));
  EXPECT_FALSE(std::filesystem::exists(testfolders::NativeAppdata("Config/Scratch.ini.tmp")));
  SettingsFile::Values none;
  std::filesystem::remove(testfolders::NativeInstall("Config/Scratch.ini"));
  std::filesystem::create_directory(testfolders::NativeInstall("Config/Scratch.ini"));
  EXPECT_TRUE(Scratch(none).IsEmpty());
}

TEST_F(SettingsFileTest, UserCopyWithoutMarkInAnotherEncodingIsReportedAndKept) {
  // Saved by an editor as 8-bit or UTF-8 text without a mark: read as UTF-16 it holds no
  // entry, and replacing it by the install values would lose the user's settings.
  Install("a=1\r\n");
  for (const std::string& bytes : {"a=9\r\nmine=x\r\n"s, "wz\xC3\xB3r=\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n"s}) {
    WriteBytes(testfolders::NativeAppdata("Config/Scratch.ini"), bytes);
    SettingsFile::Values fresh;
    headless::ClearTranscript();
    Scratch settings(fresh);
    EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
    EXPECT_EQ(bytes, UserBytes());
    EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Scratch.ini\n es: eFileAccessErr\n"));
  }
  // A copy that holds nothing at all is no such case: it is filled.
  WriteBytes(testfolders::NativeAppdata("Config/Scratch.ini"), kBom + Utf16("\r\n"));
  Scratch filled(values);
  EXPECT_EQ(kBom + Utf16("a=1\r\n"), UserBytes());
}

TEST_F(SettingsFileTest, FailedSaveKeepsTheOldFileAndReports433) {
  Install("a=1\r\nb=2\r\n");
  User("a=9\r\n");
  Scratch settings(values);
  settings.SetString(L"c", L"3");
  std::string before = UserBytes();
  std::string path = testfolders::NativeAppdata("Config/Scratch.ini");
  for (headless::FileFault fault : {headless::FileFault::Write, headless::FileFault::Close, headless::FileFault::Replace}) {
    headless::FailFileOperation(fault, fault == headless::FileFault::Write ? 2 : 1);
    EXPECT_EQ(433, settings.Save(headless::FromUtf8(path)));
    EXPECT_EQ(before, UserBytes());
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    headless::ClearFileFaults();
  }
}

TEST_F(SettingsFileTest, ATemporaryFileLeftByAKilledSaveIsNeverReadAndTheNextSaveReplacesIt) {
  Install("a=1\r\n");
  User("a=9\r\n");
  const std::string path = testfolders::NativeAppdata("Config/Scratch.ini");
  WriteBytes(path + ".tmp", kBom + Utf16("a=7\r\nhalf=" + std::string(4000, 'x')));
  Scratch settings(values);
  EXPECT_EQ(CString(L"9"), settings.GetString(L"a"));
  EXPECT_EQ(kBom + Utf16("a=9\r\n"), UserBytes());
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(SettingsFileTest, WriteBackFailureInMissingFolderIsReported) {
  Install("a=1\r\n");
  std::filesystem::remove_all(testfolders::NativeAppdata("Config"));
  Scratch settings(values);
  EXPECT_EQ(L"\n es: eFileWriteError\n", headless::Transcript());
  EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
}

TEST_F(SettingsFileTest, EmptyValueSurvivesSaveAndReload) {
  Install("a=1\r\n");
  Scratch settings(values);
  settings.SetString(L"empty", L"");
  settings.SetDouble(L"d", 2.5);
  settings.SetBool(L"b", false);
  CString path = CString(headless::FromUtf8(testfolders::NativeAppdata("Config/Scratch.ini")));
  ASSERT_EQ(0, settings.Save(path));
  EXPECT_EQ(kBom + Utf16("a=1\r\nb=N\r\nd=2.500000\r\nempty= \r\n"), UserBytes());
  SettingsFile::Values reloaded;
  Scratch again(reloaded);
  EXPECT_EQ(values, reloaded);
}

TEST_F(SettingsFileTest, RefusesValuesThatWouldNotReadBack) {
  Install("a=1\r\n");
  Scratch settings(values);
  headless::ClearTranscript();
  settings.SetString(L"a", L"two\nlines");
  settings.SetString(L"b", L"x=y");
  settings.SetString(L"", L"v");
  EXPECT_EQ((SettingsFile::Values{{L"a", L"1"}}), values);
  EXPECT_EQ(L"a\n es: eInvalidInput\nb\n es: eInvalidInput\n\n es: eInvalidInput\n", headless::Transcript());
}

TEST_F(SettingsFileTest, NulInAValueEndsItOnItsLineOnlyAndIsNeverStored) {
  // A NUL written by another program must not join the line to the next one on write-back.
  Install("a=1\r\nb=1\r\nc=1\r\n");
  User("a=x"s + '\0' + "tail\r\nb=2\r\nc=3\r\n");
  Scratch settings(values);
  EXPECT_EQ((SettingsFile::Values{{L"a", L"x"}, {L"b", L"2"}, {L"c", L"3"}}), values);
  EXPECT_EQ(kBom + Utf16("a=x\r\nb=2\r\nc=3\r\n"), UserBytes());
  headless::ClearTranscript();
  settings.SetString(L"b", CString(std::wstring(L"y\0z", 3)));
  EXPECT_EQ(CString(L"2"), settings.GetString(L"b"));
  EXPECT_EQ(L"b\n es: eInvalidInput\n", headless::Transcript());
}

TEST_F(SettingsFileTest, EmptyFoldersNeverReachTheRootOfTheDrive) {
  EXPECT_IN_FRESH_PROCESS({
    testfolders::Reset();
    Install("a=1\r\n");
    zcedSetEnv(L"Fastrelle_Construction_AppdataPath", L"");
    zcedSetEnv(L"Fastrelle_Plot_AppdataPath", L"");
    Scratch settings(values);
    EXPECT_EQ(CString(L"1"), settings.GetString(L"a"));
    EXPECT_EQ(L"", headless::Transcript());
  });
  EXPECT_IN_FRESH_PROCESS({
    testfolders::Reset();
    zcedSetEnv(L"Fastrelle_Construction_Path", L"");
    zcedSetEnv(L"Fastrelle_Plot_Path", L"");
    Scratch settings(values);
    EXPECT_TRUE(settings.IsEmpty());
    EXPECT_EQ(L"\n es: eFileNotFound\n", headless::Transcript());
  });
}

// The shipped defaults load: the file is well-formed and holds the keys the code reads, and
// the first load writes the per-user copy. Read into values of its own: the module-wide
// values of the construction settings stay loaded from whichever test read them first.
TEST(Fastrelle_Settings, LoadsTheShippedConstructionDefaults) {
  testfolders::Reset();
  std::filesystem::copy_file(FASTRELLE_SOURCE_DIR "/install/Config/Construction.ini",
                             testfolders::NativeInstall("Config/Construction.ini"));
  struct Construction : SettingsFile {
    explicit Construction(Values& values) : SettingsFile(values, L"Construction.ini") {}
  };
  SettingsFile::Values values;
  Construction settings(values);
  EXPECT_EQ(CString(L"*"), settings.GetString(L"BaseSizeSymbol"));
  EXPECT_GT(settings.GetDouble(L"GradePointSize"), 0.0);
  EXPECT_EQ(L"", headless::Transcript());
  EXPECT_TRUE(std::filesystem::exists(testfolders::NativeAppdata("Config/Construction.ini")));
}

// Every shipped key=value file holds exactly the keys the system reads from it, each line
// an entry, with values a pattern maker can start from; the files they name are shipped.
class Shipped : public SettingsFile {
public:
  Shipped(Values& values, const CString& fileName) : SettingsFile(values, fileName) {}
};

struct ShippedFile {
  const wchar_t* name;
  std::vector<const wchar_t*> texts;    // keys with a text value
  std::vector<const wchar_t*> numbers;  // keys with a number above 0
  std::vector<const wchar_t*> shipped;  // keys whose values, joined, name a shipped file
};

// Whether a path relative to the install folder, written the Windows way, is shipped.
bool IsShipped(const CString& relative) {
  std::string native = headless::ToUtf8(relative.str());
  for (char& c : native)
    if (c == '\\') c = '/';
  return std::filesystem::is_regular_file(FASTRELLE_SOURCE_DIR "/install/" + native);
}

TEST(ShippedSettings, HoldEveryKeyTheSystemReadsAndNothingElse) {
  const ShippedFile files[] = {
      {L"Construction.ini",
       {L"BaseSizeSymbol", L"Dart", L"DateFormat", L"FastrelleSizesFileExtension", L"GradePoint",
        L"GradePointNumber", L"MaterialAttribute", L"PartDescriptionDefaultName",
        L"PartDescriptionExtensionFilter", L"SortersPath", L"SortersSeparator", L"VEAENVSizesFileExtension",
        L"VarBaseSize", L"VarDate", L"VarDoubleFormat", L"VarLogin", L"VarPart", L"VarPercentageFormat",
        L"VarProj", L"VarSize", L"VarSizes"},
       {L"DartSize", L"GradePointSize", L"HoleSize", L"NotchSize", L"PartDescriptionDefaultSize",
        L"SizeDefaultColor", L"SpecPointSize"},
       {L"SortersPath"}},
      {L"Plot.ini",
       {L"DefaultPartRotation", L"FormDescriptionDefaultName", L"GradePoint", L"LayoutDescriptionDefaultName",
        L"LayoutDescriptionExtensionFilter", L"Layout_ExtensionFilter", L"Layout_FileExtension",
        L"MaterialAttribute", L"ModelExtensionFilter", L"PartDescriptionDefaultName", L"VarFormDescMaterial",
        L"VarFormDescPart", L"VarFormDescSize", L"VarFormDescmodel", L"VarLayoutEfficiency",
        L"VarLayoutPiecesCounter", L"VarLayoutUsePerPiece", L"VarLayoutUsedLength", L"VarLayoutWidth"},
       {L"DefaultPartQuantity", L"FormDescriptionDefaultSize"},
       {}},
      {L"PartSetDescription.ini",
       {L"DecriptiorName"},
       {L"DecriptiorSize", L"LPColumnWidthRatio", L"MaterialColumnWidthRatio", L"ModeColumnWidthRatio",
        L"NameColumnWidthRatio", L"TableWidth"},
       {L"DecriptiorName"}},
      {L"TemplatesLibrary.ini", {L"BasePath", L"InfoText"}, {}, {L"BasePath", L"InfoText"}},
  };
  for (const ShippedFile& file : files) {
    testfolders::Reset();
    std::string name = headless::ToUtf8(file.name);
    std::filesystem::copy_file(FASTRELLE_SOURCE_DIR "/install/Config/" + name, testfolders::NativeInstall("Config/" + name));
    SettingsFile::Values values;
    Shipped settings(values, file.name);
    EXPECT_EQ(file.texts.size() + file.numbers.size(), values.size()) << name;
    for (const wchar_t* key : file.texts) EXPECT_FALSE(settings.GetString(key).IsEmpty()) << name << " " << headless::ToUtf8(key);
    for (const wchar_t* key : file.numbers) EXPECT_GT(settings.GetDouble(key), 0.0) << name << " " << headless::ToUtf8(key);
    CString path;
    for (const wchar_t* key : file.shipped) path += settings.GetString(key);
    if (!path.IsEmpty()) {
      EXPECT_TRUE(IsShipped(path)) << name << " " << headless::ToUtf8(path.str());
    }
    EXPECT_EQ(L"", headless::Transcript()) << name;
  }
}

}  // namespace
