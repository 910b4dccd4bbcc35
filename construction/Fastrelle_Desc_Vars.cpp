// The variable set of part descriptions and its substitution.
#include "construction/Fastrelle_Desc_Vars.h"

Fastrelle_Desc_Vars::Fastrelle_Desc_Vars() {
  Add(std::make_unique<Fastrelle_Desc_Var_Project>());
  Add(std::make_unique<Fastrelle_Desc_Var_Date>());
  Add(std::make_unique<Fastrelle_Desc_Var_Login>());
  Add(std::make_unique<Fastrelle_Desc_Var_Sizes>());
  Add(std::make_unique<Fastrelle_Desc_Var_BaseSize>());
}

void Fastrelle_Desc_Vars::Add(std::unique_ptr<Fastrelle_Desc_Variable> variable) {
  if (variable) m_vars.push_back(std::move(variable));
}

void Fastrelle_Desc_Vars::Append(Fastrelle_Desc_Vars& other) {
  if (&other == this) return;
  for (auto& variable : other.m_vars) m_vars.push_back(std::move(variable));
  other.m_vars.clear();
}

CString Fastrelle_Desc_Vars::Substitute(const CString& text) const {
  CString result = text;
  for (const auto& variable : m_vars) {
    const CString token = variable->GetName();
    if (token.IsEmpty() || result.Find(token) < 0) continue;  // the value is read only when used
    result.Replace(token, variable->GetValue());
  }
  return result;
}
