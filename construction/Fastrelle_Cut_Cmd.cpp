// The AddCutLine command.
#include "construction/Fastrelle_Cut_Cmd.h"

#include "construction/Fastrelle_Cut.h"
#include "ed/ErrorStatus.h"
#include "ed/UserInput.h"
#include "framework/CommandSequences.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/UserInput.h"
#include "sizes/Fastrelle_Size_ZW.h"
#include "sizes/GradePointNumbers.h"

namespace {

const UINT kAllowanceKeyword = 40203, kDirectionKeyword = 40242, kSeamPrompt = 40205, kAllowancePrompt = 40202,
           kDirectionPrompt = 40241, kSizeModePrompt = 40250, kAllSizes = 40249, kPickedSize = 40247;

/// A prompt text without its leading line feed (the prompt objects add their own).
CString PromptText(UINT id) {
  CString text = LoadResString(id);
  text.TrimLeft(L'\n');
  return text;
}

/// The undo group of one pick, closed on every path.
class UndoGroup {
public:
  UndoGroup() { UndoBegin(); }
  ~UndoGroup() { UndoEnd(); }
  UndoGroup(const UndoGroup&) = delete;
  UndoGroup& operator=(const UndoGroup&) = delete;
};

void PrintFailure(const wchar_t* where, int status) {
  ZWPrinter().Print(CString(L"\n") + where);
  PrintErrorStatus(status);
}

}  // namespace

double& Fastrelle_Cut_Cmd::Allowance() {
  static double allowance = 10.0;
  return allowance;
}

int& Fastrelle_Cut_Cmd::SizeMode() {
  static int mode = 1;
  return mode;
}

int Fastrelle_Cut_Cmd::AskSizeMode() {
  KWordSelector ask(PromptText(kSizeModePrompt));
  const CString all = LoadResString(kAllSizes), picked = LoadResString(kPickedSize);
  ask.AddKeyword(all);
  ask.AddKeyword(picked);
  ask.SetDefault(SizeMode() == 1 ? 0 : 1);
  if (ask.GetKeyword() == RTNORM) {
    if (ask.m_chosen.CompareNoCase(all) == 0) SizeMode() = 1;
    else if (ask.m_chosen.CompareNoCase(picked) == 0) SizeMode() = 0;
  }
  return SizeMode();
}

void Fastrelle_Cut_Cmd::Run() {
  // Every pick gathers the grade points of its two numbers over all sizes: each point's
  // number is read once for the whole command (nothing here renumbers a point).
  GradePointNumbers numbers;
  Fastrelle_Cut cut;
  const CString allowanceWord = LoadResString(kAllowanceKeyword), directionWord = LoadResString(kDirectionKeyword);
  for (;;) {
    CString shown;
    shown.Format(L"\n%s = %0.4f", allowanceWord, Allowance());
    ZWPrinter().Print(shown);
    KWordSelector ask(PromptText(kSeamPrompt));
    ask.AddKeyword(allowanceWord);
    ask.AddKeyword(directionWord);
    CString keyword;
    const int result = ask.GetEntityOrKeyword(keyword);
    if (result == RTKWORD && keyword.CompareNoCase(allowanceWord) == 0) {
      DistSelector distance(PromptText(kAllowancePrompt), Allowance());
      if (distance.GetDistance() != RTNORM) return;
      Allowance() = distance.m_distance;
    } else if (result == RTKWORD && keyword.CompareNoCase(directionWord) == 0) {
      ads_point point;
      if (zcedGetPoint(nullptr, LoadResString(kDirectionPrompt), point) == RTNORM)
        cut.SetDirection(ZcGePoint3d(point[0], point[1], point[2]));
    } else if (result == kEntityPicked) {
      AddCutLine(cut, ask.m_entityId);
    } else if (result != RTERROR) {
      return;  // a cancel, Enter or anything else ends the command; a pick of nothing asks again
    }
  }
}

void Fastrelle_Cut_Cmd::AddCutLine(Fastrelle_Cut& cut, ZcDbObjectId seam) {
  {
    UndoGroup undo;
    cut.SetAllowance(Allowance());
    if (!cut.SetSeamLine(seam)) {
      PrintFailure(L"Fastrelle_Cut::SetSeamLine", Zcad::eWrongObjectType);
    } else if (SizeMode() == 1) {
      int status = cut.AddToAllSizes();
      if (status == Zcad::eWrongObjectType) PrintFailure(L"Fastrelle_Cut::Prepare", status);
      else if (status) PrintFailure(L"Fastrelle_Cut::AddToAllSizes", status);
    } else if (!cut.Prepare()) {
      PrintFailure(L"Fastrelle_Cut::Prepare", Zcad::eWrongObjectType);
    } else {
      Fastrelle_Size_ZW size(seam);
      int status = cut.AddInSize(size);
      cut.Finish();
      if (status) Fastrelle_Cut::ReportSizeFailure(size.GetName(), status);
    }
  }
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
}
