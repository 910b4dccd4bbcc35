// GradePointNumbers: the numbers of grade points remembered while one operation runs, so
// that finding a place's points by number reads each reference's number attribute once
// instead of at every lookup. Held by the commands and tools that look points up by number
// many times over (a new grade point put into every size); read by Fastrelle_SizePoint.
#ifndef SIZES_GRADEPOINTNUMBERS_H
#define SIZES_GRADEPOINTNUMBERS_H

#include <map>

#include "db/ZcDbObjectId.h"

/// While one is alive, a grade point's number, once read, is remembered until the point's
/// number is written again (Fastrelle_SizePoint::SetNumber forgets it). Nested ones share
/// the outermost's memory; without one every number is read from the drawing. The number
/// attribute must change only through SetNumber while one is alive.
class GradePointNumbers {
public:
  GradePointNumbers();
  ~GradePointNumbers();
  GradePointNumbers(const GradePointNumbers&) = delete;
  GradePointNumbers& operator=(const GradePointNumbers&) = delete;

  /// True with the remembered number of the point; false when none is remembered.
  static bool Recall(ZcDbObjectId id, int& number);
  /// Remembers a number just read (nothing without a gathering alive).
  static void Remember(ZcDbObjectId id, int number);
  /// The point's number has been written: it is read anew next time.
  static void Forget(ZcDbObjectId id);

private:
  std::map<ZcDbObjectId, int> m_numbers;
  bool m_outermost = false;
};

#endif
