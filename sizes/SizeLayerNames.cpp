// Marker strings, layer-name reading, the size-name check and filter quoting.
#include "sizes/SizeLayerNames.h"

#include "db/ZcDbSymbolTable.h"

const CString& BaseSizeMarker() {
  static const CString marker(L"^");
  return marker;
}
const CString& CutLineSuffix() {
  static const CString suffix(L"'");
  return suffix;
}
const CString& TechLineSuffix() {
  static const CString suffix(L"~");
  return suffix;
}

CString SizeNameOfLayer(const CString& layerName) {
  CString name = layerName;
  name.Remove(BaseSizeMarker()[0]);
  name.Remove(CutLineSuffix()[0]);
  name.Remove(TechLineSuffix()[0]);
  return name;
}

bool IsBaseSizeLayer(const CString& layerName) { return layerName.Find(BaseSizeMarker()) >= 0; }

bool IsDefpointsName(const CString& name) { return name.CompareNoCase(L"DEFPOINTS") == 0; }

bool CheckSizeName(const CString& name, CString* reason) {
  auto fail = [reason](const wchar_t* why) {
    if (reason) *reason = why;
    return false;
  };
  CString trimmed = name;
  if (trimmed.Trim().IsEmpty()) return fail(L"pusta nazwa rozmiaru");
  for (wchar_t c : name.str())
    if (c < 0x20) return fail(L"nazwa rozmiaru zawiera znak sterujący");
  if (name.FindOneOf(L"^'~|") >= 0) return fail(L"nazwa rozmiaru zawiera jeden ze znaków ^ ' ~ |");
  if (name == L"0" || IsDefpointsName(name)) return fail(L"nazwa zarezerwowana dla warstwy");
  // The longest layer of the size: the marker, the name and a suffix.
  CString longest = BaseSizeMarker() + name + CutLineSuffix();
  if (!ZcDbSymbolTableRecord::isValidName(longest)) return fail(L"nazwa nie może być nazwą warstwy");
  return true;
}

CString QuoteForFilter(const CString& text) {
  CString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    wchar_t c = text[i];
    if (CString(L"#@.*?[]~,`").Find(c) >= 0) out += L'`';
    out += c;
  }
  return out;
}
