// The parts of a drawing (the keys of its "Fastrelle" dictionary, in dictionary order) and
// finding the part at a point. Used by the part lookups of grading, descriptions, grain
// lines and the layout.
#ifndef CONSTRUCTION_FASTRELLE_PARTS_H
#define CONSTRUCTION_FASTRELLE_PARTS_H

#include <vector>

#include "construction/Fastrelle_Part.h"
#include "ge/ZcGePoint3d.h"

class ZcDbDatabase;

class Fastrelle_Parts {
public:
  virtual ~Fastrelle_Parts() = default;
  /// Appends every part of `db` (null: the working drawing) with its record read. Reads
  /// only: creates nothing.
  void Load(ZcDbDatabase* db);
  /// The part whose extents over all sizes hold the point in X and Y (bounds inclusive);
  /// of several, the last in list order. False, `part` untouched, when none does; a part
  /// missing a group or a layer in some size is never found.
  bool FindAt(const ZcGePoint3d& point, Fastrelle_Part& part) const;
  /// Appends the parts whose material is `material` (case aside); every part for "".
  void FilterByMaterial(const CString& material, std::vector<Fastrelle_Part>& out) const;
  const std::vector<Fastrelle_Part>& Parts() const { return m_parts; }

private:
  std::vector<Fastrelle_Part> m_parts;
  ZcDbDatabase* m_db = nullptr;
};

/// Loads the working drawing's parts and runs FindAt.
bool FindPartAtPoint(const ZcGePoint3d& point, Fastrelle_Part& part);

#endif
