// A part seen over all sizes of the working drawing: renaming it, writing its material and
// finding its symbols at a place in every size. Used by the part drawer, the grade-point
// collections (through the part services) and the grading tools.
#ifndef CONSTRUCTION_FASTRELLE_FORMS_H
#define CONSTRUCTION_FASTRELLE_FORMS_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"
#include "sizes/Fastrelle_Sizes.h"

/// The part name, the drawing's sizes (loaded once, on construction) and the status of
/// the last per-size step.
class Fastrelle_Forms {
public:
  explicit Fastrelle_Forms(const CString& partName);
  virtual ~Fastrelle_Forms() = default;

  /// In every size (list order), then "0": the size's kinds bound (a missing layer ends
  /// the walk with 374), then the material written into the part's group there.
  int SetMaterial(const CString& material);
  /// Gives the part's groups of every size and "0" the new part name, and in their
  /// references' attributes (grade points aside) the old name as a whole word becomes the
  /// new one. Checked first, so it renames all or nothing: 3 for an empty name or one
  /// holding "|", 3 when another part has that name (case aside), 18 when a target
  /// group name is taken in some size. An unchanged name does nothing (0).
  int Rename(const CString& name);
  /// For every size and then "0": the part's reference of that block nearest the point.
  void FindBlockReferencesAt(const ZcGePoint3d& point, const CString& blockName, ZcDbObjectIdArray& ids);
  /// The block names referenced nearest the point in the part's group of "0".
  int GetBlockNamesAt(const ZcGePoint3d& point, CStringArray& names);

  const Fastrelle_Sizes_ZW& Sizes() const { return m_sizes; }
  int Status() const { return m_status; }

private:
  /// The size names the part lives in: the list's, then "0".
  std::vector<CString> SizeNames() const;

  CString m_part;
  Fastrelle_Sizes_ZW m_sizes;
  int m_status = 0;
};

/// Inserts a grade point numbered `number` at the point in every size (list order) and in
/// "0", each into the part's group of its size; a size where the insertion fails is
/// skipped. 0; a part without name is printed and nothing is inserted (3).
int AddGradePointInAllSizes(const CString& part, const ZcGePoint3d& point, int number);

#endif
