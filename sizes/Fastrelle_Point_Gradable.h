// A gradable point: a block reference that marks one place of a part in one size. The base
// of the grade point; moved by the grading of its place. Held by id, never open.
#ifndef SIZES_FASTRELLE_POINT_GRADABLE_H
#define SIZES_FASTRELLE_POINT_GRADABLE_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class ZcDbBlockReference;
struct GradingOffset;

/// A reference by id. One that does not open reads as position (0,0,0) and size "".
class Fastrelle_Point_Gradable {
public:
  explicit Fastrelle_Point_Gradable(ZcDbObjectId id = ZcDbObjectId()) : m_id(id) {}
  /// Moves the point by the offset from the reference point `reference` (the base-size
  /// point): x := reference x + DX when X is set, else its own; y likewise; z the
  /// reference's. Nothing unless both are block references.
  virtual void ApplyOffset(const GradingOffset& offset, ZcDbObjectId reference);
  /// Moves the reference to the point: 600 when it is no block reference.
  virtual int MoveTo(const ZcGePoint3d& point);
  virtual ~Fastrelle_Point_Gradable() = default;

  ZcGePoint3d GetPosition() const;
  /// 20 when it is no block reference; else the erase's status.
  int Erase();
  /// The size of its layer (markers removed); "" when it does not open.
  CString GetSizeName() const;
  /// Opens as a block reference.
  bool IsReference() const;
  ZcDbObjectId Id() const { return m_id; }

protected:
  /// The reference of `id`, read and closed again (its memory stays); null when it is none.
  static ZcDbBlockReference* Reference(ZcDbObjectId id);

  ZcDbObjectId m_id;
};

#endif
