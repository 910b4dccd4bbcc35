// The variable set of layout descriptions: the five part variables, then the five layout
// variables. Used by the layout description and the layout-label grid.
#ifndef LAYOUT_FASTRELLE_DESC_LAYOUTVARS_H
#define LAYOUT_FASTRELLE_DESC_LAYOUTVARS_H

#include "construction/Fastrelle_Desc_Vars.h"

/// Project, date, login, sizes, base size; pieces counter, efficiency, layout width, used
/// length, used length per piece; substituted in that order.
class Fastrelle_Desc_LayoutVars : public Fastrelle_Desc_Vars {
public:
  Fastrelle_Desc_LayoutVars();
};

#endif
