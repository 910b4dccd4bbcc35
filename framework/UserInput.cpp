// The command-line prompt objects.
#include "framework/UserInput.h"

#include "ed/zced.h"

CString ZWUserInput::GetPrompt() { return L"\n" + m_message; }

CString KWordSelector::GetPrompt() {
  CString prompt = ZWUserInput::GetPrompt();
  if (m_keywords.GetCount() > 0) prompt += L"[" + m_keywords.Join(L"/") + L"]";
  return prompt;
}

CString KWordSelector::GetDefaultText() const {
  if (!HasDefault()) return CString();
  return L"<" + m_keywords[m_default] + L">";
}

CString KWordSelector::FullPrompt() { return GetPrompt() + GetDefaultText() + L":"; }

void KWordSelector::InitGet() {
  zcedInitGet(HasDefault() ? 0 : RSG_NONULL, m_keywords.Join(L" "));
}

int KWordSelector::GetEntityOrKeyword(CString& text) {
  InitGet();
  m_result = zcedEntSel(FullPrompt(), m_entity, m_pickPoint);
  if (m_result == RTKWORD) {
    wchar_t buffer[133] = L"";
    zcedGetInput(buffer);
    text = m_chosen = buffer;
  } else if (m_result == RTNORM && zcdbGetObjectId(m_entityId, m_entity) == Zcad::eOk) {
    m_result = kEntityPicked;
  }
  return m_result;
}

int KWordSelector::GetKeyword() {
  if (m_keywords.GetCount() == 0) return m_result = kNoKeywords;
  const bool hasDefault = HasDefault();
  const CString prompt = FullPrompt();
  for (;;) {
    InitGet();
    m_result = zcedGetKword(prompt, m_buffer);
    if (m_result == RTNORM) {
      m_chosen = m_buffer;
      return m_result;
    }
    if (m_result == RTNONE && hasDefault) {
      m_chosen = m_keywords[m_default];
      return m_result = RTNORM;
    }
    if (m_result != RTNONE) return m_result;
  }
}

int DistSelector::GetDistance() {
  CString prompt;
  prompt.Format(L"%s:<%f>", GetPrompt(), m_default);
  ads_point base;
  if (m_basePoint) {
    base[0] = m_basePoint->x;
    base[1] = m_basePoint->y;
    base[2] = m_basePoint->z;
  }
  m_result = zcedGetDist(m_basePoint ? base : nullptr, prompt, &m_distance);
  if (m_result == RTNONE) {
    m_distance = m_default;
    m_result = RTNORM;
  }
  return m_result;
}
