// A module built with the tests (never installed) that cadhost loads with --load: its
// command DIALOGPROBE opens a dialog of its own template holding the system's controls (a
// layer grid with visibility, colour and numeric cells, an attribute grid from a template
// drawing, a save button), then prints what the dialog read.
#include "db/ZcDbSymbolTable.h"
#include "ed/ZcEdCommandStack.h"
#include "ed/zced.h"
#include "framework/Layers.h"
#include "framework/NameValueList.h"
#include "framework/ResourceModule.h"
#include "mfc/CDialog.h"
#include "ui/FileFilterList.h"
#include "ui/UI_DataGrid_2.h"
#include "ui/UI_PropertiesGrid.h"

namespace {

ExtensionModule g_extension;

class ProbeDialog : public CDialog {
public:
  explicit ProbeDialog(const CString& templatePath) : CDialog(9100), m_template(templatePath) {}
  CStringArray m_report;

protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 9101, m_layers);
    DDX_Control(dx, 9102, m_attributes);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_layers.InsertColumn(0, L"Warstwa", LVCFMT_LEFT, 80);
    m_layers.InsertColumn(1, L"Widoczna", LVCFMT_LEFT, 40);
    m_layers.InsertColumn(2, L"Kolor", LVCFMT_LEFT, 40);
    m_layers.InsertColumn(3, L"Długość", LVCFMT_LEFT, 60);
    m_layers.SetRowHeight();
    CStringArray names;
    GetLayerNames(names);
    for (int i = 0; i < names.GetSize(); ++i) {
      int row = m_layers.InsertRow(i, names[i]);
      m_layers.SetItemText(row, 3, L"0");
      m_layers.PutLayerVisibilityCell(row, 1, names[i]);
      m_layers.PutLayerColorCell(row, 2, names[i]);
      m_layers.PutNumericEdit(row, 3);
    }
    m_attributes.LoadTemplate(m_template);
    return TRUE;
  }
  void OnOK() override {
    for (int r = 0; r < m_layers.GetItemCount(); ++r) {
      CString line;
      line.Format(L"%s: %g", m_layers.GetItemText(r, 0), m_layers.GetCellDouble(r, 3));
      m_report.Add(line);
    }
    NameValueList values;
    values.ReadFromPropertyGroup(m_attributes.AttributeGroup());
    for (const NameValue& v : values) m_report.Add(v.name + L" = " + v.value);
    m_report.Add(L"saved as " + (m_saved.IsEmpty() ? CString(L"(nothing)") : m_saved));
    CDialog::OnOK();
  }
  void OnSave() {
    FileFilterList files;
    files.m_open = false;
    files.AddFilter(L"Pliki rozmiarów", L"*.txs");
    if (files.ShowDialog()) m_saved = files.GetPathName();
  }
  DECLARE_MESSAGE_MAP()

private:
  CString m_template, m_saved;
  Zc_DataGrid m_layers;
  Zc_AttributesGrid m_attributes;
};

BEGIN_MESSAGE_MAP(ProbeDialog, CDialog)
  ON_BN_CLICKED(9103, OnSave)
END_MESSAGE_MAP()

void DialogProbe() {
  wchar_t path[512] = {};
  if (zcedGetString(1, L"\nTemplate drawing: ", path) != RTNORM) return;
  ProbeDialog dlg(path);
  if (dlg.DoModal() != IDOK) return;
  for (int i = 0; i < dlg.m_report.GetSize(); ++i) zcutPrintf(L"\n%s", dlg.m_report[i]);
  zcutPrintf(L"\n");
}

ZcEdCommandStack* Commands() {
  return static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
}

}  // namespace

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  if (message == ZcRx::kInitAppMsg) Commands()->addCommand(L"PROBE", L"DIALOGPROBE", L"DIALOGPROBE", 1, DialogProbe);
  if (message == ZcRx::kUnloadAppMsg) Commands()->removeGroup(L"PROBE");
  return ResourceModuleEntryPoint(message, packet);
}

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  return ResourceModuleDllMain(g_extension, instance, reason);
}
