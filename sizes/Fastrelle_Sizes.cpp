// The size list and the free functions of the size table.
#include "sizes/Fastrelle_Sizes.h"

#include <stdexcept>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/ErrorStatus.h"
#include "framework/Layers.h"
#include "sizes/SizeLayerNames.h"

Fastrelle_Size Fastrelle_Sizes::GetAt(int index) const {
  if (index < 0 || index >= GetCount()) throw std::out_of_range("invalid vector<T> subscript");
  return m_sizes[index];
}

bool Fastrelle_Sizes::FindBase(Fastrelle_Size& base) const {
  for (const Fastrelle_Size& size : m_sizes)
    if (size.IsBase()) {
      base = size;
      return true;
    }
  return false;
}

bool Fastrelle_Sizes::Contains(const CString& name) const {
  for (const Fastrelle_Size& size : m_sizes)
    if (size.GetName() == name) return true;
  return false;
}

void Fastrelle_Sizes_ZW::LoadFromLayers(ZcDbDatabase* db) {
  ZcDbDatabase* source = db ? db : zcdbHostApplicationServices()->workingDatabase();
  ZcDbLayerTable* table = nullptr;
  if (!source || source->getLayerTable(table, ZcDb::kForRead) != Zcad::eOk) return;
  const int defaultColor = DefaultSizeColor();
  for (ZcDbObjectId id : table->recordIds()) {
    ZcDbLayerTableRecord* layer = nullptr;
    if (zcdbOpenObject(layer, id, ZcDb::kForRead) != Zcad::eOk) continue;
    CString layerName = layer->name();
    int color = layer->color().colorIndex();
    layer->close();
    if (IsDefpointsName(layerName)) continue;
    CString name = SizeNameOfLayer(layerName);
    // A size has several layers: the name is checked at its first only.
    if (Contains(name) || !CheckSizeName(name)) continue;
    m_sizes.emplace_back(name, color > 0 ? color : defaultColor, IsBaseSizeLayer(layerName));
  }
  table->close();
}

Fastrelle_Size_ZW Fastrelle_Sizes_ZW::Find(const CString& name) const {
  for (const Fastrelle_Size& size : m_sizes)
    if (size.GetName().CompareNoCase(name) == 0) return Fastrelle_Size_ZW(size);
  return SizeFromLayerName(L"0");
}

void Fastrelle_Sizes_ZW::SetBaseSize(const CString& name) {
  for (Fastrelle_Size& entry : m_sizes) {
    bool chosen = entry.GetName().CompareNoCase(name) == 0;
    if (!chosen && !entry.IsBase()) continue;
    Fastrelle_Size_ZW bound(entry);
    bound.SetBase(chosen);
    entry.SetBase(chosen);
  }
}

void ListSizeNamesFromLayers(CStringArray& names, ZcDbDatabase* db) {
  CStringArray layers;
  GetLayerNames(layers, db);
  std::vector<CString> seen;
  for (const CString& layer : layers) {
    if (IsDefpointsName(layer)) continue;
    CString name = SizeNameOfLayer(layer);
    if (name.CompareNoCase(L"0") == 0) continue;
    bool listed = false;
    for (int i = 0; i < names.GetSize() && !listed; ++i) listed = names[i] == name;
    if (!listed) names.Add(name);
  }
}

std::vector<CString> CollectSizeNames() {
  CStringArray layers;
  GetLayerNames(layers);
  std::vector<CString> names;
  for (const CString& layer : layers) {
    if (IsDefpointsName(layer)) continue;
    CString name = SizeNameOfLayer(layer);
    bool listed = false;
    for (const CString& n : names) listed = listed || n == name;
    if (!listed) names.push_back(name);
  }
  return names;
}

Fastrelle_Size_ZW FindSizeInDrawing(const Fastrelle_Size& size) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& candidate : sizes.Sizes())
    if (candidate.GetName().CompareNoCase(size.GetName()) == 0) {
      Fastrelle_Size_ZW bound(candidate);
      if (bound.OpenLayers() == Zcad::eOk) return bound;
      break;
    }
  return SizeFromLayerName(L"0");
}

CString GetBaseSizeName(ZcDbDatabase* db) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers(db);
  Fastrelle_Size base;
  return sizes.FindBase(base) ? base.GetName() : CString();
}

int EnsureSizeLayers(Fastrelle_Size size) {
  const CString name = size.GetName();
  if (name != L"0" && !CheckSizeName(name)) return Zcad::eInvalidSymbolTableName;
  int first = Zcad::eOk;
  Linetype_Seam seam;
  Linetype_Cut cut;
  Linetype_Tech tech;
  for (Fastrelle_Linetype* kind : {static_cast<Fastrelle_Linetype*>(&seam), static_cast<Fastrelle_Linetype*>(&cut),
                                   static_cast<Fastrelle_Linetype*>(&tech)}) {
    int es = kind->SetOwnerAndLoad(name, size.IsBase());
    // A layer made without its line kind ("Lines.ini" missing) is still the size's layer.
    if (es == Zcad::eWrongObjectType) es = kind->Create();
    if (FindLayer(kind->GetLayerName())) {
      kind->SetColorIndex(size.GetColor());
    } else if (first == Zcad::eOk) {
      first = es != Zcad::eOk ? es : Zcad::eWrongObjectType;
    }
  }
  return first;
}
