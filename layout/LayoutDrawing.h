// How a layout lives in the drawing: the tags of the application "Fastrelle_Layout" that
// mark its entities, and the searches that find them again (the border, the closing line,
// the piece blocks and their references). The drawing items, measures, placement and
// movers use them.
#ifndef LAYOUT_LAYOUTDRAWING_H
#define LAYOUT_LAYOUTDRAWING_H

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"

/// Tags: one (1000 text) per tag after (1001 "Fastrelle_Layout") in the XData of:
///   "Layout"      the border, a closed polyline (0,0) (L,0) (L,W) (0,W)
///   "EndLine"     the closing line, a two-point polyline just right of the last piece
///   "Form"        a piece block's block table record
///   "material=m"  a piece block's record: the part's material m
extern const wchar_t* const kLayoutApplication;
extern const wchar_t* const kLayoutTag;
extern const wchar_t* const kEndLineTag;
extern const wchar_t* const kFormTag;
extern const wchar_t* const kMaterialTagPrefix;

/// The first polyline of the drawing (an "X" selection of "*POLYLINE", in its order) that
/// carries `tag` (letter case aside); the null id when none does.
ZcDbObjectId FindTaggedPolyline(const CString& tag);
/// The block records (layouts left out) tagged "Form", in block-table order.
ZcDbObjectIdArray ListFormBlocks();
/// Every reference of every piece block: blocks in ListFormBlocks order, each block's
/// references in the host's order.
ZcDbObjectIdArray CollectPieceReferences();
/// The text after "material=" of the first tag of the block record that holds
/// "material="; "" when none.
CString GetFormMaterial(ZcDbObjectId blockRecord);
/// The area of the first region among the block's entities; 0 when it has none or its
/// area cannot be read.
double GetPieceBlockArea(ZcDbObjectId blockRecord);
/// Runs the host's "_REGEN".
void RegenerateDrawing();

#endif
