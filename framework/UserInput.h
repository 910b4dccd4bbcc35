// Prompt objects for the command line: a choice among keywords with an optional default,
// an entity pick that a keyword may replace, and a distance with a default. They build the
// prompt in one layout and map the host's answers onto a few result codes. Used by the
// construction and grading commands.
#ifndef FRAMEWORK_USERINPUT_H
#define FRAMEWORK_USERINPUT_H

#include <memory>

#include "ed/ResultBuffer.h"
#include "framework/KeywordList.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// Result of GetKeyword when there are no keywords to offer (nothing is asked).
constexpr int kNoKeywords = -5004;
/// Result of GetEntityOrKeyword when an entity was picked.
constexpr int kEntityPicked = 5006;

/// A question: the message (without the line feed) and an optional base point.
class ZWUserInput {
public:
  explicit ZWUserInput(const CString& message = CString()) : m_message(message) {}
  /// "\n" + message.
  virtual CString GetPrompt();
  virtual ~ZWUserInput() = default;

  int m_result = 0;  // the last host result
  CString m_message;
  std::unique_ptr<ZcGePoint3d> m_basePoint;
};

/// A choice among keywords, shown as "\n<message>[A/B]<B>:".
class KWordSelector : public ZWUserInput {
public:
  explicit KWordSelector(const CString& message = CString()) : ZWUserInput(message) {}
  /// The base prompt, then "[" + the keywords joined with "/" + "]" when there are any.
  CString GetPrompt() override;
  /// "<" + the default keyword + ">", or the empty text without a default.
  CString GetDefaultText() const;
  /// Asks for one keyword: RTNORM with m_chosen set (Enter chooses the default); RTCAN;
  /// kNoKeywords when the list is empty. Without a default, Enter is refused and asked
  /// again; any other host result is returned as it is.
  int GetKeyword();

  /// The same question answered by an entity pick or a keyword: kEntityPicked with
  /// m_entityId, m_entity and m_pickPoint for a pick; RTKWORD with the keyword in `text`
  /// and m_chosen; any other host result (a pick that found nothing, Enter, RTCAN) as it is.
  int GetEntityOrKeyword(CString& text);

  void AddKeyword(const CString& keyword) { m_keywords.Add(keyword); }
  /// Index into the keywords, or negative for no default.
  void SetDefault(int index) { m_default = index; }

  wchar_t m_buffer[133] = L"";
  ads_name m_entity = {0, 0};
  ads_point m_pickPoint = {0, 0, 0};
  KeywordList m_keywords;
  int m_default = -1;
  CString m_chosen;
  ZcDbObjectId m_entityId;

protected:
  /// The prompt of both questions: GetPrompt + GetDefaultText + ":".
  CString FullPrompt();
  /// True when the default index names one of the keywords.
  bool HasDefault() const { return m_default >= 0 && m_default < m_keywords.GetCount(); }
  /// Sets up the keywords for the next host call (Enter refused without a default).
  void InitGet();
};

/// A distance with a default, asked as "\n<message>:<default with 6 decimals>".
class DistSelector : public ZWUserInput {
public:
  DistSelector(const CString& message, double defaultDistance)
      : ZWUserInput(message), m_default(defaultDistance) {}
  /// RTNORM with m_distance (Enter gives the default); other host results unchanged. The
  /// message stays as it was, so asking again asks the same question.
  int GetDistance();

  double m_distance = 0.0;
  double m_default;
};

#endif
