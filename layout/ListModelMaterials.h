// The materials of a model drawing, as its part descriptions name them: what the model
// dialog offers in its material combo.
#ifndef LAYOUT_LISTMODELMATERIALS_H
#define LAYOUT_LISTMODELMATERIALS_H

#include "mfc/CString.h"

class ZcDbDatabase;

/// Appends to `materials` the distinct texts (exact comparison, first seen first; an empty
/// text counts as one) of the attribute tagged by "MaterialAttribute" in every model-space
/// reference of the part description block (the file title of
/// "PartDescriptionDefaultName", any case) in the model drawing `db`. Nothing for no
/// database.
void ListModelMaterials(ZcDbDatabase* db, CStringArray& materials);

#endif
