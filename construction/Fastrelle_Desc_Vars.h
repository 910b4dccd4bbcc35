// The variable set of part descriptions: the drawing's project, date, author, sizes and
// base size, substituted into description texts in that order. Used by descriptions, the
// description grids and the help dialog's list of tokens.
#ifndef CONSTRUCTION_FASTRELLE_DESC_VARS_H
#define CONSTRUCTION_FASTRELLE_DESC_VARS_H

#include <memory>
#include <vector>

#include "construction/Fastrelle_Desc_Variable.h"

/// An ordered set of variables that owns them. A new set holds the five part variables:
/// project, date, login, sizes, base size.
class Fastrelle_Desc_Vars {
public:
  Fastrelle_Desc_Vars();
  virtual ~Fastrelle_Desc_Vars() = default;
  Fastrelle_Desc_Vars(const Fastrelle_Desc_Vars&) = delete;
  Fastrelle_Desc_Vars& operator=(const Fastrelle_Desc_Vars&) = delete;

  /// Moves the other set's variables, in their order, after this set's own; the other set
  /// is left empty.
  void Append(Fastrelle_Desc_Vars& other);
  void Add(std::unique_ptr<Fastrelle_Desc_Variable> variable);
  /// Forgets (and frees) every variable.
  void Clear() { m_vars.clear(); }
  /// The text with each variable applied in set order: every occurrence of its token is
  /// replaced by its value, left to right, the inserted value not read again; so a value
  /// holding a later variable's token has that replaced too, one holding an earlier's not.
  /// A variable without a token replaces nothing.
  ///   "Data: {DATA}" with {DATA} = 2026-12-09 => "Data: 2026-12-09"
  CString Substitute(const CString& text) const;
  int GetCount() const { return static_cast<int>(m_vars.size()); }
  const Fastrelle_Desc_Variable& GetAt(int index) const { return *m_vars[static_cast<size_t>(index)]; }

private:
  std::vector<std::unique_ptr<Fastrelle_Desc_Variable>> m_vars;
};

#endif
