// The host environment store, the transcript, message boxes and the registry store.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "ed/zced.h"
#include "win/winbase.h"
#include "win/winreg.h"

using HostServicesTest = HostTest;

TEST_F(HostServicesTest, EnvironmentKeepsEmptyValuesAndRefusesShortBuffers) {
  wchar_t buf[8];
  EXPECT_EQ(zcedGetEnv(L"Missing", buf, 8), RTERROR);
  EXPECT_EQ(zcedSetEnv(L"Empty", L""), RTNORM);
  EXPECT_EQ(zcedGetEnv(L"EMPTY", buf, 8), RTNORM);
  EXPECT_STREQ(buf, L"");
  zcedSetEnv(L"Long", L"0123456789");
  EXPECT_EQ(zcedGetEnv(L"long", buf, 8), RTERROR);
  EXPECT_STREQ(buf, L"");
  EXPECT_EQ(zcedGetEnv(L"long", buf, 0), RTERROR);
}

TEST_F(HostServicesTest, PrintfAppendsToTheTranscriptWithoutLineFeeds) {
  zcutPrintf(L"%s", L"a%d");
  zcutPrintf(L" %i", 7);
  EXPECT_EQ(headless::Transcript(), L"a%d 7");
}

TEST_F(HostServicesTest, MessageBoxIsRecordedAndAnsweredFromTheInput) {
  EXPECT_EQ(MessageBoxW(nullptr, L"Tekst", L"Fastrelle", MB_ICONERROR), IDOK);
  headless::PushInput(L"@box No");
  EXPECT_EQ(MessageBoxW(nullptr, L"Usunąć?", L"", MB_YESNO), IDNO);
  headless::PushInput(L"next line");
  EXPECT_EQ(MessageBoxW(nullptr, L"Usunąć?", L"", MB_YESNO), IDYES);  // not an answer: stays queued
  EXPECT_EQ(headless::PendingInput(), 1u);
  auto boxes = headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].caption, L"Fastrelle");
  EXPECT_EQ(boxes[0].type, static_cast<unsigned>(MB_ICONERROR));
  EXPECT_NE(headless::Transcript().find(L"[Fastrelle] Tekst"), std::wstring::npos);
}

TEST_F(HostServicesTest, ErrorTextExistsForEveryStatus) {
  EXPECT_STREQ(zcadErrorStatusText(0), L"eOk");
  EXPECT_STREQ(zcadErrorStatusText(Zcad::eKeyNotFound), L"eKeyNotFound");
  EXPECT_STRNE(zcadErrorStatusText(123456), L"");
  // The statuses the curve helpers, the cut lines and the corner joins return.
  for (int status : {127, 157, 221, 337, 379, 380, 506, 20073, 20075})
    EXPECT_STRNE(zcadErrorStatusText(status), L"eUnrecognizedStatus") << status;
}

TEST_F(HostServicesTest, RegistryReadsSeededValuesAndReportsShortBuffers) {
  headless::SetMachineRegistryValue(L"SOFTWARE\\A\\B", L"Path", L"/opt/x");
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"software\\a\\missing", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"software\\a\\b", 0, KEY_READ, &key), ERROR_SUCCESS);
  wchar_t buf[16];
  DWORD size = sizeof buf, type = 0;
  EXPECT_EQ(RegQueryValueExW(key, L"path", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size), ERROR_SUCCESS);
  EXPECT_STREQ(buf, L"/opt/x");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  size = 2 * sizeof(wchar_t);
  EXPECT_EQ(RegQueryValueExW(key, L"path", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size), ERROR_MORE_DATA);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(HostServicesTest, AppDataExpandsToTheHostFolderAndShortBuffersFail) {
  headless::SetAppDataFolder(L"/home/u/.config/fastrelle");
  wchar_t buf[64];
  DWORD n = ExpandEnvironmentStringsW(L"%APPDATA%\\Mirabo", buf, 64);
  EXPECT_STREQ(buf, L"/home/u/.config/fastrelle\\Mirabo");
  EXPECT_EQ(n, wcslen(buf) + 1);
  wchar_t tiny[4];
  EXPECT_GT(ExpandEnvironmentStringsW(L"%APPDATA%", tiny, 4), 4u);
  EXPECT_STREQ(tiny, L"");
}
