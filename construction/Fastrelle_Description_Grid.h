// The grid of the part-description dialog: template, size and the template's attributes
// with the part variables applied. Used by PartDescription_dlg.
#ifndef CONSTRUCTION_FASTRELLE_DESCRIPTION_GRID_H
#define CONSTRUCTION_FASTRELLE_DESCRIPTION_GRID_H

#include "construction/Zc_VarAttributesGrid.h"

class Fastrelle_Description_Grid : public Zc_VarAttributesGrid {
  DECLARE_DYNAMIC(Fastrelle_Description_Grid)
};

#endif
