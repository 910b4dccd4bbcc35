// The description variables: what each part variable reads from the drawing, and how a set
// substitutes its tokens into a text.
#include "construction/Fastrelle_Desc_Vars.h"

#include <gtest/gtest.h>

#include "framework/Layers.h"
#include "framework/ZWVariable.h"
#include "sizes/SizesFixture.h"

namespace {

class DescVarsTest : public SizesTest {
protected:
  static void Layers(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) {
      ZcDbLayerTableRecord* record = nullptr;
      ASSERT_EQ(0, CreateLayer(name, record));
    }
  }
};

// A variable of a fixed token and value, as the settings and the drawing would give.
class Fixed : public Fastrelle_Desc_Variable {
public:
  Fixed(const wchar_t* token, const wchar_t* value) : m_value(value) { m_token = token; }
  CString GetValue() const override { return m_value; }

private:
  CString m_value;
};

TEST_F(DescVarsTest, TheSetHoldsTheFivePartTokensOfTheSettingsInOrder) {
  Fastrelle_Desc_Vars vars;
  ASSERT_EQ(5, vars.GetCount());
  const wchar_t* tokens[] = {L"{PROJEKT}", L"{DATA}", L"{AUTOR}", L"{ROZMIARY}", L"{ROZMIAR_BAZOWY}"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(CString(tokens[i]), vars.GetAt(i).GetName());
}

TEST_F(DescVarsTest, SizesAreListedInLayerOrderWithoutBlanksAndTheBaseSizeNamed) {
  EXPECT_EQ(CString(), Fastrelle_Desc_Var_Sizes().GetValue());
  EXPECT_EQ(CString(), Fastrelle_Desc_Var_BaseSize().GetValue());
  Layers({L"38", L"38'", L"38~", L"^40", L"^40'", L"^40~", L"42", L"42~"});
  EXPECT_EQ(CString(L"38,40,42"), Fastrelle_Desc_Var_Sizes().GetValue());
  EXPECT_EQ(CString(L"40"), Fastrelle_Desc_Var_BaseSize().GetValue());
}

TEST_F(DescVarsTest, TheProjectIsEmptyForANewDrawingAndTheFileTitleOnceSaved) {
  EXPECT_EQ(CString(), Fastrelle_Desc_Var_Project().GetValue());
  TempFolder folder;
  ASSERT_EQ(Zcad::eOk, db_->saveAs(folder.Windows("Bluzka.v2.dwg").c_str()));
  EXPECT_EQ(CString(L"Bluzka.v2"), Fastrelle_Desc_Var_Project().GetValue());
}

TEST_F(DescVarsTest, TheDateFollowsTheFormatAndIsEmptyWhenItWouldPass128Characters) {
  SettingOverride format(L"DateFormat", L"%Y");
  const CString year = Fastrelle_Desc_Var_Date().GetValue();
  EXPECT_EQ(4, year.GetLength());
  EXPECT_EQ(CString(L"Data: ") + year, Fastrelle_Desc_Vars().Substitute(L"Data: {DATA}"));
  EXPECT_EQ(CString(), Fastrelle_Desc_Var_Date::FormatNow(CString(L'x', 128)));
  EXPECT_EQ(CString(L'x', 127), Fastrelle_Desc_Var_Date::FormatNow(CString(L'x', 127)));
}

TEST_F(DescVarsTest, TheAuthorIsTheLoginName) {
  CString login;
  ASSERT_TRUE(ZWVariable(L"LOGINNAME").GetString(login));
  EXPECT_FALSE(login.IsEmpty());
  EXPECT_EQ(login, Fastrelle_Desc_Var_Login().GetValue());
}

TEST_F(DescVarsTest, ALaterTokenInAValueIsReplacedAnEarlierOneNotAndEveryOccurrenceIs) {
  Fastrelle_Desc_Vars vars;
  vars.Clear();
  vars.Add(std::make_unique<Fixed>(L"{A}", L"a{B}"));
  vars.Add(std::make_unique<Fixed>(L"{B}", L"b{A}"));
  EXPECT_EQ(CString(L"ab{A} | b{A}"), vars.Substitute(L"{A} | {B}"));
  EXPECT_EQ(CString(L"ab{A}ab{A}"), vars.Substitute(L"{A}{A}"));
}

TEST_F(DescVarsTest, AMissingKeyGivesAnEmptyTokenThatReplacesNothing) {
  Fastrelle_Desc_Variable missing(L"NoSuchDescriptionKey");
  EXPECT_EQ(CString(), missing.GetName());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"NoSuchDescriptionKey"));
  Fastrelle_Desc_Vars vars;
  vars.Clear();
  vars.Add(std::make_unique<Fixed>(L"", L"never"));
  EXPECT_EQ(CString(L"tekst"), vars.Substitute(L"tekst"));
}

TEST_F(DescVarsTest, AppendMovesTheOtherSetsVariablesAfterItsOwn) {
  Fastrelle_Desc_Vars vars, other;
  other.Clear();
  other.Add(std::make_unique<Fixed>(L"{X}", L"x"));
  vars.Append(other);
  EXPECT_EQ(0, other.GetCount());
  ASSERT_EQ(6, vars.GetCount());
  EXPECT_EQ(CString(L"{X}"), vars.GetAt(5).GetName());
  EXPECT_EQ(CString(L"x"), vars.Substitute(L"{X}"));
}

TEST_F(DescVarsTest, NumbersFollowTheFormatsOfTheSettings) {
  EXPECT_EQ(CString(L"7"), FormatDescInteger(7));
  EXPECT_EQ(CString(L"2.50"), FormatDescNumber(2.5));
  EXPECT_EQ(CString(L"83.4 %"), FormatDescPercentage(0.834));
  SettingOverride hostile(L"VarDoubleFormat", L"%s %n %0.3f");  // a user's format stays safe
  FormatDescNumber(1.0);
}

}  // namespace
