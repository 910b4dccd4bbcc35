// Strings the host hands out and takes in through result buffers and system variables,
// allocated with the malloc family as the lists expect.
#include "ed/ResultBuffer.h"

#include <cstdlib>
#include <cwchar>

void zcutDelBuffer(wchar_t*& text) {
  std::free(text);
  text = nullptr;
}

wchar_t* zcutDupString(const wchar_t* text) {
  if (!text) return nullptr;
  std::size_t n = std::wcslen(text) + 1;
  auto* copy = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
  if (copy) std::wmemcpy(copy, text, n);
  return copy;
}
