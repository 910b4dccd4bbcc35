// COleVariant: a value of one of the kinds the property grids hold (real, short, long,
// bool, text), tagged by its VT_ type.
#ifndef PLATFORM_MFC_COLEVARIANT_H
#define PLATFORM_MFC_COLEVARIANT_H

#include <string>

#include "mfc/CString.h"

typedef unsigned short VARTYPE;
typedef wchar_t* BSTR;
#define VT_EMPTY 0
#define VT_I2 2
#define VT_I4 3
#define VT_R8 5
#define VT_BSTR 8
#define VT_BOOL 11
#define VARIANT_TRUE (-1)
#define VARIANT_FALSE 0

class COleVariant {
public:
  COleVariant() = default;
  COleVariant(double value) : vt(VT_R8), dblVal(value) {}
  COleVariant(short value, VARTYPE type = VT_I2);
  COleVariant(long value, VARTYPE type = VT_I4);
  COleVariant(int value) : COleVariant(static_cast<long>(value)) {}
  COleVariant(bool value) : vt(VT_BOOL), boolVal(value ? VARIANT_TRUE : VARIANT_FALSE) {}
  COleVariant(const wchar_t* text) : vt(VT_BSTR), text_(text ? text : L"") { bstrVal = text_.data(); }
  COleVariant(const CString& text) : COleVariant(text.GetString()) {}
  COleVariant(const COleVariant& other) { *this = other; }
  COleVariant& operator=(const COleVariant& other);
  bool operator==(const COleVariant& other) const;

  VARTYPE vt = VT_EMPTY;
  double dblVal = 0;
  short iVal = 0;
  long lVal = 0;
  short boolVal = 0;
  BSTR bstrVal = nullptr;

private:
  std::wstring text_;
};

#endif
