// A module built with the tests (never installed) that cadhost loads with --load, standing
// in for the warehouse dialog of a layout: LAYOUTPROBEBORDER draws a border, LAYOUTPROBEPIECE
// turns a part of a model drawing into a piece and places copies of it by calculation,
// LAYOUTPROBEMEASURE prints the layout's width, used length, piece count and efficiency.
#include <cwchar>

#include "ed/UserInput.h"
#include "ed/ZcEdCommandStack.h"
#include "ed/zced.h"
#include "rx/ZcRxDynamicLinker.h"
#include "framework/Tagged.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_calc.h"
#include "layout/Layout_draw_form.h"
#include "layout/Layout_drawer.h"
#include "layout/Fastrelle_Form_To_Plot.h"
#include "layout/PieceKey.h"

namespace {

bool AskText(const wchar_t* prompt, CString& text) {
  wchar_t answer[512] = {};
  if (zcedGetString(1, prompt, answer) != RTNORM) return false;
  text = answer;
  return true;
}

bool AskNumber(const wchar_t* prompt, double& value) {
  CString text;
  if (!AskText(prompt, text)) return false;
  value = std::wcstod(text.GetString(), nullptr);
  return true;
}

void Border() {
  double width = 0.0, length = 0.0;
  if (!AskNumber(L"\nWidth: ", width) || !AskNumber(L"\nLength: ", length)) return;
  zcutPrintf(L"\nborder: %i", Layout_drawer(Layout(width, length)).Draw());
}

/// Model path, part, size, side letter, line letter, rotation and number of copies; each
/// status printed as the warehouse would meet it.
void Piece() {
  CString model, part, size, side, lines;
  double rotation = 0.0;
  double copies = 0;
  if (!AskText(L"\nModel: ", model) || !AskText(L"\nPart: ", part) || !AskText(L"\nSize: ", size) ||
      !AskText(L"\nSide: ", side) || !AskText(L"\nLines: ", lines) ||
      !AskNumber(L"\nRotation: ", rotation) || !AskNumber(L"\nCopies: ", copies))
    return;
  Fastrelle_Form_To_Plot piece(rotation);
  piece.m_modelPath = model;
  piece.m_sizeName = size;
  piece.m_side = PieceSideFromLetter(side);
  piece.m_lines = PieceLinesFromLetter(lines);
  zcutPrintf(L"\nload %s: %i", part.GetString(), piece.LoadPart(part));
  for (int i = 0; i < copies; ++i) {
    Layout_draw_form_ByCalc place(piece.GetBlockName(), rotation);
    int status = place.Draw();
    if (status == 0) Tagged(place.GetId(), kLayoutApplication).AddTag(kFormTag);
    zcutPrintf(L"\nplace %s: %i", piece.GetBlockName().GetString(), status);
  }
}

void Measure() {
  CString line;
  line.Format(L"\nwidth %.4f used %.4f pieces %.0f efficiency %.6f", Layout_calc_Width().Calculate(),
              Layout_calc_Length().Calculate(), layout_calc_ItemsCounter().Calculate(),
              Layout_calc_Efficiency().Calculate());
  zcutPrintf(L"%s", line.GetString());
}

ZcEdCommandStack* Commands() {
  return static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
}

}  // namespace

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  if (message == ZcRx::kInitAppMsg) {
    Commands()->addCommand(L"LayoutProbe", L"LAYOUTPROBEBORDER", L"LAYOUTPROBEBORDER", 1, Border);
    Commands()->addCommand(L"LayoutProbe", L"LAYOUTPROBEPIECE", L"LAYOUTPROBEPIECE", 1, Piece);
    Commands()->addCommand(L"LayoutProbe", L"LAYOUTPROBEMEASURE", L"LAYOUTPROBEMEASURE", 1, Measure);
  }
  if (message == ZcRx::kUnloadAppMsg) {
    Commands()->removeGroup(L"LayoutProbe");
    Layout::FreeCurrent();  // this module's own copy of the current layout
  }
  (void)packet;
  return 0;
}

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
