// Compaction of a layout: the selected pieces pushed left, down and up in turns until the
// used length stops shrinking. The compaction command ("Docisk") runs it.
#ifndef LAYOUT_PRESSUREALGORITHM_H
#define LAYOUT_PRESSUREALGORITHM_H

#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"

/// The pieces, the border's box and the pieces' box recorded at the last test.
class PressureAlgorithm {
public:
  virtual ~PressureAlgorithm() = default;
  virtual int Run() = 0;
  /// Keeps the box of the border `id`: 0, or 374 when it cannot be measured.
  virtual int SetBorder(ZcDbObjectId id);

  ZcDbObjectIdArray m_pieces;

protected:
  ZcDbObjectId m_current;
  ZcDbExtents m_border;
  ZcDbExtents m_recorded;
};

/// Run:
///   1. the pieces' box is recorded; pieces sorted by the left edge of their box, each
///      pushed left (a mover of its own, step 5.0);
///   2. the test: stop when the pieces' right edge gained less than 0.1 on the recorded
///      one; else record it;
///   3. rounds: sorted by bottom edge, each pushed down; sorted by left edge, each pushed
///      left; test; sorted by bottom edge, each pushed up; sorted by left edge, each pushed
///      left; test; again, at most 50 tests in all.
/// Sorts are stable (pieces of equal keys keep their order). Every other entity, pieces
/// not selected included, blocks. The closing line is placed after the first push and at
/// the end; pieces only go left, down and up, so it never stands in their way. 374 when
/// nothing can be measured; a mover's host failure ends the run with its status.
class PressureByMoveEachInOneStep : public PressureAlgorithm {
public:
  int Run() override;

  int StepsTried() const { return m_stepsTried; }
  int IntersectionCalls() const { return m_intersectionCalls; }
  int Tests() const { return m_tests; }

private:
  enum class Push { Left, Down, Up };
  /// Sorts the pieces by the push's key edge and pushes each in turn.
  int PushAll(Push push);
  /// Step 2 above: true to stop.
  bool Test();

  int m_stepsTried = 0;
  int m_intersectionCalls = 0;
  int m_tests = 0;
  bool m_lineDrawn = false;
};

#endif
