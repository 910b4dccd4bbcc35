// The layout variable set.
#include "layout/Fastrelle_Desc_LayoutVars.h"

#include "layout/Fastrelle_Desc_LayoutVariables.h"

Fastrelle_Desc_LayoutVars::Fastrelle_Desc_LayoutVars() {
  Add(std::make_unique<Fastrelle_Desc_Var_PiecesCounter>());
  Add(std::make_unique<Fastrelle_Desc_Var_Efficiency>());
  Add(std::make_unique<Fastrelle_Desc_Var_LayoutWidth>());
  Add(std::make_unique<Fastrelle_Desc_Var_UsedLength>());
  Add(std::make_unique<Fastrelle_Desc_Var_UsedLengthPerPiece>());
}
