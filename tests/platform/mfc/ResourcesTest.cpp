// The extension-module chain: a string is looked up in the module joined last first, so a
// module loaded later answers for an id that an earlier one defines too, until it leaves.
#include "mfc/Resources.h"

#include <gtest/gtest.h>

#include "ed/ZcApDocManager.h"
#include "headless/Host.h"
#include "mfc/CString.h"

namespace {

const UINT kShared = 61001;
const platform::ResourceString kOlderStrings[] = {{kShared, L"starszy"}, {kShared + 1, L"tylko starszy"}};
const platform::ResourceString kNewerStrings[] = {{kShared, L"nowszy"}};
const platform::ResourceImage kOlder = {kOlderStrings, 2};
const platform::ResourceImage kNewer = {kNewerStrings, 1};

CString Load(UINT id) {
  CString text = L"(none)";
  text.LoadString(id);
  return text;
}

TEST(ResourceChain, TheNewestModuleOnTheChainAnswersForAnIdBothDefine) {
  // Two modules with tables of their own: this program, and the platform library (which
  // holds the document manager).
  const void* inPlatform = zcDocManagerPtr();
  platform::RegisterResourceImage(&kOlder, &kOlderStrings);
  platform::RegisterResourceImage(&kNewer, inPlatform);
  HINSTANCE older = headless::InstanceContaining(&kOlderStrings);
  HINSTANCE newer = headless::InstanceContaining(inPlatform);
  ASSERT_NE(older, newer);
  AFX_EXTENSION_MODULE olderState, newerState;
  ASSERT_TRUE(AfxInitExtensionModule(olderState, older));
  new CDynLinkLibrary(olderState);
  ASSERT_TRUE(AfxInitExtensionModule(newerState, newer));
  new CDynLinkLibrary(newerState);
  EXPECT_EQ(CString(L"nowszy"), Load(kShared));
  EXPECT_EQ(CString(L"tylko starszy"), Load(kShared + 1));
  AfxTermExtensionModule(newerState);
  EXPECT_EQ(CString(L"starszy"), Load(kShared));
  AfxTermExtensionModule(olderState);
  EXPECT_EQ(CString(L"(none)"), Load(kShared));
}

}  // namespace
