// The symbol observer of the grade-point tool: a new numbered grade point slides along
// the seam and, at the finish, becomes that numbered grade point in every size of the
// part, splitting the seam curves there. Attached by the AddPoint command.
#ifndef CONSTRUCTION_FASTRELLE_OBSERVER_ADDPOINT_H
#define CONSTRUCTION_FASTRELLE_OBSERVER_ADDPOINT_H

#include "construction/Fastrelle_Observer_Symbol.h"

/// The number the new place takes is fixed on construction (the next free one).
class Fastrelle_Observer_AddPoint : public Fastrelle_Observer_Symbol {
public:
  /// With a valid block and scale (IsValid), the symbol is inserted at once at the
  /// origin with the next free grade-point number; otherwise nothing is inserted, so
  /// a command that refuses the settings leaves nothing behind.
  Fastrelle_Observer_AddPoint(const CString& blockPath, double scale);
  /// As the symbol's, numbering a symbol that a move had to insert anew.
  void OnMove() override;
  /// Always the seam curve between the two grade points.
  ZcDbObjectId FindCurveInSize(const CString& size) override;
  /// A grade point of the number at the point in the part's group of the size, and that
  /// group's curves through the point split there. Nothing without part or size name.
  int InsertInSize(const ZcGePoint3d& point, const CString& size) override;
  int Number() const { return m_number; }

private:
  void NumberSymbol();
  int m_number = 0;
  ZcDbObjectId m_numbered;  // the reference that carries the number
};

#endif
