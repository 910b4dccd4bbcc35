// The VEA/ENV size-list format of other programs: a numeric range of sizes or a list of
// names. Read for the size rules dialog through the size-list files; written in the list
// form, which reads back.
#ifndef SIZES_FASTRELLE_SIZES_VEAEVN_H
#define SIZES_FASTRELLE_SIZES_VEAEVN_H

#include "sizes/Fastrelle_Sizes_Interpreter.h"

/// Numeric form, exactly four lines (trailing empty lines aside):
///   numeric        the keyword, exactly so
///   34 2           first size and step, separated by blanks
///   *38            "*" and the base size
///   46             the last size
/// for the sizes first, first + step, ... up to the last, named by their value ("%i"):
/// 34, 36, 38 (base), 40, 42, 44, 46. Values are read in 64 bits; a step of 0 or less, or
/// a range of more than 200 sizes, is refused whole, with a note on line 2 or 4; a size
/// "0" in the range is skipped.
///
/// Alpha form: "alpha", then one size name a line, "*" first for the base size (the "*"
/// is trimmed from both ends of the name).
///
/// Any other first line ("Numeric" too) is neither form: nothing is read, noted on line 1.
/// Writing always writes the alpha form.
class Fastrelle_Sizes_VEAEVN : public Fastrelle_Sizes_Interpreter {
public:
  /// The most sizes a numeric range may stand for.
  static constexpr long long kLargestRange = 200;

  bool Write(CStringArray& lines) override;
  bool Read(std::vector<Fastrelle_Size>& sizes) override;

private:
  bool ReadNumeric(int count, std::vector<Fastrelle_Size>& sizes);
  bool ReadAlpha(int count, std::vector<Fastrelle_Size>& sizes);
};

#endif
