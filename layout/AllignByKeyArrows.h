// Nudging the selected pieces with the arrow keys: a message filter the module installs
// with the host at start-up, and the document lock it holds around each move.
#ifndef LAYOUT_ALLIGNBYKEYARROWS_H
#define LAYOUT_ALLIGNBYKEYARROWS_H

#include "win/winuser.h"

/// Scope guard: construction write-locks the active document (mode 4, prompting),
/// destruction unlocks it when the lock was taken.
class AllignByKeyArrows {
public:
  AllignByKeyArrows();
  ~AllignByKeyArrows();
  AllignByKeyArrows(const AllignByKeyArrows&) = delete;
  AllignByKeyArrows& operator=(const AllignByKeyArrows&) = delete;
  bool Locked() const { return m_locked; }

private:
  bool m_locked = false;
};

/// The filter. A key press (WM_KEYDOWN) of Left, Up, Right or Down is taken (true) when no
/// command runs ("CMDNAMES" empty), the pick-first set holds a piece reference and the
/// document could be locked: the pick-first set is moved by the mover of that direction
/// (step 5.0; Right to the border), the closing line follows, and the same entities are
/// made the pick-first set again so the next key moves them further. A key that arrives
/// while a move runs is taken and dropped. Anything else is left to the host (false) and
/// nothing moves. Nothing thrown leaves the filter.
bool AllignByKeyArrowsFilter(MSG* message);

#endif
