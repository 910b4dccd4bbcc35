// The command-line prompt objects.
#include "framework/UserInput.h"

#include "ed/zced.h"

CString ZWUserInput::GetPrompt() { return L"\n" + m_message; }

CString KWordSelector::Joined(const wchar_t* separator) const {
  CString text;
  for (int i = 0; i < m_keywords.GetSize(); ++i) {
    if (i > 0) text += separator;
    text += m_keywords[i];
  }
  return text;
}

CString KWordSelector::GetPrompt() {
  CString prompt = ZWUserInput::GetPrompt();
  if (!m_keywords.IsEmpty()) prompt += L"[" + Joined(L"/") + L"]";
  return prompt;
}

CString KWordSelector::GetDefaultText() const {
  if (m_default < 0 || m_default >= m_keywords.GetSize()) return CString();
  return L"<" + m_keywords[m_default] + L">";
}

CString KWordSelector::FullPrompt() { return GetPrompt() + GetDefaultText() + L":"; }

int KWordSelector::GetKeyword() {
  if (m_keywords.IsEmpty()) return m_result = kNoKeywords;
  const bool hasDefault = m_default >= 0 && m_default < m_keywords.GetSize();
  const CString prompt = FullPrompt();
  for (;;) {
    zcedInitGet(hasDefault ? 0 : RSG_NONULL, Joined(L" "));
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
