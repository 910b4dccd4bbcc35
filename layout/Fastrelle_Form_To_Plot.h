// A part of a model drawing in one size turned into a placeable piece: its lines copied into
// a block of the open drawing named by the piece key, the grain turned onto X, mirrored for
// the side that is cut, centred on the origin and filled with a region. Used by the
// warehouse insertion, the measures of a layout and the piece placement.
#ifndef LAYOUT_FASTRELLE_FORM_TO_PLOT_H
#define LAYOUT_FASTRELLE_FORM_TO_PLOT_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGeVector3d.h"
#include "mfc/CString.h"

/// The piece block (a block table record of the open drawing), named by the piece key
/// "<model file title>|<part>|<size>|<side letter>|<line letter>", carries in the XData of
/// "Fastrelle_Layout" the tags
///   "Form"                 it is a placeable piece;
///   "model=<model path>"   the model drawing it was built from (two models with one file
///                          title would otherwise share blocks);
///   "material=<material>"  the part's material, when it has one.
///
/// Sides: 0 S as drawn, 1 L mirrored about the grain axis through the centre, 2 R, 3 T as
/// drawn, 4 B mirrored about the perpendicular of the grain through the centre. Line choice:
/// 0 cut lines, 1 seam lines, 2 both (extra elements always come along).
///
/// Statuses: 0; 3 empty part name or a model title holding "|"; 22 the part's group is not
/// in the model (message 43209 shown); 48 a block of this key built from another model;
/// 130 nothing to normalise; 150 outline not closed; 379 block missing; 600 no block or
/// nothing to copy; the model drawing's read status; host statuses otherwise.
class Fastrelle_Form_To_Plot {
public:
  /// An empty record: side 0, both lines, the rotation given, no block.
  explicit Fastrelle_Form_To_Plot(double rotation);
  /// The record of a placed piece reference: its block, its rotation (degrees) and the
  /// model title, size, side and line choice read from the block name (the part name is
  /// not taken; the model path holds the title). Status() is 600 when the id is no block
  /// reference.
  explicit Fastrelle_Form_To_Plot(ZcDbObjectId reference);

  /// Finds the piece block, or builds it from the model drawing. An empty name prints
  /// "Fastrelle_Form_To_Plot::LoadPart" " Part name is empty" and gives 3; a model title
  /// holding "|" is refused (3). A failed build prints its status (with the model's path
  /// and the reader's reason for a drawing that does not read) and returns it, leaving no
  /// block behind; 22 also shows the message box 43209.
  int LoadPart(const CString& partName);
  /// The piece key; empty when the model path, the part or the size is empty.
  CString GetBlockName() const;
  /// 0 with the block record id kept, 379 when the drawing has no block of the key, 48
  /// (both paths printed) when the block found was built from another model drawing
  /// (paths compared without case, either separator); a block without a model tag is used.
  int FindBlock();
  /// Builds the block from the model drawing (see the source for the steps). On every
  /// failure once the record exists it is erased, and the model drawing is closed on
  /// every path. A fill that fails keeps the block (its area counts 0) and prints 43160.
  int BuildBlock();
  /// The grain direction: from the first to the second point of the block's first leader;
  /// the zero vector when it has none; the X axis without a block.
  ZcGeVector3d GetDirection() const;
  /// Turns the block's entities so that the grain lies along +X: 600 without a block; 0
  /// and nothing changed for no grain or a grain along X already; 130 for an empty block.
  int NormalizeToThread();
  /// Mirrors the entities for sides 1 and 4 (others: nothing) about the axis through the
  /// centre of their box. Without a grain line the grain counts as X, with a note printed.
  /// 600 without a block.
  int NormalizeSite();
  /// Moves the entities so that the centre of their box is the origin: 600 without a
  /// block, 130 for an empty one.
  int NormalizeBBox();
  /// A region of the cut lines (line choice 0, 2) or the seam lines (1) inside the block,
  /// on the first boundary curve's layer and first in the draw order: 600 without a block;
  /// the region maker's status (150 when the outline is not closed).
  int FillForm();
  /// The area of the block's first region; 0 when it has none or its area cannot be read.
  double GetArea() const;

  int Status() const { return m_status; }

  CString m_modelPath;
  CString m_partName;
  CString m_sizeName;
  int m_side = 0;
  int m_lines = 2;
  double m_rotation = 0.0;
  ZcDbObjectId m_blockId;

private:
  /// The block's entities in record order: 600 without a block, 130 when it has none.
  int EntityIds(ZcDbObjectIdArray& ids) const;
  int m_status = 0;
};

#endif
