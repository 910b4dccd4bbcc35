// The part-set dialog's properties grid.
#include "construction/PartsSet_Properties.h"

#include "ui/UI_PropertiesProperty.h"

IMPLEMENT_DYNAMIC(PartsSet_Properties, Zc_VarAttributesGrid)

double PartsSet_Properties::ChosenSize() const {
  CMFCPropertyGridProperty* row = NumericRow();
  const double size = row ? row->GetValue().dblVal : 0.0;
  return size > 0 ? size : 1.0;
}

CString PartsSet_Properties::TemplatePath() const { return Selector() ? Selector()->GetPath() : CString(); }
