// The interactive input calls: each turns the pending zcedInitGet settings into a
// request for the prompter and copies the answer out. Also the raw reader of drag loops,
// which takes the keys a drag needs ("@key Enter") and shows the floating dialogs.
#include "ed/UserInput.h"

#include <cmath>
#include <cwchar>
#include <deque>

#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/Entities.h"
#include "editor/Prompter.h"
#include "headless/Host.h"
#include "headless/Windows.h"

namespace {

constexpr std::size_t kMaxText = 132;

struct InputState {
  int flags = 0;
  std::wstring keywords;
  std::wstring lastKeyword;
  std::deque<int> keys;  // typed characters not yet read by zcedGrRead
  int failDragReadIn = 0;  // the read of a drag loop that fails (1: the next), 0: none
};
InputState& State() {
  static InputState s;
  return s;
}

// A request with the zcedInitGet settings, which hold for this one call only.
editor::Request TakeRequest(const wchar_t* prompt, unsigned accept) {
  editor::Request r;
  r.prompt = prompt ? prompt : L"";
  r.accept = accept;
  r.flags = State().flags;
  r.keywords = editor::Keywords(State().keywords);
  State().flags = 0;
  State().keywords.clear();
  return r;
}

void CopyOut(const std::wstring& text, wchar_t* out) {
  if (!out) return;
  std::size_t n = std::min(text.size(), kMaxText);
  std::wmemcpy(out, text.c_str(), n);
  out[n] = L'\0';
}

void ToAds(const ZcGePoint3d& p, ads_point out) {
  out[0] = p.x;
  out[1] = p.y;
  out[2] = p.z;
}

// The keys a drag reader takes from "@key <name>" lines (any case), with their codes.
const std::pair<const wchar_t*, int> kDragKeys[] = {
    {L"ENTER", 13}, {L"SPACE", 32}, {L"ESCAPE", 27}, {L"BACKSPACE", 8}};
const wchar_t* const kArrowKeys[] = {L"LEFT", L"UP", L"RIGHT", L"DOWN"};

// The key named by a "@key" line, upper-cased; false for any other line.
bool KeyLineName(const std::wstring& line, std::wstring& name) {
  std::wstring text = editor::Trim(line);
  if (editor::Upper(text.substr(0, 5)) != L"@KEY ") return false;
  name = editor::Upper(editor::Trim(text.substr(5)));
  return true;
}

// A key line the drag reader answers itself: every key but the arrows, which still go
// to the drawing view as at any prompt.
bool DragKeeps(const std::wstring& line) {
  std::wstring name;
  if (!KeyLineName(line, name)) return false;
  for (const wchar_t* arrow : kArrowKeys)
    if (name == arrow) return false;
  return true;
}

// Prints the dump of every open modeless dialog, oldest first.
void ShowModelessDialogs() {
  headless::RunIdle();
  std::vector<HWND> shown = headless::ModelessDialogs();
  if (shown.empty()) zcutPrintText(L"\nNo floating dialog is open.");
  for (HWND dialog : shown) zcutPrintText(L"\n" + headless::DescribeDialog(dialog));
}

// Asks, keeping a keyword answer for zcedGetInput.
int AskKeeping(const editor::Request& r, editor::Answer& a) {
  int status = editor::Ask(r, a);
  if (status == RTKWORD) State().lastKeyword = a.text;
  return status;
}

}  // namespace

int zcedInitGet(int flags, const wchar_t* keywords) {
  State().flags = flags;
  State().keywords = keywords ? keywords : L"";
  return RTNORM;
}

int zcedGetKword(const wchar_t* prompt, wchar_t* result) {
  editor::Request r = TakeRequest(prompt, 0);
  editor::Answer a;
  int status = AskKeeping(r, a);
  if (status == RTKWORD) {
    CopyOut(a.text, result);
    return RTNORM;
  }
  if (result && status == RTNONE) result[0] = L'\0';
  return status;
}

int zcedGetInput(wchar_t* result) {
  CopyOut(State().lastKeyword, result);
  return RTNORM;
}

int zcedGetPoint(const ads_point, const wchar_t* prompt, ads_point result) {
  editor::Answer a;
  int status = AskKeeping(TakeRequest(prompt, editor::kPoint), a);
  if (status == RTNORM && result) ToAds(a.point, result);
  return status;
}

int zcedGetDist(const ads_point base, const wchar_t* prompt, ads_real* result) {
  editor::Request r = TakeRequest(prompt, editor::kPoint | editor::kNumber);
  for (;;) {
    editor::Answer a;
    int status = AskKeeping(r, a);
    if (status != RTNORM) return status;
    double distance = a.number;
    if (a.kind == editor::Answer::Point) {
      ZcGePoint3d from = a.point;
      if (base) {
        from.set(base[0], base[1], base[2]);
      } else {
        editor::Request second;
        second.prompt = L"\nSpecify second point: ";
        second.accept = editor::kPoint;
        second.flags = editor::kNoNull;
        editor::Answer b;
        if (editor::Ask(second, b) != RTNORM) return RTCAN;
        a.point = b.point;
      }
      distance = from.distanceTo(a.point);
      if (!std::isfinite(distance)) {  // two points near the largest numbers, on either side
        zcutPrintText(L"\nThe distance is too large.");
        continue;
      }
      if ((r.flags & RSG_NOZERO) && distance == 0.0) {
        zcutPrintText(L"\nThe value must not be zero.");
        continue;
      }
    }
    if (result) *result = distance;
    return RTNORM;
  }
}

int zcedEntSel(const wchar_t* prompt, ads_name entity, ads_point point) {
  editor::Answer a;
  int status = AskKeeping(TakeRequest(prompt ? prompt : L"\nSelect object: ", editor::kPoint), a);
  if (status != RTNORM) return status;
  ZcDbObjectId id = editor::EntityAt(editor::UcsToWcs(a.point));
  if (id.isNull()) {
    zcutPrintText(L"\nNo object found.");
    return RTERROR;
  }
  if (entity) zcdbGetAdsName(entity, id);
  if (point) ToAds(a.point, point);
  return RTNORM;
}

int zcedGetString(int spaces, const wchar_t* prompt, wchar_t* result) {
  editor::Request r = TakeRequest(prompt, editor::kText);
  r.keywords = editor::Keywords();
  r.textSpaces = spaces != 0;
  r.maxText = kMaxText;
  editor::Answer a;
  int status = editor::Ask(r, a);
  if (status == RTNORM) CopyOut(a.text, result);
  return status;
}

int zcedGrRead(int track, int* type, resbuf* result) {
  InputState& s = State();
  auto key = [&](int code) {
    *type = 2;
    if (result) {
      result->restype = RTSHORT;
      result->resval.rint = static_cast<short>(code);
    }
    return RTNORM;
  };
  auto point = [&](int kind, const ZcGePoint3d& ucs) {
    *type = kind;
    if (result) {
      result->restype = RT3DPOINT;
      ToAds(ucs, result->resval.rpoint);
    }
    return RTNORM;
  };
  if (!type) return RTERROR;
  if (s.failDragReadIn > 0 && --s.failDragReadIn == 0) return RTERROR;
  for (;;) {
    if (!s.keys.empty()) {
      int code = s.keys.front();
      s.keys.pop_front();
      return key(code);
    }
    std::wstring line;
    if (!editor::NextLine(line, &DragKeeps)) return RTCAN;
    std::wstring text = editor::Trim(line);
    ZcGePoint3d p;
    if (text == L"@cancel") return RTCAN;
    if (std::wstring name; KeyLineName(text, name)) {
      for (const auto& [keyName, code] : kDragKeys)
        if (name == keyName) return key(code);
      zcutPrintText(L"\nUnknown key \"" + editor::Trim(text.substr(5)) +
                    L"\": a key is Left, Up, Right, Down, Enter, Space, Escape or Backspace.");
      continue;
    }
    if (text.rfind(L"@dlg ", 0) == 0) {  // the floating dialogs are looked at, never typed into
      zcutPrintText(L"\n" + text);
      if (editor::Trim(text.substr(5)) == L"show") ShowModelessDialogs();
      else zcutPrintText(L"\nWhile a drag reads, a dialog line can only be \"@dlg show\"; the line is skipped.");
      continue;
    }
    if (text.rfind(L"@move ", 0) == 0 && editor::ParsePoint(text.substr(6), p)) {
      if (track) return point(5, p);
      continue;  // motion is reported only while the caller tracks the cursor
    }
    if (text.rfind(L"@pick ", 0) == 0 && editor::ParsePoint(text.substr(6), p)) return point(3, p);
    if (text.rfind(L"@text ", 0) == 0) text = line.substr(line.find(L"@text ") + 6);
    else if (editor::ParsePoint(text, p)) return point(3, p);
    for (wchar_t c : text) s.keys.push_back(static_cast<int>(c));
    s.keys.push_back(13);
  }
}

namespace headless {
void FailDragRead(int nth) { State().failDragReadIn = nth; }
}  // namespace headless

namespace editor {
void ResetInput() {
  State() = InputState();
  ResetPrompter();
}
}  // namespace editor
