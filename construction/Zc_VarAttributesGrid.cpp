// The attribute grid with the description variables applied to its default texts.
#include "construction/Zc_VarAttributesGrid.h"

IMPLEMENT_DYNAMIC(Zc_VarAttributesGrid, Zc_AttributesGrid)

void Zc_VarAttributesGrid::AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt,
                                        int constant) {
  Zc_AttributesGrid::AddAttribute(tag, m_vars.Substitute(defaultText), prompt, constant);
}
