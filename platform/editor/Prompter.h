// The one road by which every interactive request gets its answer: print the prompt, take
// the next line of the input queue, read it as the request allows, and ask again with a
// clear message when the line does not fit. Private to the editor.
#ifndef PLATFORM_EDITOR_PROMPTER_H
#define PLATFORM_EDITOR_PROMPTER_H

#include <string>
#include <vector>

#include "ge/ZcGePoint3d.h"

namespace editor {

/// Input-control bits of zcedInitGet that the requests honour.
enum : int { kNoNull = 1, kNoZero = 2, kNoNegative = 4, kArbitrary = 128 };

/// A keyword list as the host's calls give it: words separated by blanks; the capital
/// letters of a word, with its digits, are its shortcut ("poZiome" is answered by "z",
/// "Z", "poziome"; "3P" by "3p", not by "p").
class Keywords {
public:
  Keywords() = default;
  explicit Keywords(const std::wstring& list);
  bool empty() const { return words_.empty(); }
  const std::vector<std::wstring>& words() const { return words_; }
  /// The index of the keyword an answer names, or -1. A whole word wins over a shortcut;
  /// a leading "_" (the global form) is ignored. A word with a capital letter is also
  /// answered by any prefix of it that holds all its capitals, or by the capitals alone.
  int Match(const std::wstring& answer) const;

private:
  std::vector<std::wstring> words_;
};

/// What a request accepts besides its keywords.
enum Accept : unsigned { kPoint = 1, kNumber = 2, kText = 4 };

struct Request {
  std::wstring prompt;
  unsigned accept = 0;
  int flags = 0;          // kNoNull, kNoZero, kNoNegative, kArbitrary
  Keywords keywords;
  bool textSpaces = true;  // a text answer may hold blanks; else it ends at the first one
  std::size_t maxText = 0; // longest text accepted (0: no limit)
};

struct Answer {
  /// RTNORM (point, number or text), RTNONE (Enter), RTKWORD (keyword or, with
  /// kArbitrary, any other text) or RTCAN.
  int status = 0;
  enum Kind { Point, Number, Text } kind = Text;
  ZcGePoint3d point;  // in the user coordinate system, as typed
  double number = 0.0;
  std::wstring text;  // the keyword as listed, or the text typed
};

/// Asks until an acceptable answer comes. An empty queue or the line "@cancel" answers
/// RTCAN ("*Cancel*" is printed). An empty line is Enter: RTNONE, or asked again under
/// kNoNull (an empty text answer is RTNORM with no text). The answer is echoed after the
/// prompt, as a command line shows what was typed. Point answers become the last point.
int Ask(const Request& request, Answer& answer);

/// Reads one answer (not Enter) as the request allows, in this order: keyword, point,
/// number, text, any text under kArbitrary. RTKWORD or RTNORM; 0 when it fits nothing,
/// with `why` the message to show.
int Interpret(const Request& request, const std::wstring& line, Answer& answer, std::wstring& why);

/// The next line for an interactive request (the prompt observer is told first); false
/// when the queue is exhausted. Key lines ("@key ...") are pressed on the drawing view and
/// skipped, except those `keep` accepts, which are returned like any other line.
bool NextLine(std::wstring& line, bool (*keep)(const std::wstring& keyLine) = nullptr);

/// Reads a point as typed: "x,y", "x,y,z", "@dx,dy[,dz]" (relative to the last point),
/// "@d<angle" (polar, degrees) or "@" (the last point). All in user coordinates.
bool ParsePoint(const std::wstring& text, ZcGePoint3d& ucs);
/// Reads a whole line as one number ("12.5", "-3", "1e3"; C locale).
bool ParseNumber(const std::wstring& text, double& value);
std::wstring Trim(const std::wstring& text);
void ResetPrompter();
/// The text as it is upper-cased by the host (command and variable names).
std::wstring Upper(const std::wstring& text);
std::wstring Lower(const std::wstring& text);
bool SameName(const std::wstring& a, const std::wstring& b);

}  // namespace editor

#endif
