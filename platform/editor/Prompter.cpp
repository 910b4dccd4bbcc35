// Reading answers from the input queue: keyword matching, point and number syntax, and the
// ask-again loop shared by the input calls and the host commands' prompts.
#include "editor/Prompter.h"

#include <cmath>
#include <cwchar>
#include <cwctype>

#include "ed/zced.h"
#include "editor/Editor.h"
#include "headless/Host.h"
#include "mfc/TextFold.h"

namespace editor {

namespace {

std::function<void()>& PromptObserver() {
  static std::function<void()> observer;
  return observer;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t sep) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(sep, start);
    parts.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
    if (end == std::wstring::npos) return parts;
    start = end + 1;
  }
}

// The shortcut of a keyword: its capital letters, with its digits ("3P" is typed as 3P, not P).
std::wstring Capitals(const std::wstring& word) {
  std::wstring caps;
  for (wchar_t c : word)
    if (std::iswupper(c) || std::iswdigit(c)) caps += c;
  return caps;
}

// Names the kinds of answer a request takes, for the message after a wrong one.
std::wstring Expected(const Request& r) {
  std::vector<std::wstring> kinds;
  if (r.accept & kPoint) kinds.push_back(L"a point");
  if (r.accept & kNumber) kinds.push_back(L"a number");
  if (!r.keywords.empty()) kinds.push_back(L"an option keyword (" + [&] {
    std::wstring list;
    for (const auto& w : r.keywords.words()) list += (list.empty() ? L"" : L"/") + w;
    return list;
  }() + L")");
  std::wstring text;
  for (std::size_t i = 0; i < kinds.size(); ++i)
    text += (i == 0 ? L"" : (i + 1 == kinds.size() ? L" or " : L", ")) + kinds[i];
  return text.empty() ? L"another answer" : text;
}

// Checks a number answer against the no-zero and no-negative bits; `why` says what failed.
bool NumberAllowed(double value, int flags, std::wstring& why) {
  if ((flags & kNoZero) && value == 0.0) why = L"\nThe value must not be zero.";
  else if ((flags & kNoNegative) && value < 0.0) why = L"\nThe value must not be negative.";
  return why.empty();
}

}  // namespace

Keywords::Keywords(const std::wstring& list) {
  std::wstring word;
  for (wchar_t c : list + L" ") {
    if (c == L' ' || c == L'\t' || c == L',') {
      if (word == L"_") break;  // what follows are the global names of the same keywords
      if (!word.empty()) words_.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
}

int Keywords::Match(const std::wstring& raw) const {
  std::wstring answer = Trim(raw);
  if (!answer.empty() && answer[0] == L'_') answer.erase(0, 1);
  if (answer.empty()) return -1;
  for (std::size_t i = 0; i < words_.size(); ++i)
    if (SameName(words_[i], answer)) return static_cast<int>(i);
  for (std::size_t i = 0; i < words_.size(); ++i) {
    const std::wstring& word = words_[i];
    std::wstring caps = Capitals(word);
    if (caps.empty()) continue;
    if (SameName(caps, answer)) return static_cast<int>(i);
    // A prefix that reaches past the last capital letter.
    std::size_t lastCap = word.find_last_of(caps.back());
    if (answer.size() > lastCap && answer.size() <= word.size() && SameName(word.substr(0, answer.size()), answer))
      return static_cast<int>(i);
  }
  return -1;
}

std::wstring Trim(const std::wstring& s) {
  std::size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return L"";
  return s.substr(b, s.find_last_not_of(L" \t\r\n") - b + 1);
}

std::wstring Upper(const std::wstring& text) { return platform::ToUpper(text); }
std::wstring Lower(const std::wstring& text) { return platform::ToLower(text); }

bool SameName(const std::wstring& a, const std::wstring& b) { return platform::CompareFolded(a, b) == 0; }

bool ParseNumber(const std::wstring& raw, double& value) {
  std::wstring text = Trim(raw);
  // Decimal numbers only: the C library would also read "0x10" as 16 and "infinity".
  if (text.empty() || text.find_first_not_of(L"0123456789+-.eE") != std::wstring::npos) return false;
  wchar_t* end = nullptr;
  double v = std::wcstod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

namespace {
// A point the drawing can hold: every coordinate finite, in user and in world coordinates.
bool Finite(const ZcGePoint3d& ucs) {
  ZcGePoint3d wcs = UcsToWcs(ucs);
  return std::isfinite(ucs.x) && std::isfinite(ucs.y) && std::isfinite(ucs.z) && std::isfinite(wcs.x) &&
         std::isfinite(wcs.y) && std::isfinite(wcs.z);
}

// The point a text names, whatever its size ("@1e308,0" after "1e308,0" overflows).
bool ParsePointText(const std::wstring& raw, ZcGePoint3d& ucs) {
  std::wstring text = Trim(raw);
  bool relative = !text.empty() && text[0] == L'@';
  if (relative) text = Trim(text.substr(1));
  ZcGePoint3d base = relative ? WcsToUcs(LastPoint()) : ZcGePoint3d::kOrigin;
  if (relative && text.empty()) {
    ucs = base;
    return true;
  }
  if (relative && text.find(L'<') != std::wstring::npos) {
    std::vector<std::wstring> polar = Split(text, L'<');
    double distance, degrees;
    if (polar.size() != 2 || !ParseNumber(polar[0], distance) || !ParseNumber(polar[1], degrees)) return false;
    double a = degrees * M_PI / 180.0;
    ucs = base + ZcGeVector3d(distance * std::cos(a), distance * std::sin(a), 0.0);
    return true;
  }
  std::vector<std::wstring> parts = Split(text, L',');
  if (parts.size() < 2 || parts.size() > 3) return false;
  double c[3] = {0.0, 0.0, 0.0};
  for (std::size_t i = 0; i < parts.size(); ++i)
    if (!ParseNumber(parts[i], c[i])) return false;
  ucs = base + ZcGeVector3d(c[0], c[1], c[2]);
  return true;
}
}  // namespace

bool ParsePoint(const std::wstring& raw, ZcGePoint3d& ucs) {
  ZcGePoint3d p;
  if (!ParsePointText(raw, p) || !Finite(p)) return false;
  ucs = p;
  return true;
}

bool NextLine(std::wstring& line, bool (*keep)(const std::wstring&)) {
  for (;;) {
    if (PromptObserver()) PromptObserver()();
    if (!headless::PopInput(line)) return false;
    if (keep && keep(line)) return true;
    if (!headless::RunKeyLine(line)) return true;  // a key pressed at the prompt: it reads on
  }
}

int Interpret(const Request& r, const std::wstring& line, Answer& a, std::wstring& why) {
  std::wstring text = Trim(line);
  if (int k = r.keywords.Match(text); k >= 0) {
    a.kind = Answer::Text;
    a.text = r.keywords.words()[k];
    return RTKWORD;
  }
  if ((r.accept & kPoint) && ParsePoint(text, a.point)) {
    a.kind = Answer::Point;
    SetLastPoint(UcsToWcs(a.point));
    return RTNORM;
  }
  if ((r.accept & kNumber) && ParseNumber(text, a.number)) {
    a.kind = Answer::Number;
    return NumberAllowed(a.number, r.flags, why) ? RTNORM : 0;
  }
  if (r.accept & kText) {
    std::wstring given = r.textSpaces ? line : line.substr(0, line.find(L' '));
    if (given.empty() && (r.flags & kNoNull)) {
      why = L"\nAn answer is required.";
      return 0;
    }
    if (r.maxText && given.size() > r.maxText) {
      why = L"\nThe text is longer than " + std::to_wstring(r.maxText) + L" characters; type a shorter one.";
      return 0;
    }
    a.kind = Answer::Text;
    a.text = given;
    return RTNORM;
  }
  if (r.flags & kArbitrary) {
    a.kind = Answer::Text;
    a.text = text;
    return RTKWORD;
  }
  why = L"\nRequires " + Expected(r) + L".";
  return 0;
}

int Ask(const Request& r, Answer& a) {
  for (;;) {
    zcutPrintText(r.prompt);
    std::wstring line;
    if (!NextLine(line) || Trim(line) == L"@cancel") {
      zcutPrintText(L"*Cancel*");
      return a.status = RTCAN;
    }
    zcutPrintText(line);
    std::wstring text = Trim(line);
    if (text.empty() && !(r.accept & kText)) {
      if (r.flags & kNoNull) {
        zcutPrintText(L"\nAn answer is required: " + Expected(r) + L".");
        continue;
      }
      return a.status = RTNONE;
    }
    std::wstring why;
    if (int status = Interpret(r, line, a, why)) return a.status = status;
    zcutPrintText(why);
  }
}

void ResetPrompter() { PromptObserver() = nullptr; }

}  // namespace editor

namespace headless {
void SetPromptObserver(std::function<void()> observer) { editor::PromptObserver() = std::move(observer); }
}  // namespace headless
