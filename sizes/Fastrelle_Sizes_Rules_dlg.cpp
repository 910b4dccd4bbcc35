// The size rules dialog: its controls and what each does to the drawing's sizes.
#include "sizes/Fastrelle_Sizes_Rules_dlg.h"

#include <algorithm>

#include "framework/Layers.h"
#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "sizes/ApplySizeToAllParts.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/Fastrelle_Sizes_ToFile.h"
#include "sizes/PartGroupsLink.h"
#include "sizes/RebuildPartsInAllSizes.h"
#include "sizes/RenameSize.h"
#include "sizes/SizeCreator.h"
#include "sizes/UniqueSizeName.h"

namespace {
constexpr int kListId = 8013, kAddId = 8015, kDeleteId = 8016, kBaseId = 1000, kImportId = 8010, kExportId = 8011,
              kEvalId = 8017, kCloseId = 8014;
constexpr UINT kSizeHeader = 40103, kColorHeader = 40104, kImportText = 40109, kExportText = 40121,
               kEvalText = 40122, kTitle = 40124, kCloseText = 40306;
constexpr int kNoGroup = 20;
constexpr int kClosed = 8;

/// The drawing's size of that name (case aside), read afresh; false when there is none.
bool DrawingSize(const CString& name, Fastrelle_Size& found) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes())
    if (size.GetName().CompareNoCase(name) == 0) {
      found = size;
      return true;
    }
  return false;
}

std::vector<Fastrelle_Size> DrawingSizes() {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  return sizes.Sizes();
}

void PrintFailure(const CString& what, int status) {
  ZWPrinter().Print(L"\n" + what);
  PrintErrorStatus(status);
}
}  // namespace

IMPLEMENT_DYNAMIC(Fastrelle_Sizes_Rules_dlg, CZdUiDialog)

BEGIN_MESSAGE_MAP(Fastrelle_Sizes_Rules_dlg, CZdUiDialog)
  ON_BN_CLICKED(kAddId, OnAdd)
  ON_BN_CLICKED(kDeleteId, OnDelete)
  ON_BN_CLICKED(kBaseId, OnBase)
  ON_BN_CLICKED(kImportId, OnImport)
  ON_BN_CLICKED(kExportId, OnExport)
  ON_BN_CLICKED(kCloseId, OnClose8014)
  ON_NOTIFY(LVN_BEGINLABELEDITW, kListId, OnBeginLabelEdit)
  ON_NOTIFY(LVN_ENDLABELEDITW, kListId, OnEndLabelEdit)
END_MESSAGE_MAP()

void Fastrelle_Sizes_Rules_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kListId, m_list);
  DDX_Control(dx, kEvalId, m_eval);
}

BOOL Fastrelle_Sizes_Rules_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  m_eval.SetDialog(this);
  SetWindowText(ProductGroupName() + L" " + LoadResString(kTitle));
  const struct {
    int id;
    CString text;
  } texts[] = {{kAddId, L"+"},
               {kDeleteId, L"x"},
               {kBaseId, L"*"},
               {kImportId, LoadResString(kImportText)},
               {kExportId, LoadResString(kExportText)},
               {kEvalId, LoadResString(kEvalText)},
               {kCloseId, LoadResString(kCloseText)}};
  for (const auto& t : texts)
    if (CWnd* control = GetDlgItem(t.id)) control->SetWindowText(t.text);
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  CRect box;
  m_list.GetClientRect(&box);
  const int width = box.Width() - 5;
  m_list.InsertColumn(0, LoadResString(kSizeHeader), LVCFMT_LEFT, width * 80 / 100);
  m_list.InsertColumn(1, LoadResString(kColorHeader), LVCFMT_LEFT, width * 20 / 100);
  FillSizeRulesList(m_list, m_sizes);
  return TRUE;
}

void Fastrelle_Sizes_Rules_dlg::OnAdd() {
  const Fastrelle_Size size(UniqueSizeName(), DefaultSizeColor(), false);
  if (int es = EnsureSizeLayers(size)) {
    PrintFailure(L"EnsureSizeLayers " + size.GetName(), es);
    return;
  }
  if (int es = ApplySizeToAllParts(FindSizeInDrawing(size))) PrintFailure(L"ApplySizeToAllParts " + size.GetName(), es);
  const int row = AddSizeRuleRow(m_list, m_list.GetItemCount(), size);
  if (row >= 0) m_list.SetSelectionMark(row);
}

void Fastrelle_Sizes_Rules_dlg::OnDelete() {
  // Names first: deleting rows moves the ones below, and rows are told apart by name.
  const std::vector<int> rows = m_list.SelectedRows();
  std::vector<CString> names;
  for (int row : rows) names.push_back(m_list.StoredName(row));
  PartGroupsLink* parts = GetPartGroupsLink();
  for (std::size_t i = rows.size(); i-- > 0;) {
    const CString& name = names[i];
    int failed = 0;
    for (const CString& part : parts ? parts->PartNames() : std::vector<CString>()) {
      const int es = parts->EraseGroup(part, name);
      if (es == kNoGroup) continue;  // no group in that size: nothing to erase
      if (es) {
        PrintFailure(L"PartSizeGroup::Erase " + part + L"|" + name, es);
        failed = es;
        break;
      }
    }
    if (failed) continue;
    Fastrelle_Size size;
    if (DrawingSize(name, size)) {
      Fastrelle_Size_ZW bound(size);
      bound.DeleteLayers();
      if (FindLayer(bound.Seam().GetLayerName()) || FindLayer(bound.Cut().GetLayerName()) ||
          FindLayer(bound.Tech().GetLayerName()))
        continue;  // what stayed was named by DeleteLayers; the row keeps naming it
    }
    m_list.DeleteRow(rows[i]);
  }
}

void Fastrelle_Sizes_Rules_dlg::OnBase() {
  const std::vector<int> rows = m_list.SelectedRows();
  if (rows.empty()) return;
  const int mark = m_list.GetSelectionMark();
  const int row = std::find(rows.begin(), rows.end(), mark) != rows.end() ? mark : rows.front();
  const int old = FindBaseRow(m_list);
  if (old >= 0) {
    CString text = m_list.GetItemText(old, 0);
    m_list.SetItemText(old, 0, text.Trim(L'*'));
  }
  const CString name = m_list.StoredName(row);
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  sizes.SetBaseSize(name);
  // Both rows' colour cells follow their layers' new names.
  for (int r : {old, row})
    for (const Fastrelle_Size& size : sizes.Sizes())
      if (r >= 0 && size.GetName().CompareNoCase(m_list.StoredName(r)) == 0) m_list.BindColorCell(r, size);
  CString text = m_list.GetItemText(row, 0);
  m_list.SetItemText(row, 0, L"*" + text.Trim(L'*'));
}

void Fastrelle_Sizes_Rules_dlg::Rename(int row, const CString& typed) {
  CString text = typed;
  text.TrimLeft(L'*');
  const CString stored = m_list.StoredName(row);
  if (text.IsEmpty() || text.Compare(stored) == 0) return;
  if (RenameSize(stored)(text)) return;
  m_list.SetStoredName(row, text);
  const bool base = m_list.GetItemText(row, 0).Left(1) == L"*";
  m_list.SetItemText(row, 0, base ? L"*" + text : text);
  Fastrelle_Size size;
  if (DrawingSize(text, size)) m_list.BindColorCell(row, size);
}

void Fastrelle_Sizes_Rules_dlg::OnBeginLabelEdit(NMHDR*, LRESULT* result) { *result = 0; }

void Fastrelle_Sizes_Rules_dlg::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
  *result = 0;
  auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
  if (info->item.pszText) Rename(info->item.iItem, info->item.pszText);
}

void Fastrelle_Sizes_Rules_dlg::OnImport() {
  Fastrelle_Sizes_ToFile file;
  file.Dialog().m_open = true;
  std::vector<Fastrelle_Size> read;
  if (file.Dialog().ShowDialog()) file.Load(file.Dialog().GetPathName(), read);
  SizeCreator().Create(read);
  m_sizes = DrawingSizes();
  FillSizeRulesList(m_list, m_sizes);
  if (int es = RebuildPartsInAllSizes()) PrintFailure(L"RebuildPartsInAllSizes", es);
}

void Fastrelle_Sizes_Rules_dlg::OnExport() { Fastrelle_Sizes_ToFile().Save(CollectSizes(m_list)); }

void Fastrelle_Sizes_Rules_dlg::OnClose8014() {
  m_sizes = CollectSizes(m_list);
  EndDialog(kClosed);
}
