// The layout's own label: a description whose tokens are the layout variables (the part
// variables, then the layout measures). Inserted by the layout-label dialog.
#ifndef LAYOUT_FASTRELLE_LAYOUT_DESCRIPTION_H
#define LAYOUT_FASTRELLE_LAYOUT_DESCRIPTION_H

#include "construction/Fastrelle_Description.h"

class Fastrelle_Layout_Description : public Fastrelle_Description {
public:
  /// As the base, its variables replaced by a layout variable set.
  Fastrelle_Layout_Description(const CString& blockName, const NameValueList& attributes, double scale = 1.0);

  /// Substitutes the layout variables, then inserts a reference of the block (loaded from
  /// its drawing when the name is a path and the drawing lacks it) at `point` with the
  /// scale and writes the texts. 0; 47 when the block is not in the drawing (nothing
  /// inserted); else the insertion's status.
  int Insert(const ZcGePoint3d& point, ZcDbObjectId owner = ZcDbObjectId());
};

#endif
