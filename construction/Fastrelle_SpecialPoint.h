// A symbol placed on a curve: a reference of a block (or of a drawing, loaded as a block
// when missing) at a point, turned so that its Y axis follows a direction. The sliding
// symbol of the notch, dart and grade-point tools.
#ifndef CONSTRUCTION_FASTRELLE_SPECIALPOINT_H
#define CONSTRUCTION_FASTRELLE_SPECIALPOINT_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// Block name or drawing path, uniform scale and the inserted reference (null until
/// inserted). The reference belongs to the drawing: the destructor leaves it.
class Fastrelle_SpecialPoint {
public:
  Fastrelle_SpecialPoint() = default;
  Fastrelle_SpecialPoint(const CString& blockName, double scale) : m_blockName(blockName), m_scale(scale) {}
  virtual ~Fastrelle_SpecialPoint() = default;
  /// Inserts a reference of the block (a drawing path is defined as a block first when
  /// the drawing lacks it) at the point, scaled, rotation 0, and holds it. 0; 379 when
  /// the block cannot be had; the insert's failure. Nothing is held on failure.
  int Insert(const ZcGePoint3d& point);
  /// Moves the held reference to the point (inserts it when there is none), then turns it
  /// to the direction's angle − π/2. 0, or the insert's failure.
  int PlaceAlong(const ZcGePoint3d& point, const ZcGeVector3d& direction);
  /// Erases the held reference and forgets it; 0 when there was none.
  int Erase();
  /// Stops holding the reference (it stays in the drawing).
  void Forget() { m_reference = ZcDbObjectId(); }
  /// The reference's insertion point; false when there is none or it does not open.
  bool GetPosition(ZcGePoint3d& point) const;
  /// True when a live (not erased) reference is held.
  bool IsInserted() const;
  ZcDbObjectId Reference() const { return m_reference; }
  void Hold(ZcDbObjectId reference) { m_reference = reference; }
  const CString& BlockName() const { return m_blockName; }
  double Scale() const { return m_scale; }

private:
  CString m_blockName;
  double m_scale = 1.0;
  ZcDbObjectId m_reference;
};

#endif
