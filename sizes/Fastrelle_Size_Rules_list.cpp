// The size rules list: rows of sizes, their stored names and colour cells.
#include "sizes/Fastrelle_Size_Rules_list.h"

#include "framework/Strings.h"
#include "sizes/Fastrelle_Size_ZW.h"
#include "ui/UI_ColSel_btn.h"
#include "win/crt.h"

IMPLEMENT_DYNAMIC(Fastrelle_Size_Rules_list, Zc_DataGrid)

void Fastrelle_Size_Rules_list::SetStoredName(int row, const CString& name) {
  UI_DataGridCell* cell = GetCell(row, 0);
  if (!cell) return;
  cell->options.RemoveAll();
  cell->options.Add(name);
}

void Fastrelle_Size_Rules_list::BindColorCell(int row, const Fastrelle_Size& size) {
  // The size's own layer names, even when one of them is missing: never size "0"'s.
  Fastrelle_Size_ZW bound(size);
  if (!PutLayerColorCell(row, 1, bound.Seam().GetLayerName())) return;
  AddCellLayer(row, 1, bound.Cut().GetLayerName());
  AddCellLayer(row, 1, bound.Tech().GetLayerName());
}

std::vector<int> Fastrelle_Size_Rules_list::SelectedRows() const {
  std::vector<int> rows;
  for (int r = 0; r < GetItemCount(); ++r)
    if (GetItemState(r, LVIS_SELECTED) & LVIS_SELECTED) rows.push_back(r);
  return rows;
}

void FillSizeRulesList(Fastrelle_Size_Rules_list& list, const std::vector<Fastrelle_Size>& sizes) {
  list.Clear();
  for (const Fastrelle_Size& size : sizes) AddSizeRuleRow(list, list.GetItemCount(), size);
}

int AddSizeRuleRow(Fastrelle_Size_Rules_list& list, int row, const Fastrelle_Size& size) {
  const int index = list.InsertRow(row, size.GetName());
  if (index < 0) return -1;
  if (size.IsBase()) list.SetItemText(index, 0, L"*" + size.GetName());
  list.SetItemText(index, 1, IntToString(size.GetColor()));
  list.SetStoredName(index, size.GetName());
  list.BindColorCell(index, size);
  return index;
}

std::vector<Fastrelle_Size> CollectSizes(const Fastrelle_Size_Rules_list& list) {
  std::vector<Fastrelle_Size> sizes;
  for (int r = 0; r < list.GetItemCount(); ++r) {
    CString name = list.GetItemText(r, 0);
    const bool base = name.Left(1) == L"*";
    if (base) name.Trim(L'*');
    const CString colorText = list.GetItemText(r, 1);
    int color = !colorText.IsEmpty() && StartsWithNumber(colorText) ? _wtoi(colorText) : 0;
    if (UI_DataGridCell* cell = list.GetCell(r, 1))
      if (auto* button = dynamic_cast<UI_ColSel_btn*>(CWnd::FromHandlePermanent(cell->editor)))
        color = button->GetColorIndex();
    if (color == -1) color = DefaultSizeColor();
    sizes.emplace_back(name, color, base);
  }
  return sizes;
}

int FindBaseRow(const Fastrelle_Size_Rules_list& list) {
  for (int r = 0; r < list.GetItemCount(); ++r)
    if (list.GetItemText(r, 0).Left(1) == L"*") return r;
  return -1;
}
