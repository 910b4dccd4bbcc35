// Fastrelle_Size_ZW: binding, renaming, colouring, erasing and deleting a size's layers.
#include "sizes/Fastrelle_Size_ZW.h"

#include "db/ZcDbDatabase.h"
#include "db/ZcDbEntity.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/ErrorStatus.h"
#include "framework/Layers.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "sizes/SizeLayerNames.h"

namespace {
/// The colour index of the layer in `db`; `fallback` when it has no such layer.
int LayerColor(const CString& layerName, ZcDbDatabase* db, int fallback) {
  ZcDbLayerTableRecord* layer = FindLayer(layerName, db);
  return layer ? layer->color().colorIndex() : fallback;
}
}  // namespace

Fastrelle_Size_ZW::Fastrelle_Size_ZW(const Fastrelle_Size& size) : Fastrelle_Size(size) { OpenLayers(); }

Fastrelle_Size_ZW::Fastrelle_Size_ZW(ZcDbObjectId entity) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, entity, ZcDb::kForRead) != Zcad::eOk) return;
  CString layer = e->layer();
  e->close();
  m_name = SizeNameOfLayer(layer);
  m_base = IsBaseSizeLayer(layer);
  m_color = LayerColor(layer, nullptr, m_color);
  OpenLayers();
}

Fastrelle_Size_ZW SizeFromLayerName(const CString& layerName, ZcDbDatabase* db) {
  Fastrelle_Size_ZW size;
  size.m_name = SizeNameOfLayer(layerName);
  size.m_base = IsBaseSizeLayer(layerName);
  size.m_color = LayerColor(layerName, db, size.m_color);
  size.OpenLayers();
  return size;
}

void Fastrelle_Size_ZW::SetColor(int color) {
  m_seam.SetColorIndex(color);
  m_cut.SetColorIndex(color);
  m_tech.SetColorIndex(color);
}

void Fastrelle_Size_ZW::SetBase(bool base) {
  Fastrelle_Size::SetBase(base);
  m_seam.SetBase(base);
  m_cut.SetBase(base);
  m_tech.SetBase(base);
}

void Fastrelle_Size_ZW::SetName(const CString& name) {
  CString reason;
  if (!CheckSizeName(name, &reason)) {
    ZWPrinter().Print(L"\nFastrelle_Size_ZW::SetName \"" + name + L"\": " + reason);
    return;
  }
  Fastrelle_Size::SetName(name);
  m_seam.SetOwnerName(name);
  m_cut.SetOwnerName(name);
  m_tech.SetOwnerName(name);
}

int Fastrelle_Size_ZW::OpenLayers() {
  int status = Zcad::eOk;
  for (Fastrelle_Linetype* kind : {static_cast<Fastrelle_Linetype*>(&m_seam), static_cast<Fastrelle_Linetype*>(&m_cut),
                                   static_cast<Fastrelle_Linetype*>(&m_tech)})
    if (kind->SetOwnerAndLoad(m_name, m_base) == Zcad::eWrongObjectType) status = Zcad::eWrongObjectType;
  return status;
}

int Fastrelle_Size_ZW::EraseEntities() {
  // Layer names are free text: quoted, so that no character of theirs acts as a wildcard.
  ResBuf filter;
  filter.BeginOr();
  filter.Add(8, QuoteForFilter(m_seam.GetLayerName()));
  filter.Add(8, QuoteForFilter(m_cut.GetLayerName()));
  filter.Add(8, QuoteForFilter(m_tech.GetLayerName()));
  filter.EndOr();
  SSGet selection(kSelectAll, filter.Head());
  selection.SavePickStyle();
  selection.Select();
  int first = Zcad::eOk;
  for (ZcDbObjectId id : selection.Ids()) {
    ZcDbEntity* e = nullptr;
    int es = zcdbOpenObject(e, id, ZcDb::kForWrite);
    if (es == Zcad::eOk) {
      es = e->erase();
      e->close();
    }
    if (es != Zcad::eOk && first == Zcad::eOk) first = es;
  }
  return first;
}

int Fastrelle_Size_ZW::DeleteLayers() {
  int first = EraseEntities();
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbLayerTable* table = nullptr;
  if (db && db->getLayerTable(table, ZcDb::kForRead) == Zcad::eOk) {
    table->generateUsageData();
    table->close();
  }
  for (Fastrelle_Linetype* kind : {static_cast<Fastrelle_Linetype*>(&m_seam), static_cast<Fastrelle_Linetype*>(&m_cut),
                                   static_cast<Fastrelle_Linetype*>(&m_tech)}) {
    CString name = kind->GetLayerName();
    ZcDbLayerTableRecord* found = FindLayer(name);
    if (!found) continue;
    ZcDbLayerTableRecord* layer = nullptr;
    int es = zcdbOpenObject(layer, found->objectId(), ZcDb::kForWrite);
    if (es == Zcad::eOk) {
      es = layer->erase();
      int closed = layer->close();
      if (es == Zcad::eOk) es = closed;
    }
    if (es != Zcad::eOk) {
      ZWPrinter().Print(L"\nFastrelle_Size_ZW::DeleteLayers " + name);
      PrintErrorStatus(es);
      if (first == Zcad::eOk) first = es;
    }
  }
  return first;
}
