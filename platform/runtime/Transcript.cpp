// The command-line transcript: everything modules print, kept for the host and the tests
// and echoed as it comes when the host asks.
#include "ed/zced.h"
#include "headless/Host.h"

namespace {
struct TranscriptState {
  std::wstring text;
  std::function<void(const std::wstring&)> echo;
};
TranscriptState& State() {
  static TranscriptState s;
  return s;
}
}  // namespace

void zcutPrintText(const std::wstring& text) {
  State().text += text;
  if (State().echo) State().echo(text);
}

namespace headless {
std::wstring Transcript() { return State().text; }
void ClearTranscript() { State().text.clear(); }
void SetTranscriptEcho(std::function<void(const std::wstring&)> echo) { State().echo = std::move(echo); }
}  // namespace headless
