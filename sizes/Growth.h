// What growth control compares: two sets of curves, each curve named by the numbers of the
// grade points at its ends so that a curve picked in one size stands for the same curve in
// every size, and the size being measured. Used by the growth dialog's list and its table.
#ifndef SIZES_GROWTH_H
#define SIZES_GROWTH_H

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"
#include "sizes/Fastrelle_Size_ZW.h"

/// Curve key: start number, "|", end number ("5|12"); a number is that of the grade point
/// lying within 0.01 of the end, 0 where none does ("5|0": such a key finds no curve, as
/// numbers start at 1). A set holds each key once: "5|12" and "12|5" are the same curve.
class Growth {
public:
  virtual ~Growth() = default;

  /// The key of the curve; "" for an id that is no curve.
  static CString MakeKey(ZcDbObjectId curve);
  /// Empties the set, then adds the key of each id in order (no curve: nothing; a key the
  /// set holds already, either way round: nothing).
  static void MakeKeys(const ZcDbObjectIdArray& ids, CStringArray& keys);
  /// The total length, in the current size, of the seam curves the keys name: each key of
  /// exactly two "|"-separated numbers finds the size's seam curve between those grade
  /// points; a key finding none adds 0.
  double Length(const CStringArray& keys) const;
  double FirstLength() const { return Length(m_first); }
  double SecondLength() const { return Length(m_second); }
  /// A length as the list and the table show it: "%0.1f" ("12.3", "-2.3").
  static CString Format(double length);

  CStringArray m_first;
  CStringArray m_second;
  Fastrelle_Size_ZW m_size;
};

#endif
