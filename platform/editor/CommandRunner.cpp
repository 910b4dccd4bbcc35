// Running the host's own commands: typed on the command line, driven by zcedCmd with
// pauses answered by the user, or queued by zcedCommand until the running command returns.
//
// States of the one driven command that can be waiting (see HostCommand.h):
//  1. none waiting: zcedCmd starts the command its list names (Feed);
//  2. waiting: its items ran out; it is listed in "CMDNAMES" and the next zcedCmd adds
//     items to it (Feed), a pause included;
//  3. it ends (done, cancelled or refused) when an attempt gets to its end; the items left
//     over start the next command of the list (Feed);
//  4. when the command that drove it returns, it takes its remaining answers from the
//     user (FinishWaitingCommand); a command driven from outside any command does so at
//     once, as there is nobody else to feed it.
#include <cassert>
#include <cmath>
#include <cstdarg>
#include <deque>
#include <optional>

#include "ed/HostCommands.h"
#include "ed/SystemVariables.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/HostCommand.h"
#include "runtime/ActiveCommands.h"

namespace editor {

namespace {

struct Waiting {
  const HostCommand* command;
  std::vector<Token> tokens;
  std::size_t echoed = 0;
  std::size_t outerDepth = 0;  // running commands when it started
};

struct RunnerState {
  std::optional<Waiting> waiting;
  std::deque<std::vector<Token>> queued;  // zcedCommand lines not yet run
};
RunnerState& State() {
  static RunnerState s;
  return s;
}

std::vector<HostCommand>& Table() {
  static std::vector<HostCommand> table = [] {
    std::vector<HostCommand> t;
    AddViewCommands(t);
    AddMenuCommands(t);
    AddSessionCommands(t);
    AddEditCommands(t);
    AddDrawCommands(t);
    AddLayerCommands(t);
    AddVariableCommands(t);
    return t;
  }();
  return table;
}

bool EchoOn() {
  resbuf rb{};
  return zcedGetVar(L"CMDECHO", &rb) == RTNORM && rb.resval.rint != 0;
}

std::wstring TokenText(const Token& t) {
  switch (t.kind) {
    case Token::Point: return PointText(t.point);
    case Token::Number: {
      wchar_t buf[64];
      std::swprintf(buf, 64, L"%g", t.number);
      return buf;
    }
    case Token::Name: return L"<entity>";
    default: return t.text;
  }
}

enum class Outcome { Done, NeedInput, Cancelled, Rejected };

// One attempt at the command over the items it has; `consumed` tells how many it read.
Outcome Attempt(const HostCommand& command, std::vector<Token>* tokens, bool userAfter, std::size_t* echoed,
                std::size_t& consumed) {
  CommandLine line(tokens, userAfter, echoed);
  try {
    command.run(line);
    consumed = line.Consumed();
    return Outcome::Done;
  } catch (const NeedInput&) {
    return Outcome::NeedInput;
  } catch (const CommandCancelled&) {
    return Outcome::Cancelled;
  } catch (const CommandRejected& r) {
    zcutPrintText(r.message);
    return Outcome::Rejected;
  }
}

// Runs the waiting command over its items. RTNORM when it is done or still waiting.
int Advance(std::vector<Token>& leftover) {
  Waiting& w = *State().waiting;
  bool userAfter = w.outerDepth == 0;
  std::size_t consumed = 0;
  Outcome outcome = Attempt(*w.command, &w.tokens, userAfter, &w.echoed, consumed);
  if (outcome == Outcome::NeedInput) return RTNORM;
  if (outcome == Outcome::Done) leftover.assign(w.tokens.begin() + consumed, w.tokens.end());
  State().waiting.reset();
  platform::PopActiveCommand();
  if (outcome == Outcome::Cancelled) return RTCAN;
  return outcome == Outcome::Done ? RTNORM : RTERROR;
}

// Gives items to the waiting command, or starts the commands they name.
int Feed(std::vector<Token> tokens) {
  for (;;) {
    if (!State().waiting) {
      while (!tokens.empty() && tokens.front().kind == Token::Text && tokens.front().text.empty())
        tokens.erase(tokens.begin());  // Enter between commands
      if (tokens.empty()) return RTNORM;
      const Token first = tokens.front();
      if (first.kind == Token::Pause) {
        zcutPrintText(L"\nNo command is waiting for input.");
        return RTERROR;
      }
      const HostCommand* command = first.kind == Token::Text ? FindHostCommand(first.text) : nullptr;
      if (!command) {
        zcutPrintf(L"\nUnknown command \"%s\".", TokenText(first));
        return RTERROR;
      }
      tokens.erase(tokens.begin());
      State().waiting = Waiting{command, {}, 0, platform::ActiveCommandCount()};
      platform::PushActiveCommand(command->name);
    }
    Waiting& w = *State().waiting;
    w.tokens.insert(w.tokens.end(), tokens.begin(), tokens.end());
    std::vector<Token> leftover;
    int status = Advance(leftover);
    if (status != RTNORM || leftover.empty()) return status;
    tokens = std::move(leftover);
  }
}

}  // namespace

const HostCommand* FindHostCommand(const std::wstring& typed) {
  std::size_t start = typed.find_first_not_of(L"_.'");
  if (start == std::wstring::npos) return nullptr;
  std::wstring name = Trim(typed.substr(start));
  for (const HostCommand& c : Table())
    if (SameName(c.name, name)) return &c;
  return FindVariableCommand(name);
}

bool RunTypedHostCommand(const std::wstring& name) {
  const HostCommand* command = FindHostCommand(name);
  if (!command) return false;
  platform::PushActiveCommand(command->name);
  std::size_t consumed = 0;
  Attempt(*command, nullptr, true, nullptr, consumed);
  platform::PopActiveCommand();
  return true;
}

void FinishWaitingCommand() {
  if (!State().waiting || State().waiting->outerDepth + 1 != platform::ActiveCommandCount()) return;
  State().waiting->outerDepth = 0;  // from now on the user answers
  std::vector<Token> leftover;
  if (Advance(leftover) == RTNORM && !leftover.empty()) Feed(std::move(leftover));
}

void RunQueuedCommands() {
  while (!State().queued.empty()) {
    std::vector<Token> tokens = std::move(State().queued.front());
    State().queued.pop_front();
    Feed(std::move(tokens));
  }
}

std::wstring PointText(const ZcGePoint3d& p) {
  wchar_t buf[128];
  if (p.z == 0.0) std::swprintf(buf, 128, L"%g,%g", p.x, p.y);
  else std::swprintf(buf, 128, L"%g,%g,%g", p.x, p.y, p.z);
  return buf;
}

bool TokensFromList(const resbuf* rb, std::vector<Token>& tokens) {
  for (; rb && rb->restype != RTNONE; rb = rb->rbnext) {
    Token t;
    switch (rb->restype) {
      case RTSTR:
        t.text = rb->resval.rstring ? rb->resval.rstring : L"";
        if (t.text == L"\\") t.kind = Token::Pause;
        break;
      case RTPOINT: case RT3DPOINT:
        t.kind = Token::Point;
        t.point.set(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
        break;
      case RTREAL: case RTANG:
        t.kind = Token::Number;
        t.number = rb->resval.rreal;
        break;
      case RTSHORT:
        t.kind = Token::Number;
        t.number = rb->resval.rint;
        break;
      case RTLONG:
        t.kind = Token::Number;
        t.number = rb->resval.rlong;
        break;
      case RTENAME: case RTPICKS:
        t.kind = Token::Name;
        t.set = rb->restype == RTPICKS;
        t.name[0] = rb->resval.rlname[0];
        t.name[1] = rb->resval.rlname[1];
        break;
      default:
        zcutPrintf(L"\nA command list cannot hold an item of type %d.", static_cast<int>(rb->restype));
        return false;
    }
    tokens.push_back(t);
  }
  return true;
}

// --- CommandLine -------------------------------------------------------------------------

CommandLine::CommandLine(std::vector<Token>* tokens, bool userAfterItems, std::size_t* echoed)
    : tokens_(tokens), userAfter_(userAfterItems), echoed_(echoed) {}

bool CommandLine::UserAnswersNext() const {
  if (!tokens_ || pos_ >= tokens_->size()) return true;
  const Token& t = (*tokens_)[pos_];
  return t.kind == Token::Pause && !t.answered;
}

int CommandLine::Next(const Request& r, Answer& a) {
  if (tokens_ && pos_ < tokens_->size()) {
    Token& t = (*tokens_)[pos_];
    if (t.kind == Token::Pause && !t.answered) {
      if (Ask(r, t.answer) == RTCAN) throw CommandCancelled();
      t.answered = true;
    }
    ++pos_;
    if (t.answered) {
      a = t.answer;
      return a.status;
    }
    if (echoed_ && pos_ > *echoed_) {
      *echoed_ = pos_;
      if (EchoOn()) zcutPrintText(r.prompt + TokenText(t));
    }
    const std::wstring bad = L"\nThe command cannot take \"" + TokenText(t) + L"\" at: " + Trim(r.prompt);
    switch (t.kind) {
      case Token::Point: {
        ZcGePoint3d w = UcsToWcs(t.point);
        if (!(r.accept & kPoint) || !std::isfinite(w.x) || !std::isfinite(w.y) || !std::isfinite(w.z))
          throw CommandRejected{bad};
        a.kind = Answer::Point;
        a.point = t.point;
        SetLastPoint(w);
        return a.status = RTNORM;
      }
      case Token::Number:
        if (!(r.accept & kNumber) || !std::isfinite(t.number)) throw CommandRejected{bad};
        a.kind = Answer::Number;
        a.number = t.number;
        return a.status = RTNORM;
      case Token::Name:
        throw CommandRejected{bad};
      default:
        break;
    }
    std::wstring text = Trim(t.text);
    if (text.empty() && !(r.accept & kText)) {
      if (r.flags & kNoNull) throw CommandRejected{bad};
      return a.status = RTNONE;
    }
    std::wstring why;
    if (int status = Interpret(r, t.text, a, why)) return a.status = status;
    throw CommandRejected{bad};
  }
  if (tokens_ && !userAfter_) throw NeedInput();
  if (Ask(r, a) == RTCAN) throw CommandCancelled();
  return a.status;
}

namespace {
Request MakeRequest(const std::wstring& prompt, unsigned accept, const std::wstring& keywords, bool allowNone) {
  Request r;
  r.prompt = prompt;
  r.accept = accept;
  r.keywords = Keywords(keywords);
  r.flags = allowNone ? 0 : kNoNull;
  return r;
}
}  // namespace

int CommandLine::Point(const std::wstring& prompt, ZcGePoint3d& ucs, const std::wstring& keywords,
                       std::wstring* keyword, bool allowNone) {
  Answer a;
  int status = Next(MakeRequest(prompt, kPoint, keywords, allowNone), a);
  if (status == RTNORM) ucs = a.point;
  if (status == RTKWORD && keyword) *keyword = a.text;
  return status;
}

int CommandLine::Number(const std::wstring& prompt, double& value, const std::wstring& keywords,
                        std::wstring* keyword, bool allowNone) {
  Answer a;
  int status = Next(MakeRequest(prompt, kNumber, keywords, allowNone), a);
  if (status == RTNORM) value = a.number;
  if (status == RTKWORD && keyword) *keyword = a.text;
  return status;
}

std::wstring CommandLine::Keyword(const std::wstring& prompt, const std::wstring& keywords,
                                  const std::wstring& defaultKeyword) {
  Answer a;
  int status = Next(MakeRequest(prompt, 0, keywords, !defaultKeyword.empty()), a);
  return status == RTKWORD ? a.text : defaultKeyword;
}

std::wstring CommandLine::Text(const std::wstring& prompt) {
  Answer a;
  Next(MakeRequest(prompt, kText, L"", true), a);
  return a.text;
}

bool CommandLine::TakeEntities(std::vector<ZcDbObjectId>& ids) {
  if (!tokens_ || pos_ >= tokens_->size() || (*tokens_)[pos_].kind != Token::Name) return false;
  const Token& t = (*tokens_)[pos_++];
  ZcDbObjectId id;
  if (!t.set) {
    if (zcdbGetObjectId(id, t.name) == Zcad::eOk) ids.push_back(id);
    return true;
  }
  std::int32_t length = 0;
  zcedSSLength(t.name, &length);
  for (std::int32_t i = 0; i < length; ++i) {
    ads_name entity;
    if (zcedSSName(t.name, i, entity) == RTNORM && zcdbGetObjectId(id, entity) == Zcad::eOk) ids.push_back(id);
  }
  return true;
}

void ResetCommands() {
  if (State().waiting) platform::PopActiveCommand();
  State() = RunnerState();
}

}  // namespace editor

// --- The host's calls ------------------------------------------------------------------------

int zcedCmd(const resbuf* list) {
  std::vector<editor::Token> tokens;
  if (!list || !editor::TokensFromList(list, tokens)) return RTERROR;
  return editor::Feed(std::move(tokens));
}

int zcedCommand(int type, ...) {
  // The items as a list, read from the arguments: (type, value) pairs up to RTNONE.
  std::vector<resbuf> items;
  std::vector<std::wstring> texts;
  va_list args;
  va_start(args, type);
  for (int t = type; t != RTNONE && t != 0; t = va_arg(args, int)) {
    resbuf rb{};
    rb.restype = static_cast<short>(t);
    switch (t) {
      case RTSTR: {
        const wchar_t* s = va_arg(args, const wchar_t*);
        texts.push_back(s ? s : L"");
        break;
      }
      case RTPOINT: case RT3DPOINT: {
        const double* p = va_arg(args, const double*);
        for (int i = 0; i < 3; ++i) rb.resval.rpoint[i] = p ? p[i] : 0.0;
        break;
      }
      case RTREAL: case RTANG: rb.resval.rreal = va_arg(args, double); break;
      case RTSHORT: rb.resval.rint = static_cast<short>(va_arg(args, int)); break;
      case RTLONG: rb.resval.rlong = va_arg(args, std::int32_t); break;
      case RTENAME: {
        const std::int64_t* n = va_arg(args, const std::int64_t*);
        rb.resval.rlname[0] = n ? n[0] : 0;
        rb.resval.rlname[1] = n ? n[1] : 0;
        break;
      }
      default:
        va_end(args);
        zcutPrintf(L"\nA command line cannot hold an item of type %d.", t);
        return RTERROR;
    }
    items.push_back(rb);
  }
  va_end(args);
  // Link the nodes now that the vectors no longer move.
  std::size_t text = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].restype == RTSTR) items[i].resval.rstring = texts[text++].data();
    items[i].rbnext = i + 1 < items.size() ? &items[i + 1] : nullptr;
  }
  std::vector<editor::Token> tokens;
  if (items.empty() || !editor::TokensFromList(items.data(), tokens)) return RTERROR;
  if (tokens.front().kind != editor::Token::Text || !editor::FindHostCommand(tokens.front().text)) {
    zcutPrintf(L"\nUnknown command \"%s\".", editor::TokenText(tokens.front()));
    return RTERROR;
  }
  // The line runs when the running command returns; outside any command, now.
  if (platform::ActiveCommandCount() > 0) {
    editor::State().queued.push_back(std::move(tokens));
    return RTNORM;
  }
  return editor::Feed(std::move(tokens));
}
