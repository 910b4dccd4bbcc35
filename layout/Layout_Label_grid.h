// The grid of the layout-label dialog: template, size and the template's attributes shown
// with the layout variables and then the part variables applied. Used by Layout_Label_dlg.
#ifndef LAYOUT_LAYOUT_LABEL_GRID_H
#define LAYOUT_LAYOUT_LABEL_GRID_H

#include "construction/Zc_VarAttributesGrid.h"
#include "layout/Fastrelle_Desc_LayoutVars.h"

class Layout_Label_grid : public Zc_VarAttributesGrid {
  DECLARE_DYNAMIC(Layout_Label_grid)
public:
  /// Substitutes the layout variable set in the default text, then the part set, then adds
  /// the row as the attribute grid does ("{DLUGOSC}" => "812.50").
  void AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt, int constant) override;

protected:
  Fastrelle_Desc_LayoutVars m_layoutVars;
};

#endif
