// The piece movers: push the selected pieces left, up or down in shrinking steps until
// the border or another piece stops them, or right to the border in one jump. The mover
// commands, the arrow keys and compaction use them.
#ifndef LAYOUT_LAYOUT_MOVE_H
#define LAYOUT_LAYOUT_MOVE_H

#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"
#include "ge/ZcGeVector3d.h"

/// Stepping (Run): each Step moves the items by step × direction and keeps the move when
/// they stay inside the border on the side they go to and overlap nothing
/// (Layout_Move_Intersection; the border and the closing line are no obstacles, the box
/// test keeps pieces inside the border, so a piece may slide along its edge); otherwise
/// they go back. A step kept is tried again; a step
/// refused is halved, and once a refused step was below 1.0 the run ends. From 5.0 the
/// steps are 5, 2.5, 1.25, 0.625: a piece stops less than 0.625 from what blocks it.
/// A run tries at most (border extent along the move) / 0.625 + 8 steps. Where nothing but
/// the items lies in the corridor they sweep, the steps that corridor allows are taken in
/// one move: each of them would have been kept, so the result is the stepping's.
class Layout_Move {
public:
  Layout_Move(const ZcGeVector3d& direction, const ZcDbObjectIdArray& items, double step = 5.0);
  /// Places the closing line again when the drawing has one (unless switched off).
  virtual ~Layout_Move();
  Layout_Move(const Layout_Move&) = delete;
  Layout_Move& operator=(const Layout_Move&) = delete;

  /// Prepare, then steps as above: 0; Prepare's status; a host failure of a move ends the
  /// run with its status (the items stay where the last whole step left them).
  virtual int Run();
  /// One step: 0 kept, 2 refused (the items are back), or a host failure.
  virtual int Step();
  /// 374 without items, for a zero direction, without a border (the polyline tagged
  /// "Layout") or when no item can be measured (nothing may move blind); else 0 with the
  /// border's box kept.
  int Prepare();

  /// Whether the destructor places the closing line (on at construction).
  void SetRedrawOnEnd(bool redraw) { m_redraw = redraw; }
  int StepsTried() const { return m_stepsTried; }
  int IntersectionCalls() const { return m_intersectionCalls; }

protected:
  /// The items' union box: 0 or 374 when none can be measured.
  int ItemsExtents(ZcDbExtents& box) const;
  /// Inside the border on the side the move goes to (boxes compared; edges count inside).
  bool Inside(const ZcDbExtents& items) const;
  /// How many whole steps (at most `most`) the items can take with nothing else in the
  /// corridor their box sweeps and staying inside the border; 0 when not even one.
  int FreeSteps(int most) const;

  ZcGeVector3d m_direction;
  ZcDbObjectIdArray m_items;
  ZcDbExtents m_border;
  double m_step;
  ZcDbObjectIdArray m_layoutLines;  // the border and the closing line, found by Prepare

private:
  bool m_redraw = true;
  int m_stepsTried = 0;
  int m_intersectionCalls = 0;
};

class Layout_Move_Left : public Layout_Move {
public:
  explicit Layout_Move_Left(const ZcDbObjectIdArray& items, double step = 5.0);
};

class Layout_Move_Top : public Layout_Move {
public:
  explicit Layout_Move_Top(const ZcDbObjectIdArray& items, double step = 5.0);
};

class Layout_Move_Bottom : public Layout_Move {
public:
  explicit Layout_Move_Bottom(const ZcDbObjectIdArray& items, double step = 5.0);
};

/// Moves the items in one go so that their right edge meets the border's right edge, past
/// whatever lies between (no overlap test).
class Layout_Move_Right : public Layout_Move {
public:
  explicit Layout_Move_Right(const ZcDbObjectIdArray& items, double step = 5.0);
  int Run() override;
};

#endif
