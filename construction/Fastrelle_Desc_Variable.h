// The variables of a description: a token (a text such as "{DATA}" chosen in the settings)
// and the value that replaces it when a description is inserted. The base class and the
// part variables; used by the variable set, the description grids and the part description.
#ifndef CONSTRUCTION_FASTRELLE_DESC_VARIABLE_H
#define CONSTRUCTION_FASTRELLE_DESC_VARIABLE_H

#include "mfc/CString.h"

/// A variable of a description. Its token is read once, when it is made, from the
/// "Construction.ini" key it names (a missing key prints the settings reader's message and
/// leaves the token empty, which then replaces nothing); its value is read each time it is
/// asked for.
class Fastrelle_Desc_Variable {
public:
  /// The token of the key; no key: no token.
  explicit Fastrelle_Desc_Variable(const CString& tokenKey = CString());
  virtual ~Fastrelle_Desc_Variable() = default;
  /// The value now; the base has none ("").
  virtual CString GetValue() const { return CString(); }
  /// The token the value replaces.
  virtual CString GetName() const { return m_token; }

protected:
  CString m_token;
};

/// "VarProj": the working drawing's file title ("C:\m\Bluzka.v2.dwg" => "Bluzka.v2"); ""
/// for a drawing never read or saved.
class Fastrelle_Desc_Var_Project : public Fastrelle_Desc_Variable {
public:
  Fastrelle_Desc_Var_Project() : Fastrelle_Desc_Variable(L"VarProj") {}
  CString GetValue() const override;
};

/// "VarDate": the local time by the "DateFormat" setting (wcsftime conversions); "" when the
/// text would pass 128 characters.
class Fastrelle_Desc_Var_Date : public Fastrelle_Desc_Variable {
public:
  Fastrelle_Desc_Var_Date() : Fastrelle_Desc_Variable(L"VarDate") {}
  CString GetValue() const override;
  /// `format` applied to the current local time, as GetValue does.
  static CString FormatNow(const CString& format);
};

/// "VarLogin": the host's "LOGINNAME".
class Fastrelle_Desc_Var_Login : public Fastrelle_Desc_Variable {
public:
  Fastrelle_Desc_Var_Login() : Fastrelle_Desc_Variable(L"VarLogin") {}
  CString GetValue() const override;
};

/// "VarSizes": the working drawing's size names in layer order joined by "," ("38,40,42");
/// "" without sizes.
class Fastrelle_Desc_Var_Sizes : public Fastrelle_Desc_Variable {
public:
  Fastrelle_Desc_Var_Sizes() : Fastrelle_Desc_Variable(L"VarSizes") {}
  CString GetValue() const override;
};

/// "VarBaseSize": the name of the drawing's first base size; "" when none is.
class Fastrelle_Desc_Var_BaseSize : public Fastrelle_Desc_Variable {
public:
  Fastrelle_Desc_Var_BaseSize() : Fastrelle_Desc_Variable(L"VarBaseSize") {}
  CString GetValue() const override;
};

/// "VarPart": the name of the part a description is put into, found by its caller from the
/// insertion point; not one of the set's variables.
class Fastrelle_Desc_Var_Part : public Fastrelle_Desc_Variable {
public:
  explicit Fastrelle_Desc_Var_Part(const CString& partName)
      : Fastrelle_Desc_Variable(L"VarPart"), m_partName(partName) {}
  CString GetValue() const override { return m_partName; }

private:
  CString m_partName;
};

/// The number formats of description values; each takes its format from
/// "Construction.ini" where it names a key.
///   FormatDescInteger(7) => "7"
///   FormatDescNumber(2.5) with "VarDoubleFormat" "%0.2f" => "2.50"
///   FormatDescPercentage(0.834) with "VarPercentageFormat" "%0.1f %%" => "83.4 %"
CString FormatDescInteger(int value);
CString FormatDescNumber(double value);
CString FormatDescPercentage(double value);

#endif
