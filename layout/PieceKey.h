// The piece key: the name of a piece block, which says from which model, part and size
// the piece was cut, on which side and with which lines. The piece builder names blocks
// with it; the measures, labels and the warehouse read it back.
#ifndef LAYOUT_PIECEKEY_H
#define LAYOUT_PIECEKEY_H

#include "mfc/CString.h"

/// Key: model file title | part | size | side letter | line letter
///   C:\m\a.dwg, Przód, S, side 2, lines 2 => "a|Przód|S|R|B"
/// Side codes and letters: 0 "S", 1 "L", 2 "R", 3 "T", 4 "B". Line choices: 0 "C" (cut
/// lines), 1 "S" (seam lines), 2 "B" (both).
enum PieceSide { kPieceSideS = 0, kPieceSideL = 1, kPieceSideR = 2, kPieceSideT = 3, kPieceSideB = 4 };

/// The side's letter; "0" for a code outside 0-4.
CString PieceSideLetter(int side);
/// The code of a side letter, case aside; 0 for any other text.
int PieceSideFromLetter(const CString& letter);
/// The line choice's letter; "0" for a value outside 0-2.
CString PieceLinesLetter(int lines);
/// "C" 0, "S" 1 (case aside); any other text 2.
int PieceLinesFromLetter(const CString& letter);
/// The model's file name without its last extension: 'C:\m\a.b.dwg' => "a.b"; a name
/// without "." stays whole.
CString ModelFileTitle(const CString& modelPath);

/// The key of a piece; "" when the model path, the part or the size is empty.
CString MakePieceKey(const CString& modelPath, const CString& part, const CString& size, int side, int lines);
/// Reads a key: fields split at "|" (a run of "|" counts as one). Each field present sets
/// its output; a missing trailing field leaves its output as it was. A part name holding
/// "|" cannot be read back into the same fields.
///   "a|Przód|S|R|B" => "a", "Przód", "S", 2, 2;   "a||P|S" => "a", "P", "S", side kept
void ParsePieceKey(const CString& key, CString& modelTitle, CString& part, CString& size, int& side, int& lines);

#endif
