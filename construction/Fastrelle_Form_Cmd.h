// The Form command ("Fastrelle:Form", "Fastrelle:Forma"): makes a part of the curves the
// user selects, asking its name and type. The quick form builds on its name and type
// questions. Registered by the construction command set.
#ifndef CONSTRUCTION_FASTRELLE_FORM_CMD_H
#define CONSTRUCTION_FASTRELLE_FORM_CMD_H

#include "framework/UI_Kolekcja.h"
#include "framework/cmd.h"

class Fastrelle_Form_Cmd : public cmd {
public:
  Fastrelle_Form_Cmd();
  /// For the subclass: its own names, flags 1.
  Fastrelle_Form_Cmd(const CString& englishName, const CString& polishName);
  /// Lines, polylines, arcs, splines and circles selected (those already in a part left
  /// out and counted on the command line); then name, type, and the part built from them.
  /// A failed build is printed.
  void Run() override;

protected:
  /// The part's name (spaces allowed): false for a cancel or an empty answer (quietly) and
  /// for a name holding "|" (refused with a message).
  static bool AskName(CString& name);
  /// 0 single, 1 mirrored vertically, 2 mirrored horizontally. Enter at the first
  /// question is single; the mirror question has no default (Enter is asked again), and
  /// a cancel at either question is single.
  static int AskType();
  /// Asks name and type and builds the part of the collected curves: false when no name
  /// was given (nothing made), else true with the build's status in `status`.
  bool MakePart(int& status);

  UI_Kolekcja m_curves;
};

#endif
