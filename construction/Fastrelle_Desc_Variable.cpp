// The part variables of descriptions and the number formats of their values.
#include "construction/Fastrelle_Desc_Variable.h"

#include <ctime>
#include <cwchar>

#include "ed/ZcApDocManager.h"
#include "framework/Document.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/UI_DwgBlock.h"
#include "framework/ZWVariable.h"
#include "sizes/Fastrelle_Sizes.h"

Fastrelle_Desc_Variable::Fastrelle_Desc_Variable(const CString& tokenKey) {
  if (!tokenKey.IsEmpty()) m_token = GetSettingString(tokenKey);
}

CString Fastrelle_Desc_Var_Project::GetValue() const {
  const CString path = GetDocumentFileName(zcDocManagerPtr()->curDocument());
  return path.IsEmpty() ? CString() : UI_DwgBlock::FileTitle(path);
}

CString Fastrelle_Desc_Var_Date::FormatNow(const CString& format) {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (!local) return CString();
  wchar_t text[128];
  // wcsftime gives 0 both for a text that does not fit and for an empty one
  const std::size_t n = std::wcsftime(text, 128, static_cast<const wchar_t*>(format), local);
  return n == 0 ? CString() : CString(text);
}

CString Fastrelle_Desc_Var_Date::GetValue() const { return FormatNow(GetSettingString(L"DateFormat")); }

CString Fastrelle_Desc_Var_Login::GetValue() const {
  CString login;
  ZWVariable(L"LOGINNAME").GetString(login);
  return login;
}

CString Fastrelle_Desc_Var_Sizes::GetValue() const {
  CStringArray names;
  ListSizeNamesFromLayers(names);
  CString joined;
  for (int i = 0; i < names.GetSize(); ++i) {
    if (i > 0) joined += L",";
    joined += names[i];
  }
  return joined;
}

CString Fastrelle_Desc_Var_BaseSize::GetValue() const { return GetBaseSizeName(); }

CString FormatDescInteger(int value) {
  CString text;
  text.Format(L"%i", value);
  return text;
}

CString FormatDescNumber(double value) {
  CString text;
  text.Format(GetSettingString(L"VarDoubleFormat"), value);
  return text;
}

CString FormatDescPercentage(double value) {
  CString text;
  text.Format(GetSettingString(L"VarPercentageFormat"), value * 100.0);
  return text;
}
