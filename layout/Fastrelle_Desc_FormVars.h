// The variable set of a piece label: the five part variables, then the piece's model,
// part, size and material. Used by Layout_drawer_description.
#ifndef LAYOUT_FASTRELLE_DESC_FORMVARS_H
#define LAYOUT_FASTRELLE_DESC_FORMVARS_H

#include "construction/Fastrelle_Desc_Vars.h"
#include "db/ZcDbObjectId.h"

class Fastrelle_Desc_FormVars : public Fastrelle_Desc_Vars {
public:
  /// Reads the reference's block name as a piece key and its block's material tag; a
  /// reference that does not open gives empty values.
  ///   block "spodnie|Przód|38|R|C" tagged "material=Bawełna" => spodnie, Przód, 38, Bawełna
  explicit Fastrelle_Desc_FormVars(ZcDbObjectId pieceReference);
};

#endif
