// The host's own commands ("_MOVE", "_Zoom", "_-view", "LINE", ...): how they read their
// answers, from the items of a driven command list (zcedCmd) or from the user, and the
// table they are found in. Private to the editor.
//
// A driven command reads the list's items in order; an item "\\" (a pause) is answered by
// the user. When the items run out before the command is done, the command waits, listed
// in "CMDNAMES", for the next zcedCmd call to bring more; it is then run again from its
// start over all the items so far (pauses keep the answers the user gave), so a command
// must only act on the drawing once it has read all its answers.
#ifndef PLATFORM_EDITOR_HOSTCOMMAND_H
#define PLATFORM_EDITOR_HOSTCOMMAND_H

#include <cstdint>
#include <string>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "ed/ResultBuffer.h"
#include "editor/Prompter.h"

namespace editor {

/// One item of a driven command list.
struct Token {
  enum Kind { Text, Point, Number, Name, Pause } kind = Text;
  std::wstring text;
  ZcGePoint3d point;  // user coordinates
  double number = 0.0;
  std::int64_t name[2] = {0, 0};  // an entity, or with `set` a selection set (RTPICKS)
  bool set = false;
  bool answered = false;  // a pause the user has answered: `answer` holds it
  Answer answer;
};
/// The items of a list (RTNONE ends it); false, with a message, for an item of a type a
/// command cannot take.
bool TokensFromList(const resbuf* list, std::vector<Token>& tokens);

/// Thrown when a driven command needs more items than its list holds.
struct NeedInput {};
/// Thrown when the user cancels a prompt; the command ends without acting.
struct CommandCancelled {};
/// Thrown when a list item does not answer its prompt; the command ends without acting.
struct CommandRejected {
  std::wstring message;
};

/// What a host command reads its answers from. Each prompt returns RTNORM with the value,
/// RTNONE for Enter (when `allowNone`) or RTKWORD with the keyword; cancels and wrong list
/// items end the command by throwing.
class CommandLine {
public:
  /// `tokens` null: every answer comes from the user. Otherwise the items come first, and
  /// after them the user when `userAfterItems`, else NeedInput is thrown.
  CommandLine(std::vector<Token>* tokens, bool userAfterItems, std::size_t* echoed);

  int Point(const std::wstring& prompt, ZcGePoint3d& ucs, const std::wstring& keywords = L"",
            std::wstring* keyword = nullptr, bool allowNone = false);
  int Number(const std::wstring& prompt, double& value, const std::wstring& keywords = L"",
             std::wstring* keyword = nullptr, bool allowNone = false);
  /// A keyword; with `defaultKeyword`, Enter answers it.
  std::wstring Keyword(const std::wstring& prompt, const std::wstring& keywords,
                       const std::wstring& defaultKeyword = L"");
  /// A text (a name, a path); Enter gives the empty text.
  std::wstring Text(const std::wstring& prompt);
  /// The next item when it names entities, taken: the entity of an RTENAME item, each
  /// entity of an RTPICKS item's selection set (none for a set that is not live). False,
  /// nothing taken, for any other item.
  bool TakeEntities(std::vector<ZcDbObjectId>& ids);
  /// Any request (a point or a number, ...): the answer's status; cancels throw as above.
  int Read(const Request& request, Answer& answer) { return Next(request, answer); }
  /// True when the next answer will come from the user.
  bool UserAnswersNext() const;

  /// Items read so far.
  std::size_t Consumed() const { return pos_; }

private:
  int Next(const Request& request, Answer& answer);

  std::vector<Token>* tokens_;
  bool userAfter_;
  std::size_t* echoed_;
  std::size_t pos_ = 0;
};

typedef void (*HostCommandFn)(CommandLine& line);
struct HostCommand {
  const wchar_t* name;  // global name, upper case, as "CMDNAMES" lists it ("-VIEW")
  HostCommandFn run;
};

/// The host command of a typed or listed name ("_-view", ".line", "Zoom"), or null.
const HostCommand* FindHostCommand(const std::wstring& name);

/// The command tables of the editor's parts.
void AddViewCommands(std::vector<HostCommand>& table);
void AddMenuCommands(std::vector<HostCommand>& table);
void AddSessionCommands(std::vector<HostCommand>& table);
void AddEditCommands(std::vector<HostCommand>& table);
void AddDrawCommands(std::vector<HostCommand>& table);
void AddLayerCommands(std::vector<HostCommand>& table);
void AddVariableCommands(std::vector<HostCommand>& table);
/// The command that shows and sets the system variable of that name; null for no variable.
const HostCommand* FindVariableCommand(const std::wstring& name);

/// Runs a command typed on the command line, every answer from the user; false when no
/// host command has the name.
bool RunTypedHostCommand(const std::wstring& name);
/// Called when a command returns: a host command it left waiting gets its remaining
/// answers from the user.
void FinishWaitingCommand();
/// Called when no command runs any more: the command lines zcedCommand queued run.
void RunQueuedCommands();

/// Point text for the command line: "10,5" or "10,5,2" (z shown when not 0).
std::wstring PointText(const ZcGePoint3d& p);

}  // namespace editor

#endif
