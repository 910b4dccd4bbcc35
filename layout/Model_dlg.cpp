// The model dialog.
#include "layout/Model_dlg.h"

#include <memory>

#include "construction/Fastrelle_Parts.h"
#include "db/ZcDbPolyline.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/SideDatabase.h"
#include "layout/Fastrelle_Plot_ErrorHandler.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_saver_XData.h"
#include "layout/ListModelMaterials.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
const int kFileId = 1006, kMaterialId = 1005, kLinesId = 1009, kSizesId = 1007;
const UINT kModelText = 43121, kInfoText = 43131, kMaterialText = 43133, kLinesText = 43155, kNoPart = 43157,
           kNoBorder = 43109, kNotSaved = 43107;

std::unique_ptr<CString> g_lastPath, g_lastMaterial;

void ShowStatus(const CString& path, int status) {
  CString text = path + L" es: ";
  text += zcadErrorStatusText(status);
  ZWAlert().ShowMessage(text);
}
}  // namespace

CString& Model_dlg::LastModelPath() {
  if (!g_lastPath) g_lastPath = std::make_unique<CString>();
  return *g_lastPath;
}

CString& Model_dlg::LastMaterial() {
  if (!g_lastMaterial) g_lastMaterial = std::make_unique<CString>();
  return *g_lastMaterial;
}

void Model_dlg::FreeLastChoice() {
  g_lastPath.reset();
  g_lastMaterial.reset();
}

BEGIN_MESSAGE_MAP(Model_dlg, CZdUiDialog)
  ON_MESSAGE(Model_FileSelector::kModelChosen, OnModelChosen)
END_MESSAGE_MAP()

void Model_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kFileId, m_file);
  DDX_Control(dx, kMaterialId, m_material);
  DDX_Control(dx, kLinesId, m_lines);
  DDX_Control(dx, kSizesId, m_sizes);
}

BOOL Model_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(LoadResString(kModelText));
  SetDlgItemText(12007, LoadResString(kModelText));
  SetDlgItemText(12006, LoadResString(kInfoText));
  SetDlgItemText(12008, LoadResString(kMaterialText));
  SetDlgItemText(12010, LoadResString(kLinesText));
  m_lines.SetCurSel(2);
  m_file.SetWindowText(LastModelPath());
  ReloadModel();
  const CString& last = LastMaterial();
  for (int i = 0; i < m_material.GetCount(); ++i) {
    CString text;
    m_material.GetLBText(i, text);
    if (text.Left(last.GetLength()).CompareNoCase(last) == 0) {
      m_material.SetCurSel(i);
      break;
    }
  }
  return TRUE;
}

LRESULT Model_dlg::OnModelChosen(WPARAM, LPARAM) {
  ReloadModel();
  return 0;
}

void Model_dlg::ReloadModel() {
  const CString path = m_file.GetPath();
  if (path.IsEmpty()) return;
  m_sizes.Clear();
  m_material.ResetContent();
  SideDatabase model(path);
  if (model.Open() != 0) return;
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers(model.Database());
  for (const Fastrelle_Size& size : sizes.Sizes()) m_sizes.AddSize(size.GetName());
  CStringArray materials;
  ListModelMaterials(model.Database(), materials);
  for (int i = 0; i < materials.GetSize(); ++i) m_material.AddString(materials[i]);
}

void Model_dlg::OnOK() {
  const CString path = m_file.GetPath();
  if (path.IsEmpty()) return;
  if (const int code = CheckModelFile(path)) {
    Fastrelle_Plot_ErrorHandler(code, path).Show();
    return;
  }
  CString material;
  if (m_material.GetCurSel() >= 0) m_material.GetLBText(m_material.GetCurSel(), material);
  std::vector<Fastrelle_Part> parts;
  {
    SideDatabase model(path);
    if (const int status = model.Open()) {
      ShowStatus(path, status);
      return;
    }
    LastModelPath() = path;
    LastMaterial() = material;
    Fastrelle_Parts all;
    all.Load(model.Database());
    all.FilterByMaterial(material, parts);
  }
  if (parts.empty()) {
    ZWAlert().ShowMessage(LoadResString(kNoPart));
    EndDialog(IDOK);
    return;
  }
  const ZcDbObjectId border = FindTaggedPolyline(L"Layout");
  if (border.isNull()) {
    ZWAlert().ShowMessage(LoadResString(kNoBorder));
    return;
  }
  Layout taken(0.0, 0.0);
  const int lines = m_lines.GetLines();
  for (const Fastrelle_Part& part : parts)
    for (const SizesList::Size& size : m_sizes.ReadSizes())
      taken.AddItem(LayoutItem(path, part, size.name, size.quantity, size.rotation, lines));
  Layout_saver_XData saver(taken);
  saver.SetTarget(border);
  if (!saver.Save()) {
    CString text;
    text.Format(LoadResString(kNotSaved), static_cast<const wchar_t*>(path));
    ZWAlert().ShowMessage(text);
    return;
  }
  Layout current(taken);
  current.SetCurrent();
  EndDialog(IDOK);
}
