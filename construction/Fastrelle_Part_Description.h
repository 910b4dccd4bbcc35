// A description put into a part: it also knows the part's name ("VarPart") and, once
// inserted, writes into every reference of its block the size of the layer the reference
// lies on ("VarSize"). Used by the part-description dialog, which inserts through
// InsertIntoPart.
#ifndef CONSTRUCTION_FASTRELLE_PART_DESCRIPTION_H
#define CONSTRUCTION_FASTRELLE_PART_DESCRIPTION_H

#include "construction/Fastrelle_Description.h"

class Fastrelle_Part_Description : public Fastrelle_Description {
public:
  using Fastrelle_Description::Fastrelle_Description;

  /// Adds the part variable of the part named `partName` after the set's own variables,
  /// so its token is replaced after theirs.
  void SetPartName(const CString& partName);
  /// Puts the description into the part holding `point`: names that part, inserts the
  /// reference there, adds it to the part as an extra element (so it is copied into every
  /// size) and writes each size into its copy. A point in no part prints so, inserts
  /// nothing and returns 374; else 0 or the first failing step's status.
  int InsertIntoPart(const ZcGePoint3d& point);
  /// In every reference of the block `blockName` of the working drawing, each attribute
  /// text holding the token of "VarSize" gets it replaced by the size of the reference's
  /// layer ("^40~" => "40", "0~" => "0"). Only the attributes holding the token are opened
  /// for write. 0, or the first failure (the walk goes on past it).
  static int WriteSizeIntoReferences(const CString& blockName);
};

#endif
