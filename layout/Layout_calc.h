// The layout measures: fabric width, used length, efficiency, used length per garment and
// the number of placed pieces, each measured afresh from the drawing. The layout dialogs,
// the description variables, placement and the movers use them.
#ifndef LAYOUT_LAYOUT_CALC_H
#define LAYOUT_LAYOUT_CALC_H

#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"
#include "layout/Layout_drawer.h"

/// One measure. Construction measures the border (Layout::MeasureBorder) into the held
/// layout; without a border every measure is 0.
class Layout_calc {
public:
  Layout_calc();
  virtual ~Layout_calc() = default;
  virtual double Calculate() = 0;

  bool HasBorder() const { return m_hasBorder; }
  const Layout_drawer& GetLayout() const { return m_layout; }
  /// The border's box (empty without a border).
  const ZcDbExtents& GetBorderExtents() const { return m_border; }

protected:
  /// The piece references (CollectPieceReferences), collected at the first call.
  const ZcDbObjectIdArray& Pieces();
  /// The used length: the union box of the pieces' right edge less the border's left
  /// edge, never below 0; 0 without a border, without pieces or when none can be measured.
  double UsedLength();

  Layout_drawer m_layout;
  ZcDbExtents m_border;
  bool m_hasBorder = false;

private:
  ZcDbObjectIdArray m_pieces;
  bool m_collected = false;
};

/// The fabric width; 0 without a border.
class Layout_calc_Width : public Layout_calc {
public:
  double Calculate() override;
};

/// The used length of fabric (Layout_calc::UsedLength).
class Layout_calc_Length : public Layout_calc {
public:
  double Calculate() override;
};

/// The pieces' total area over width × used length; 0 when that product is below 1e-6.
/// A piece's area is its block's region (GetPieceBlockArea) scaled as the reference is; a
/// block without a region, or whose area cannot be read, adds 0.
class Layout_calc_Efficiency : public Layout_calc {
public:
  double Calculate() override;
  /// The pieces' total area.
  double TotalPieceArea();
};

/// The used length per garment; 0 when there is no garment. Garments: the pieces are
/// counted per model title and part (read from their block names, the piece keys); the
/// smallest count is the number of garments, halved (rounding down) when no piece is cut
/// on side "S" (code 0), as mirrored sides come in pairs. A heuristic: a part cut in two
/// pieces per garment counts twice.
class Layout_calc_EfficiencyPerPiece : public Layout_calc_Length {
public:
  double Calculate() override;
  /// The number of garments (above).
  int CountGarments();
};

/// The number of placed pieces.
class layout_calc_ItemsCounter : public Layout_calc {
public:
  double Calculate() override;
};

#endif
