// The set description of the part-set dialog: the description block, the summary table
// of the drawing's parts and the free text, stacked downwards from the picked point.
#ifndef CONSTRUCTION_PARTSETDESCRIPTIONDEFAULT_H
#define CONSTRUCTION_PARTSETDESCRIPTIONDEFAULT_H

#include <vector>

#include "construction/PartSetDescription.h"
#include "construction/PartsSetTable.h"

/// Stacking: each item after the first goes to (min X, min Y - "DecriptiorSize") of the
/// box of the items inserted so far, or to the picked point while none is; so the three
/// stand left-aligned, the setting's gap apart. A failing item is left out (its status
/// printed) and the next is stacked below what stands.
class PartSetDescriptionDefault : public PartSetDescription {
public:
  /// Description, table, text, then "_REGEN". 0, or the first failing item's status.
  int Insert(const ZcGePoint3d& point) override;
  /// The block of the template with the attribute texts (variables put in) and the scale;
  /// a failure prints the template's path and the status.
  virtual int InsertDescription(const ZcGePoint3d& point);
  /// The summary table of the drawing's parts (PartsSetTable), text height = scale, widths
  /// from "TableWidth" and the four "...ColumnWidthRatio" shares.
  virtual int InsertTable(const ZcGePoint3d& point);
  /// The free text as an MText of height = scale; nothing for an empty text.
  virtual int InsertText(const ZcGePoint3d& point);
  /// The part rows of the working drawing, in dictionary order, with their records'
  /// type and quantity and their material.
  static std::vector<PartsSetRow> DrawingParts();

protected:
  /// Where the next item goes: below the items inserted so far, or `picked` when none is.
  ZcGePoint3d Below(const ZcGePoint3d& picked) const;
  ZcDbObjectId Owner() const;
};

#endif
