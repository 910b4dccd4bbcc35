// The command "Fastrelle:AddCutLine" ("Fastrelle:DodatekNaSzew"): asks for the seam
// allowance, a direction point or a seam line, and gives the picked seam line its cut line
// in every size. Registered by the construction command set.
#ifndef CONSTRUCTION_FASTRELLE_CUT_CMD_H
#define CONSTRUCTION_FASTRELLE_CUT_CMD_H

#include "db/ZcDbObjectId.h"
#include "framework/cmd.h"

class Fastrelle_Cut;

class Fastrelle_Cut_Cmd : public cmd {
public:
  Fastrelle_Cut_Cmd() : cmd(L"Fastrelle:AddCutLine", L"Fastrelle:DodatekNaSzew", 1) {}
  /// Shows the allowance, then asks for a seam line or a keyword ("Odległość": a new
  /// allowance, a cancel ending the command; "Kierunek": a direction point, a cancel
  /// keeping the old one) until the user cancels or presses Enter. Each picked seam line
  /// gets its cut lines inside one undo group, then the drawing is regenerated.
  void Run() override;

  /// The allowance and size mode (1 all sizes, 0 the picked line's size) kept while the
  /// module is loaded: 10.0 and 1 at first.
  static double& Allowance();
  static int& SizeMode();
  /// Asks for the size mode ("Wszystkie" 1 / "Zaznaczony" 0, the current one as default);
  /// a cancel keeps it. The mode after the question.
  static int AskSizeMode();

protected:
  /// One picked seam line: nothing happens, with the reason printed, when it does not run
  /// between two grade points or cannot be prepared.
  void AddCutLine(Fastrelle_Cut& cut, ZcDbObjectId seam);
};

#endif
