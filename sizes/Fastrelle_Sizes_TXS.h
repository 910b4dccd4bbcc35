// The program's own size-list format (TXS): one size a line with its colour. Read and
// written for the size rules dialog through the size-list files.
#ifndef SIZES_FASTRELLE_SIZES_TXS_H
#define SIZES_FASTRELLE_SIZES_TXS_H

#include "sizes/Fastrelle_Sizes_Interpreter.h"

/// One line per size: the "BaseSizeSymbol" value ("*" when empty) for the base size, the
/// name, a blank and the colour index:
///   36 3
///   *38 1
///   40 5
/// Reading splits a line at blanks (a run counts once) and takes it only when that gives
/// exactly two tokens; a first token beginning with the symbol has the symbol's characters
/// trimmed from both ends and is the base size; a second token that starts like a number
/// gives the colour by its leading integer, any other the default colour.
///   "38 abc" => 38, default colour;  "38 1.9" => 38, colour 1
///   "38 2 x", "38", "38<tab>2", "" (not at the end) => skipped, with a note
/// A name holding a blank or tab could not be read back: writing leaves it out, noted.
class Fastrelle_Sizes_TXS : public Fastrelle_Sizes_Interpreter {
public:
  bool Write(CStringArray& lines) override;
  bool Read(std::vector<Fastrelle_Size>& sizes) override;
};

#endif
