// The layout description.
#include "layout/Fastrelle_Layout_Description.h"

#include "layout/Fastrelle_Desc_LayoutVars.h"

namespace {
const int kBlockNotDefined = 379, kLayoutBlockMissing = 47;
}  // namespace

Fastrelle_Layout_Description::Fastrelle_Layout_Description(const CString& blockName, const NameValueList& attributes,
                                                           double scale)
    : Fastrelle_Description(blockName, attributes, scale) {
  m_vars->Clear();
  Fastrelle_Desc_LayoutVars layoutVars;
  m_vars->Append(layoutVars);
}

int Fastrelle_Layout_Description::Insert(const ZcGePoint3d& point, ZcDbObjectId owner) {
  const int status = Fastrelle_Description::Insert(point, owner);
  return status == kBlockNotDefined ? kLayoutBlockMissing : status;
}
