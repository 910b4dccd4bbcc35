// Message boxes, headless: each box is written on the command line and recorded, and is
// answered from the input queue ("@box Yes") or by its default button.
#include <vector>

#include "ed/zced.h"
#include "headless/Host.h"
#include "mfc/TextFold.h"

namespace {

std::vector<headless::MessageBoxRecord>& Records() {
  static std::vector<headless::MessageBoxRecord> records;
  return records;
}

// The answer a line "@box <button>" gives, or 0 when it names no button the box has.
int ParseAnswer(const std::wstring& button, UINT buttons) {
  std::wstring b = platform::ToUpper(button);
  bool okCancel = buttons == MB_OK || buttons == MB_OKCANCEL;
  bool yesNo = buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
  bool cancel = buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL;
  if (b == L"OK" && okCancel) return IDOK;
  if (b == L"CANCEL" && cancel) return IDCANCEL;
  if (b == L"YES" && yesNo) return IDYES;
  if (b == L"NO" && yesNo) return IDNO;
  return 0;
}

}  // namespace

int MessageBoxW(HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
  const UINT buttons = type & 0x0F;
  const std::wstring kPrefix = L"@box ";
  int answer = (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
  std::wstring line;
  if (headless::PeekInput(line) && line.compare(0, kPrefix.size(), kPrefix) == 0) {
    headless::PopInput(line);
    if (int given = ParseAnswer(line.substr(kPrefix.size()), buttons)) answer = given;
  }
  std::wstring t = text ? text : L"", c = caption ? caption : L"";
  zcutPrintf(L"\n[%s] %s\n", c, t);
  Records().push_back({t, c, type, answer});
  return answer;
}

namespace headless {
std::vector<MessageBoxRecord> MessageBoxes() { return Records(); }
void ClearMessageBoxes() { Records().clear(); }
}  // namespace headless
