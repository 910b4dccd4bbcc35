// The layout variables of descriptions and their values from the layout measures.
#include "layout/Fastrelle_Desc_LayoutVariables.h"

#include "framework/Plot_Settings.h"
#include "layout/Layout_calc.h"

Fastrelle_Desc_PlotVariable::Fastrelle_Desc_PlotVariable(const CString& plotTokenKey) {
  m_token = GetPlotSettingString(plotTokenKey);
}

CString Fastrelle_Desc_Var_PiecesCounter::GetValue() const {
  return FormatDescInteger(static_cast<int>(layout_calc_ItemsCounter().Calculate()));
}

CString Fastrelle_Desc_Var_Efficiency::GetValue() const {
  return FormatDescPercentage(Layout_calc_Efficiency().Calculate());
}

CString Fastrelle_Desc_Var_LayoutWidth::GetValue() const { return FormatDescNumber(Layout_calc_Width().Calculate()); }

CString Fastrelle_Desc_Var_UsedLength::GetValue() const { return FormatDescNumber(Layout_calc_Length().Calculate()); }

CString Fastrelle_Desc_Var_UsedLengthPerPiece::GetValue() const {
  return FormatDescNumber(Layout_calc_EfficiencyPerPiece().Calculate());
}
