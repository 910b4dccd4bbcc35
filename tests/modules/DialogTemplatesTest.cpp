// Every dialog template the modules carry: found along the resource chain once the
// modules are loaded, with its caption, its number of controls and the ids and classes
// its dialog class relies on; and each one opens and closes in a modal loop.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "headless/Windows.h"
#include "mfc/CDialog.h"
#include "mfc/DialogSystem.h"

namespace {

struct Expected {
  UINT id;
  const wchar_t* caption;  // null: none
  std::size_t controls;
  std::vector<std::pair<int, std::wstring>> items;  // id and class of the controls that matter
};

const std::vector<Expected>& Templates() {
  static const std::vector<Expected> all = {
      {8000, nullptr, 2, {}},
      {8001, L"Dialog", 2, {}},
      {8002, nullptr, 3, {}},
      {8003, nullptr, 11, {{8006, L"SysListView32"}, {8014, L"Button"}, {8018, L"Button"}, {8026, L"Button"}}},
      {8004, L"__reguły stopniowania", 8, {{8013, L"SysListView32"}, {8015, L"Button"}, {8017, L"Button"}}},
      {8005, L"Dialog", 4, {{8019, L"MfcPropertyGrid"}, {8020, L"Button"}}},
      {8006, nullptr, 5, {}},
      {8008, L"__Fastrelle_miarka", 3, {{8011, L"Static"}}},
      {8013, L"Dialog", 3, {{8022, L"SysListView32"}}},
      {8014, L"Dialog", 3, {}},
      {8016, L"Dialog", 6, {{8024, L"MfcPropertyGrid"}, {8025, L"SysListView32"}, {8026, L"RichEdit20W"}}},
      {8027, L"Dialog", 4, {{8025, L"SysListView32"}, {8031, L"Edit"}}},
      {8029, L"Dialog", 4, {{8025, L"SysListView32"}, {8032, L"RichEdit20W"}}},
      {8030, L"Dialog", 4, {{8025, L"SysListView32"}, {8033, L"MfcButton"}}},
      {102, L"GUI_App", 7, {{12000, L"SysListView32"}, {1001, L"MfcPropertyGrid"}, {1016, L"Button"}}},
      {136, L"model", 10, {{1006, L"MfcEditBrowse"}, {1005, L"ComboBox"}, {1009, L"ComboBox"}, {1007, L"SysListView32"}}},
      {138, L"Defunicja układu", 8, {{1014, L"Edit"}, {1015, L"Edit"}, {1016, L"Button"}}},
      {12000, L"Dialog", 20, {}},
      {12003, L"Dialog", 3, {{12010, L"MfcPropertyGrid"}}},
      {8018, L"Fastrelle", 5, {{8028, L"RichEdit20W"}, {8029, L"MfcLink"}, {8030, L"Static"}, {1003, L"SysListView32"}}},
  };
  return all;
}

class DialogTemplates : public HostTest {};

}  // namespace

TEST_F(DialogTemplates, EveryTemplateOfTheModulesLoadsWithItsCaptionControlsAndIds) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  for (const Expected& e : Templates()) {
    SCOPED_TRACE(e.id);
    const platform::DialogTemplate* t = platform::FindDialogTemplate(e.id);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption ? std::wstring(t->caption) : L"(none)", e.caption ? e.caption : L"(none)");
    EXPECT_EQ(t->itemCount, e.controls);
    for (const auto& [id, cls] : e.items) {
      bool found = false;
      for (std::size_t i = 0; i < t->itemCount; ++i)
        found = found || (t->items[i].id == id && cls == t->items[i].className);
      EXPECT_TRUE(found) << "control " << id << " of class " << headless::ToUtf8(cls);
    }
  }
  EXPECT_NE(platform::FindBinaryResource(L"ICON", 8032), nullptr);
  EXPECT_NE(platform::FindBinaryResource(L"PNG", 8026), nullptr);
}

TEST_F(DialogTemplates, EachOpensShowsItsControlsAndLeavesNoWindow) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  std::size_t before = headless::LiveWindowCount();
  for (const Expected& e : Templates()) {
    CDialog dlg(e.id);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL) << e.id;
  }
  EXPECT_EQ(headless::LiveWindowCount(), before);
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"[Dialog 8004 \"__reguły stopniowania\"]\n  8013 list:"), std::wstring::npos);
  EXPECT_NE(t.find(L"[Dialog 136 \"model\"]\n  12007 static \"\"\n"), std::wstring::npos) << headless::ToUtf8(t);
}
