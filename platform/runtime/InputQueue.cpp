// The one queue of answers that every interactive request reads from, fed by the host's
// script or command line, or by a test.
#include <deque>

#include "headless/Host.h"

namespace {
std::deque<std::wstring>& Queue() {
  static std::deque<std::wstring> q;
  return q;
}
std::function<bool(std::wstring&)>& Source() {
  static std::function<bool(std::wstring&)> source;
  return source;
}
// Tops the queue up from the source when it is empty.
bool Fill() {
  std::wstring line;
  if (!Queue().empty()) return true;
  if (!Source() || !Source()(line)) return false;
  Queue().push_back(line);
  return true;
}
}  // namespace

namespace headless {
void PushInput(const std::wstring& line) { Queue().push_back(line); }
void PushInputs(const std::vector<std::wstring>& lines) {
  for (const auto& l : lines) Queue().push_back(l);
}
void SetInputSource(std::function<bool(std::wstring&)> source) { Source() = std::move(source); }
bool PopInput(std::wstring& line) {
  if (!Fill()) return false;
  line = Queue().front();
  Queue().pop_front();
  return true;
}
bool PeekInput(std::wstring& line) {
  if (!Fill()) return false;
  line = Queue().front();
  return true;
}
void ClearInput() { Queue().clear(); }
std::size_t PendingInput() { return Queue().size(); }
}  // namespace headless
