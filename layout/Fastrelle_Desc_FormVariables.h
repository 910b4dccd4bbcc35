// The variables of a piece label: the model title, part and size read from the piece key
// (the block name of the placed piece) and the material tagged on its block. Registered
// by Fastrelle_Desc_FormVars.
#ifndef LAYOUT_FASTRELLE_DESC_FORMVARIABLES_H
#define LAYOUT_FASTRELLE_DESC_FORMVARIABLES_H

#include "layout/Fastrelle_Desc_LayoutVariables.h"

/// A variable with a value fixed when the label is built; its token is the "Plot.ini"
/// value of its key.
class Fastrelle_Desc_FormVariable : public Fastrelle_Desc_PlotVariable {
public:
  Fastrelle_Desc_FormVariable(const CString& plotTokenKey, const CString& value)
      : Fastrelle_Desc_PlotVariable(plotTokenKey), m_value(value) {}
  CString GetValue() const override { return m_value; }

private:
  CString m_value;
};

/// "VarFormDescmodel": the model title of the piece key.
class Fastrelle_Desc_FormModel : public Fastrelle_Desc_FormVariable {
public:
  explicit Fastrelle_Desc_FormModel(const CString& model) : Fastrelle_Desc_FormVariable(L"VarFormDescmodel", model) {}
};

/// "VarFormDescPart": the part name of the piece key.
class Fastrelle_Desc_FormPart : public Fastrelle_Desc_FormVariable {
public:
  explicit Fastrelle_Desc_FormPart(const CString& part) : Fastrelle_Desc_FormVariable(L"VarFormDescPart", part) {}
};

/// "VarFormDescSize": the size name of the piece key.
class Fastrelle_Desc_FormSize : public Fastrelle_Desc_FormVariable {
public:
  explicit Fastrelle_Desc_FormSize(const CString& size) : Fastrelle_Desc_FormVariable(L"VarFormDescSize", size) {}
};

/// "VarFormDescMaterial": the material of the piece block's "material=" tag ("" without).
class Fastrelle_Desc_FormMaterial : public Fastrelle_Desc_FormVariable {
public:
  explicit Fastrelle_Desc_FormMaterial(const CString& material)
      : Fastrelle_Desc_FormVariable(L"VarFormDescMaterial", material) {}
};

#endif
