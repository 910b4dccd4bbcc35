// The symbol that slides along the curve under the tape and, when the tool finishes, is
// copied into every size of the part at the same fraction of the matching curve (between
// the same two grade points). Attached by the notch and dart commands; the grade-point
// variant derives from it.
#ifndef CONSTRUCTION_FASTRELLE_OBSERVER_SYMBOL_H
#define CONSTRUCTION_FASTRELLE_OBSERVER_SYMBOL_H

#include "construction/Fastrelle_Observer.h"
#include "construction/Fastrelle_SpecialPoint.h"

/// The symbol, the part it went into, the grade-point numbers at the base curve's start
/// and end, and the symbol's fraction along the base curve (0 to 1, from the start).
class Fastrelle_Observer_Symbol : public Fastrelle_Observer {
public:
  Fastrelle_Observer_Symbol(const CString& blockName, double scale) : m_symbol(blockName, scale) {}
  /// The symbol goes to the tool's end, its Y axis along the normal (the cursor's side);
  /// the first move inserts it.
  void OnMove() override;
  /// Erases the symbol and forgets it, so a finish afterwards adds nothing.
  void OnCancel() override;
  /// After a tape: the symbol's copies at its fraction of the matching curve in size "0"
  /// and in every size, then the dragged symbol is erased. The part is the one whose
  /// group holds the base curve. A tape that met no curve, ends without grade points, or
  /// no part: nothing is added, the symbol is erased, and the reason is said. A size
  /// without the matching curve is skipped and named. After the dart tool: the symbol
  /// joins the part at its position as an extra element. Nothing without a live symbol.
  void OnFinish() override;
  /// The fraction of the base curve up to the symbol, and the numbers of the grade
  /// points at its ends. False (said on the command line) when the subject is no tape,
  /// it has no base curve, or an end has no grade point within 0.01.
  virtual bool GetFraction();
  /// The point at the fraction of the size's matching curve, measured from its end at
  /// the first grade point (so a curve drawn the other way round gets the same place).
  /// 0; 374 when the size has no such curve; a failing curve query falls back to the
  /// curve's point closest to the tool's end.
  virtual int PointAtFraction(const CString& size, ZcGePoint3d& point);
  /// The curve of the part between the two grade points in the size: on the cut layer
  /// when the base curve lies on a cut layer, else the seam; null when not found.
  virtual ZcDbObjectId FindCurveInSize(const CString& size);
  /// A copy of the symbol (keeping its rotation) at the point, in the part's group of the
  /// size as an extra element. Nothing without part, size or symbol. 0 or the failure.
  virtual int InsertInSize(const ZcGePoint3d& point, const CString& size);
  /// True when the scale is above 0 and a block is named.
  virtual bool IsValid() const;

  const Fastrelle_SpecialPoint& Symbol() const { return m_symbol; }
  const CString& PartName() const { return m_partName; }
  double Fraction() const { return m_fraction; }
  int FirstNumber() const { return m_first; }
  int SecondNumber() const { return m_second; }

protected:
  /// Drops the dragged symbol after a finish that added nothing, saying why (string).
  void Refuse(unsigned message);

  Fastrelle_SpecialPoint m_symbol;
  CString m_partName;
  int m_first = 0;
  int m_second = 0;
  double m_fraction = 0.0;
  ZcDbObjectId m_baseCurve;  // the tape's base curve at the finish
  CString m_baseSize;        // the size of its group ("" when in none)
};

#endif
