// The size-list file formats' common part: lines in, sizes out (Read) and sizes in, lines
// out (Write), the checks every size read passes, and the notes on lines left out, which
// the file reader prints with the file's name. MakeSizesInterpreter picks the format by
// the file's extension. Used by the size-list files and the size rules dialog.
#ifndef SIZES_FASTRELLE_SIZES_INTERPRETER_H
#define SIZES_FASTRELLE_SIZES_INTERPRETER_H

#include <memory>
#include <vector>

#include "sizes/Fastrelle_Size.h"

/// A remark on one line of a size list (line 1 is the first; 0 for a size left out on
/// writing): what was skipped or changed, and why.
struct SizeListNote {
  int line;
  CString text;
};

/// One format. The rules every format applies to what it reads: a name failing the
/// size-name check is skipped; a colour outside 1-255 becomes "SizeDefaultColor"; a second
/// base size is read as a plain size; a name read twice (case aside) keeps the first. Each
/// makes a note on its line.
class Fastrelle_Sizes_Interpreter {
public:
  virtual ~Fastrelle_Sizes_Interpreter() = default;
  /// Appends the lines of m_sizes to `lines`; true when every size was written.
  virtual bool Write(CStringArray& lines) = 0;
  /// Appends the sizes m_lines describe; true when it read at least one.
  virtual bool Read(std::vector<Fastrelle_Size>& sizes) = 0;

  void SetLines(const CStringArray& lines) { m_lines.Copy(lines); }
  void SetSizes(const std::vector<Fastrelle_Size>& sizes) { m_sizes = sizes; }
  const std::vector<SizeListNote>& Notes() const { return m_notes; }

protected:
  void Note(int line, const CString& text) { m_notes.push_back({line, text}); }
  /// Starts a Read that appends to `sizes`: notes emptied, repeats looked for from here.
  void BeginRead(const std::vector<Fastrelle_Size>& sizes) {
    m_notes.clear();
    m_firstSize = static_cast<int>(sizes.size());
  }
  /// Appends the size read from `line` under the rules above; false when it was skipped.
  bool Accept(Fastrelle_Size size, int line, std::vector<Fastrelle_Size>& sizes);
  /// The number of lines that count: trailing empty lines are ignored.
  int CountedLines() const;
  /// "BaseSizeSymbol", "*" when the setting is empty.
  static CString BaseSymbol();

  CStringArray m_lines;
  std::vector<Fastrelle_Size> m_sizes;
  std::vector<SizeListNote> m_notes;
  int m_firstSize = 0;  // index in the output of the first size this Read appended
};

/// The interpreter of a file extension ("txs", any case), by the ";"-separated patterns
/// of "FastrelleSizesFileExtension" (TXS) and "VEAENVSizesFileExtension" (VEA/ENV):
/// "*." + extension against each. Null for any other extension.
std::unique_ptr<Fastrelle_Sizes_Interpreter> MakeSizesInterpreter(const CString& extension);

#endif
