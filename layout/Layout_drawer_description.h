// The label of one placed piece: a reference of the piece description block (Plot.ini
// "FormDescriptionDefaultName", scaled by "FormDescriptionDefaultSize") at the centre of the
// piece, its attributes filled with the piece's model, part, size and material, tagged
// "Description". Made for every piece by the LabelItems command.
#ifndef LAYOUT_LAYOUT_DRAWER_DESCRIPTION_H
#define LAYOUT_LAYOUT_DRAWER_DESCRIPTION_H

#include "construction/Fastrelle_Description.h"
#include "layout/Layout_drawer_item.h"

/// The tag of piece labels under "Fastrelle_Layout".
extern const wchar_t* const kDescriptionTag;

class Layout_drawer_description : public Layout_drawer_item, public Fastrelle_Description {
public:
  /// The piece reference to label; status 374 until labelled.
  explicit Layout_drawer_description(ZcDbObjectId pieceReference);

  /// Labels the piece, the label's id appended to `labels`. 0 also when the piece's centre
  /// already holds a label (within 1e-9: nothing added, so a second run labels only new or
  /// moved pieces); 600 for an invalid id; a piece without extents, a failed insertion
  /// (printed "Layout_drawer_description::Insert" and the status; 379 without the block)
  /// or a failed tag give their status.
  int Label(ZcDbObjectIdArray& labels);
  int Status() const { return m_status; }

  /// The scale of "FormDescriptionDefaultSize": a text that is no number, or a number not
  /// above 0, gives 1.0 ("2.5" => 2.5, "0" => 1, "abc" => 1).
  static double DefaultScale();

private:
  /// Whether a reference tagged "Description" stands at `point`.
  static bool LabelStandsAt(const ZcGePoint3d& point);

  ZcDbObjectId m_piece;
  int m_status = 374;
};

#endif
