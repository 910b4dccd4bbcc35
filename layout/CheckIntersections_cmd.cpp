// The overlap check command.
#include "layout/CheckIntersections_cmd.h"

#include "layout/LayoutDrawing.h"
#include "layout/Layout_OverlapFinder.h"

void CheckIntersections_cmd::Run() {
  Layout_OverlapFinder finder;
  finder.m_subjectIds = CollectPieceReferences();
  if (finder.m_subjectIds.isEmpty()) return;
  if (finder.CheckAll() != 0) return;
  finder.MarkIntersectionPoints();
  RegenerateDrawing();
}
