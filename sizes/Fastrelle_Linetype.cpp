// Line kinds: layer names, "Lines.ini" sections, the layer XData and the kind tests.
#include "sizes/Fastrelle_Linetype.h"

#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/ErrorStatus.h"
#include "ed/ResultBuffer.h"
#include "framework/Folders.h"
#include "framework/IniFileReader.h"
#include "framework/Layers.h"
#include "framework/Printer.h"
#include "framework/XData.h"
#include "sizes/SizeLayerNames.h"

namespace {
const wchar_t kApp[] = L"Fastrelle_Linetype";

/// The sections of "Lines.ini", shared by every kind while the module is loaded.
INI& Sections() {
  static INI sections;
  return sections;
}

void LoadSectionsWhenEmpty() {
  if (Sections().GetCount() > 0) return;
  IniFileReader reader;
  reader.Load(GetInstallPath() + L"\\Config\\Lines.ini");
  Sections() = reader;
}

ZcDbObjectId LayerIdOf(const CString& name) {
  ZcDbLayerTableRecord* record = name.IsEmpty() ? nullptr : FindLayer(name);
  return record ? record->objectId() : ZcDbObjectId();
}

void PrintFailure(const wchar_t* method, int status) {
  ZWPrinter().Print(CString(L"Fastrelle_Linetype::") + method);
  PrintErrorStatus(status);
}
}  // namespace

Fastrelle_Linetype::Fastrelle_Linetype(const CString& owner, const CString& section)
    : m_owner(owner), m_section(section) {}

CString Fastrelle_Linetype::GetLayerName() const { return m_base ? BaseSizeMarker() + m_owner : m_owner; }
CString Linetype_Cut::GetLayerName() const { return Fastrelle_Linetype::GetLayerName() + CutLineSuffix(); }
CString Linetype_Tech::GetLayerName() const { return Fastrelle_Linetype::GetLayerName() + TechLineSuffix(); }

bool Fastrelle_Linetype::IsValid() const { return m_linetype.isValid() && m_layer.isValid(); }

int Fastrelle_Linetype::RenameLayer(const CString& from, const CString& to) {
  if (from.CompareNoCase(to) == 0) return Zcad::eOk;
  ZcDbObjectId id = LayerIdOf(from);
  if (id.isNull()) return Zcad::eOk;
  ZcDbLayerTableRecord* layer = nullptr;
  int es = zcdbOpenObject(layer, id, ZcDb::kForWrite);
  if (es == Zcad::eOk) {
    es = layer->setName(to);
    layer->close();
  }
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"\n" + from + L" -> " + to + L": ");
    PrintFailure(L"SetBase", es);
  }
  return es;
}

int Fastrelle_Linetype::Rename(const CString& owner, bool base) {
  const CString from = GetLayerName(), oldOwner = m_owner;
  const bool oldBase = m_base;
  m_owner = owner;
  m_base = base;
  int es = RenameLayer(from, GetLayerName());
  if (es != Zcad::eOk) {
    m_owner = oldOwner;
    m_base = oldBase;
  }
  return es;
}

int Fastrelle_Linetype::SetBase(bool base) { return Rename(m_owner, base); }

int Fastrelle_Linetype::SetOwnerName(const CString& owner) { return Rename(owner, m_base); }

int Fastrelle_Linetype::SetColorIndex(int index) {
  ZcDbLayerTableRecord* layer = FindLayer(GetLayerName());
  if (!layer) return Zcad::eOk;
  return SetLayerColorIndex(layer, static_cast<unsigned short>(index));
}

int Fastrelle_Linetype::ReadXData() {
  XDataReader reader;
  if (GetXData(reader, m_layer, kApp) != Zcad::eOk) return Zcad::eWrongObjectType;
  const resbuf* scale = reader.Head() ? reader.Head()->rbnext : nullptr;
  const resbuf* handle = scale ? scale->rbnext : nullptr;
  if (!scale || scale->restype != 1040 || !handle || handle->restype != 1005) return Zcad::eInvalidKey;
  m_scale = scale->resval.rreal;
  reader.SetCurrent(const_cast<resbuf*>(handle));
  m_linetype = IdFromHandle(reader);
  return Zcad::eOk;
}

int Fastrelle_Linetype::Load() {
  m_layer = LayerIdOf(GetLayerName());
  if (m_layer.isNull()) return Zcad::eWrongObjectType;
  ZcDbLayerTableRecord* layer = nullptr;
  if (zcdbOpenObject(layer, m_layer, ZcDb::kForRead) != Zcad::eOk) return Zcad::eWrongObjectType;
  m_linetype = layer->linetypeObjectId();
  layer->close();
  return ReadXData();
}

int Fastrelle_Linetype::SetOwnerAndLoad(const CString& owner, bool base) {
  m_owner = owner;
  m_base = base;
  m_layer = LayerIdOf(GetLayerName());
  if (m_layer.isNull()) return Zcad::eWrongObjectType;
  int es = ReadXData();
  return es == Zcad::eWrongObjectType ? Zcad::eOk : es;
}

int Fastrelle_Linetype::Configure() {
  LoadSectionsWhenEmpty();
  INI found = Sections().FindSections(m_section);
  if (found.GetCount() > 0) {
    INI_Section section = found.GetSection(0);
    m_scale = section.GetDouble(L"LineTypeScale");
    CString name = section.GetValue(L"LineType");
    m_linetype = ZcDbObjectId();
    if (!name.IsEmpty()) {
      UIS_Linetype linetype(name, ResolveInstallPath(section.GetValue(L"LineTypePath")));
      if (linetype.Record()) m_linetype = linetype.Record()->objectId();
    }
  }
  return IsValid() ? Zcad::eOk : Zcad::eWrongObjectType;
}

int Fastrelle_Linetype::Create() {
  // Without an owner the names would be "'" and "~", layers of no size.
  if (m_owner.IsEmpty()) return Zcad::eInvalidInput;
  CString name = GetLayerName();
  if (LayerIdOf(name).isNull()) {
    ZcDbLayerTableRecord* record = nullptr;
    if (int es = CreateLayer(name, record)) return es;
  }
  Configure();
  m_layer = LayerIdOf(name);
  return WriteXData();
}

int Fastrelle_Linetype::WriteXData() {
  if (!IsValid()) return Zcad::eWrongObjectType;
  zcdbRegApp(kApp);
  ZcDbObject* linetype = nullptr;
  int es = zcdbOpenObject(linetype, m_linetype, ZcDb::kForRead);
  if (es != Zcad::eOk) {
    PrintFailure(L"WriteXData", es);
    return es;
  }
  wchar_t handle[17] = {};
  linetype->handle().getIntoAsciiBuffer(handle);
  linetype->close();

  resbuf* app = zcutNewRb(1001);
  app->resval.rstring = zcutDupString(kApp);
  resbuf* scale = app->rbnext = zcutNewRb(1040);
  scale->resval.rreal = m_scale > 1e-7 ? m_scale : 1.0;
  resbuf* ref = scale->rbnext = zcutNewRb(1005);
  ref->resval.rstring = zcutDupString(handle);

  ZcDbLayerTableRecord* layer = nullptr;
  es = zcdbOpenObject(layer, m_layer, ZcDb::kForWrite);
  if (es == Zcad::eOk) {
    es = layer->setXData(app);
    int closed = layer->close();
    if (es == Zcad::eOk) es = closed;
  }
  zcutRelRb(app);
  if (es != Zcad::eOk) PrintFailure(L"WriteXData", es);
  return es;
}

bool Fastrelle_Linetype::IsSeamLayerName(const CString& name) { return !name.IsEmpty() && !IsDefpointsName(name); }

bool Fastrelle_Linetype::IsCutLayerName(const CString& name) {
  return IsSeamLayerName(name) && name.Right(1) == CutLineSuffix();
}

bool Fastrelle_Linetype::IsTechLayerName(const CString& name) {
  return IsSeamLayerName(name) && name.Right(1) == TechLineSuffix();
}

void Fastrelle_Linetype::ForgetSettings() { Sections() = INI(); }
