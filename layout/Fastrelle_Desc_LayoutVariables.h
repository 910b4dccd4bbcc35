// The layout variables of descriptions: the piece count, efficiency, fabric width, used
// length and used length per garment of the working drawing's layout, each measured afresh
// when its value is asked for. Registered by Fastrelle_Desc_LayoutVars.
#ifndef LAYOUT_FASTRELLE_DESC_LAYOUTVARIABLES_H
#define LAYOUT_FASTRELLE_DESC_LAYOUTVARIABLES_H

#include "construction/Fastrelle_Desc_Variable.h"

/// A description variable whose token is the "Plot.ini" value of its key (a missing key
/// prints it and leaves the token empty, which replaces nothing).
class Fastrelle_Desc_PlotVariable : public Fastrelle_Desc_Variable {
public:
  explicit Fastrelle_Desc_PlotVariable(const CString& plotTokenKey);
};

/// "VarLayoutPiecesCounter": the number of placed pieces, "%i".
class Fastrelle_Desc_Var_PiecesCounter : public Fastrelle_Desc_PlotVariable {
public:
  Fastrelle_Desc_Var_PiecesCounter() : Fastrelle_Desc_PlotVariable(L"VarLayoutPiecesCounter") {}
  CString GetValue() const override;
};

/// "VarLayoutEfficiency": the layout's efficiency, in the percentage format.
class Fastrelle_Desc_Var_Efficiency : public Fastrelle_Desc_PlotVariable {
public:
  Fastrelle_Desc_Var_Efficiency() : Fastrelle_Desc_PlotVariable(L"VarLayoutEfficiency") {}
  CString GetValue() const override;
};

/// "VarLayoutWidth": the fabric width, in the number format.
class Fastrelle_Desc_Var_LayoutWidth : public Fastrelle_Desc_PlotVariable {
public:
  Fastrelle_Desc_Var_LayoutWidth() : Fastrelle_Desc_PlotVariable(L"VarLayoutWidth") {}
  CString GetValue() const override;
};

/// "VarLayoutUsedLength": the used length, in the number format.
class Fastrelle_Desc_Var_UsedLength : public Fastrelle_Desc_PlotVariable {
public:
  Fastrelle_Desc_Var_UsedLength() : Fastrelle_Desc_PlotVariable(L"VarLayoutUsedLength") {}
  CString GetValue() const override;
};

/// "VarLayoutUsePerPiece": the used length per garment, in the number format.
class Fastrelle_Desc_Var_UsedLengthPerPiece : public Fastrelle_Desc_PlotVariable {
public:
  Fastrelle_Desc_Var_UsedLengthPerPiece() : Fastrelle_Desc_PlotVariable(L"VarLayoutUsePerPiece") {}
  CString GetValue() const override;
};

#endif
