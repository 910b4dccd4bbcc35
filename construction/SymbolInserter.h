// Putting a symbol drawing (a hole, a special point) into parts: the symbol dialog, then
// points given one after another, each symbol joining the part it lies in, in every size,
// and turned by the user. Run by the hole and special-point commands.
#ifndef CONSTRUCTION_SYMBOLINSERTER_H
#define CONSTRUCTION_SYMBOLINSERTER_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class RememberedSymbol;

/// A plain record: what to offer in the dialog (symbol path, size), the point prompt,
/// and what the run chose and made.
class SymbolInserter {
public:
  virtual ~SymbolInserter() = default;

  /// 1. The symbol dialog with the symbol path and the size ("%0.4f"); Cancel: 0.
  /// 2. The dialog's size and path are taken; the symbol is the chosen drawing, else the
  ///    symbol path. One that is no existing file, or a size not above 0, is printed
  ///    (the chosen path is then dropped) and nothing is asked: 0.
  /// 3. The symbol's block is defined from its drawing: a failure prints the path and
  ///    returns its status.
  /// 4. Points until one is not given (0): a point in no part is printed and leaves
  ///    nothing; in a part, the symbol is inserted there, joins the part in every size,
  ///    and the user turns it ("_ROTATE" about the point); every copy in the sizes then
  ///    takes its rotation. A failing insertion returns its status.
  int Run();

  ZcGePoint3d m_point;
  CString m_symbolPath;
  CString m_prompt;
  CString m_chosenPath;
  double m_size = 0.0;
  ZcDbObjectIdArray m_ids;  // the last symbol inserted, then its copies in the sizes

private:
  /// Inserts at m_point into the part there: 0 (also when no part lies there), or the
  /// failure's status.
  int InsertAtPoint(const CString& blockPath);
};

/// The hole and special-point commands' whole run: the memory read, the inserter run with
/// `promptId`, a failure printed as a status, and the size and the chosen drawing
/// remembered.
void RunSymbolCommand(RememberedSymbol& memory, unsigned promptId);

#endif
