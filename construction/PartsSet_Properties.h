// The properties grid of the part-set dialog: the set description's template, its size
// and its attribute texts with the part variables already put in. Used by PartsSet_dlg.
#ifndef CONSTRUCTION_PARTSSET_PROPERTIES_H
#define CONSTRUCTION_PARTSSET_PROPERTIES_H

#include "construction/Zc_VarAttributesGrid.h"

class PartsSet_Properties : public Zc_VarAttributesGrid {
  DECLARE_DYNAMIC(PartsSet_Properties)
public:
  /// The size row's value when above 0, else 1.0.
  double ChosenSize() const;
  /// The template row's path; "" without one.
  CString TemplatePath() const;
};

#endif
