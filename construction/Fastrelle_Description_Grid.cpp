// The part-description dialog's grid.
#include "construction/Fastrelle_Description_Grid.h"

IMPLEMENT_DYNAMIC(Fastrelle_Description_Grid, Zc_VarAttributesGrid)
