// The layout-label grid.
#include "layout/Layout_Label_grid.h"

IMPLEMENT_DYNAMIC(Layout_Label_grid, Zc_VarAttributesGrid)

void Layout_Label_grid::AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt,
                                     int constant) {
  Zc_AttributesGrid::AddAttribute(tag, m_vars.Substitute(m_layoutVars.Substitute(defaultText)), prompt, constant);
}
