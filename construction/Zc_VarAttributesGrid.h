// The attribute grid of a description template that shows its rows with the variables
// already applied, so the user sees and edits the texts that will be inserted. Base of the
// part-description grid and the layout-label grid.
#ifndef CONSTRUCTION_ZC_VARATTRIBUTESGRID_H
#define CONSTRUCTION_ZC_VARATTRIBUTESGRID_H

#include "construction/Fastrelle_Desc_Vars.h"
#include "ui/UI_PropertiesGrid.h"

class Zc_VarAttributesGrid : public Zc_AttributesGrid {
  DECLARE_DYNAMIC(Zc_VarAttributesGrid)
public:
  /// Substitutes the variables in the default text, then adds the row as the base does
  /// (options after substitution: "{ROZMIARY};M" with sizes 38,40 gives "38,40" and "M").
  void AddAttribute(const CString& tag, const CString& defaultText, const CString& prompt, int constant) override;
  /// Gives the name column 30 % of the grid's width and names the rows: the template row
  /// (with its file dialog's title and filter), the size row and the attribute group.
  void NameRows(const CString& templateRow, const CString& dialogTitle, const CString& filter, const CString& sizeRow,
                const CString& attributesRow);
  /// The size row's value when above 0, else 1.0.
  double ChosenSize() const;

protected:
  Fastrelle_Desc_Vars m_vars;
};

#endif
