// The quick form ("Fastrelle:FormBoundary", "Fastrelle:SzybkaForma"): makes a part of the
// closed outlines around the points the user picks, united into one. Registered by the
// construction command set.
#ifndef CONSTRUCTION_FASTRELLE_QUICKFORM_CMD_H
#define CONSTRUCTION_FASTRELLE_QUICKFORM_CMD_H

#include "construction/Fastrelle_Form_Cmd.h"
#include "framework/Guards.h"

/// Building and destroying the command object touches nothing, so the command set's
/// start-up and unload leave the drawing's settings alone.
class Fastrelle_QuickForm_Cmd : public Fastrelle_Form_Cmd {
public:
  Fastrelle_QuickForm_Cmd();
  /// With the view's shade mode at 6 and "OSMODE" at 0 inside one undo group (all three
  /// put back on every way out): points are picked until Enter or a cancel, the outline
  /// around each traced and united into one region; then the region becomes curves, and
  /// name and type make the part of them. No region stays. A failed trace shows the
  /// "no closed outline" box and ends the command; when no part is made (a failed trace,
  /// a cancelled or refused name) the curves are erased too. A failed build is printed.
  void Run() override;

private:
  /// Picks and traces; the collected region's curves go into m_curves. False when a trace
  /// failed (its box shown, every region of the command erased).
  bool CollectOutline();

  Shademode m_shade;
  OSNAP m_osnap;
  int m_status = 0;
};

#endif
