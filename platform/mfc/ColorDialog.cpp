// The host's colour dialog, headless, and the RGB of colour indexes (the drawing's palette).
#include "ed/ColorDialog.h"

#include <string>

#include "db/ZcCmColor.h"
#include "ed/zced.h"
#include "mfc/DialogSystem.h"

bool zcedSetColorDialog(int& colour, bool, int) {
  zcutPrintf(L"\n[Colour] %d", colour);
  std::wstring answer;
  while (platform::TakeScriptAnswer(L"@color ", answer)) {
    zcutPrintf(L"\n@color %s", answer);
    if (answer == L"cancel") break;
    size_t used = 0;
    int index = 0;
    try {
      index = std::stoi(answer, &used);
    } catch (...) {
      used = 0;
    }
    if (used != answer.size() || index < 1 || index > 255) {
      zcutPrintf(L"\nA colour is an index from 1 to 255.");
      continue;
    }
    colour = index;
    return true;
  }
  return false;
}

COLORREF zcedGetRGB(int colorIndex) {
  if (colorIndex < 0 || colorIndex > 255) return RGB(128, 128, 128);
  std::uint32_t rgb = ZcCmColor::paletteRgb(colorIndex);
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
