#include "ui/UI_PropertiesGrid.h"

#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbText.h"
#include "framework/NameValueList.h"
#include "mfc/CDialog.h"
#include "support/TempFolder.h"
#include "ui/UI_PropertiesProperty.h"

namespace {

// A description template: ROZMIAR "S;M;L", NR ";;", UWAGI "", STAŁA constant "x".
std::wstring WriteTemplate(const TempFolder& folder, const char* title) {
  std::string path = folder.Native(std::string(title) + ".dwg");
  ZcDbDatabase side;
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, side.modelSpaceId(), ZcDb::kForWrite);
  auto add = [&](const wchar_t* text, const wchar_t* tag, bool constant) {
    auto* d = new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), text, tag, L"Podaj");
    d->setConstant(constant);
    ms->appendZcDbEntity(d);
    d->close();
  };
  add(L"S;M;L", L"ROZMIAR", false);
  add(L";;", L"NR", false);
  add(L"", L"UWAGI", false);
  add(L"x", L"STAŁA", true);
  ms->close();
  std::wstring wide = headless::FromUtf8(path);
  side.saveAs(wide.c_str());
  return wide;
}

class GridDialog : public CDialog {
public:
  GridDialog() : CDialog(101) {}
  Zc_AttributesGrid grid;
  std::function<void(Zc_AttributesGrid&)> init;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), this, 8019);
    if (init) init(grid);
    return TRUE;
  }
  LRESULT OnTemplate(WPARAM, LPARAM) { return LogMessage("2026"); }
  LRESULT OnChanged(WPARAM w, LPARAM) { return LogMessage("changed " + std::to_string(w)); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(GridDialog, CDialog)
  ON_MESSAGE(2026, OnTemplate)
  ON_REGISTERED_MESSAGE(AFX_WM_PROPERTY_CHANGED, OnChanged)
END_MESSAGE_MAP()

}  // namespace

TEST_F(DialogTest, AttributeDefinitionsBecomeRowsOfTheGrid) {
  TempFolder folder;
  std::wstring path = WriteTemplate(folder, "Opis");
  headless::PushInputs({L"@dlg show", L"@dlg prop 8019 #1/ROZMIAR XL", L"@dlg prop 8019 #1/rozmiar m",
                        L"@dlg prop 8019 #1/STAŁA y", L"@dlg prop 8019 #2 abc", L"@dlg prop 8019 #2 2,5",
                        L"@dlg ok"});
  GridDialog dlg;
  NameValueList values;
  double numeric = 0;
  dlg.init = [&](Zc_AttributesGrid& g) { g.LoadTemplate(path); };
  headless::SetDialogActionHook([&](HWND, const std::wstring& action) {
    if (action == L"ok") return;
    values = NameValueList();
    values.ReadFromPropertyGroup(dlg.grid.AttributeGroup());
    numeric = dlg.grid.NumericRow()->GetValue().dblVal;
  });
  dlg.DoModal();
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"  8019 grid:\n    #0 = Opis [...]\n    #1\n      ROZMIAR = S (S | M | L)\n      NR = ;;\n"
                   L"      UWAGI = \n      STAŁA = x (read-only)\n    #2 = 10.00"),
            std::wstring::npos)
      << headless::ToUtf8(t);
  EXPECT_NE(t.find(L"\"prop 8019 #1/ROZMIAR XL\": no option \"XL\"."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"prop 8019 #1/STAŁA y\": the row is read-only."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"prop 8019 #2 abc\": the row takes a number."), std::wstring::npos);
  ASSERT_EQ(values.GetCount(), 4);
  EXPECT_EQ(values[0].value, L"M");
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"changed 8019", "changed 8019"}));
  EXPECT_DOUBLE_EQ(numeric, 2.5);
}

TEST_F(DialogTest, SettingByNameIgnoresCaseAndNumbersShowTheirDecimals) {
  GridDialog dlg;
  dlg.init = [&](Zc_AttributesGrid& g) {
    g.AddAttribute(L"Rozmiar", L"S;M;L", L"", 0);
    g.AddAttribute(L"Opis", L"", L"", 0);
    g.SetValueByName(L"ROZMIAR", L"L");
    g.SetValueByName(L"opis", L"przód");
    NameValueList v;
    v.ReadFromPropertyGroup(g.AttributeGroup());
    EXPECT_EQ(v[0].value, L"L");
    EXPECT_EQ(v[1].value, L"przód");
    UI_PropertyNumeric numeric(L"Długość", 2.5);
    EXPECT_EQ(numeric.FormatProperty(), L"2");  // no decimals at first
    numeric.SetDecimals(3);
    EXPECT_EQ(numeric.FormatProperty(), L"2.500");
    EXPECT_EQ(g.NumericRow()->FormatProperty(), L"10.00");
  };
  dlg.DoModal();
}

TEST_F(DialogTest, ATemplateChosenThroughTheSelectorReloadsTheRowsAndTellsTheDialog) {
  TempFolder folder;
  std::wstring path = WriteTemplate(folder, "Tyl");
  headless::PushInputs({L"@dlg prop 8019 #0 browse", L"@file " + path, L"@dlg show", L"@dlg ok"});
  GridDialog dlg;
  dlg.init = [](Zc_AttributesGrid& g) { g.AddAttribute(L"OLD", L"", L"", 0); };
  dlg.DoModal();
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"2026"}));
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"    #0 = Tyl [...]\n    #1\n      ROZMIAR = S"), std::wstring::npos) << headless::ToUtf8(t);
  EXPECT_EQ(t.find(L"OLD =", t.find(L"@dlg show")), std::wstring::npos);
}
