// The part-set dialog's parts list.
#include "construction/PartsSet_PartsList.h"

#include <cwchar>

#include "construction/Fastrelle_Forms.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartRecords.h"
#include "construction/PartsSetTable.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "mfc/CComboBox.h"

IMPLEMENT_DYNAMIC(PartsSet_PartsList, UI_DataGrid_2)

namespace {
const UINT kNumberTitle = 40233, kNameTitle = 40235, kMaterialTitle = 40234, kQuantityTitle = 40236,
           kModeTitle = 40237;

const int kBadInput = 3;

void PrintRowFailure(const CString& part, const wchar_t* step, int status) {
  ZWPrinter().Print(L"\n" + part + L": PartsSet_PartsList::" + step);
  PrintErrorStatus(status);
}

// A whole number written as one: an optional "-" and digits, blanks around allowed.
//   " 12 " => 12;  "-3" => -3;  "" / "dwa" / "2,5" => false
bool ParseWholeNumber(CString text, long& value) {
  text.Trim();
  if (text.IsEmpty() || text.GetLength() > 9) return false;
  for (int i = 0; i < text.GetLength(); ++i)
    if (!(text[i] >= L'0' && text[i] <= L'9') && !(i == 0 && text[i] == L'-' && text.GetLength() > 1)) return false;
  value = std::wcstol(text, nullptr, 10);
  return true;
}
}  // namespace

void PartsSet_PartsList::Fill() {
  SetExtendedStyle(GetExtendedStyle() | LVS_EX_GRIDLINES);
  const struct {
    UINT title;
    int width;
  } columns[] = {{kNumberTitle, 20}, {kNameTitle, 100}, {kMaterialTitle, 70}, {kQuantityTitle, 50}, {kModeTitle, 100}};
  for (int c = 0; c < 5; ++c) InsertColumn(c, LoadResString(columns[c].title), LVCFMT_LEFT, columns[c].width);
  SetRowHeight();
  CStringArray modes;
  for (int type = 0; type < 3; ++type) modes.Add(PartsSetTable::ModeText(type));
  Fastrelle_Parts parts;
  parts.Load(nullptr);
  for (const Fastrelle_Part& part : parts.Parts()) {
    CString number;
    number.Format(L"%i", GetItemCount() + 1);
    const int row = InsertRow(GetItemCount(), number);
    if (row < 0) continue;
    CString quantity;
    quantity.Format(L"%i", part.GetQuantity());
    SetItemText(row, kName, part.GetName());
    SetItemText(row, kMaterial, Fastrelle_Part_Drawer(part.GetName(), nullptr).GetMaterial());
    SetItemText(row, kQuantity, quantity);
    SetItemText(row, kMode, PartsSetTable::ModeText(part.GetType()));
    PutTextEdit(row, kName);
    PutTextEdit(row, kMaterial);
    PutNumericEdit(row, kQuantity);
    PutComboCell(row, kMode, modes);
    if (CWnd* combo = GetCellEditor(row, kMode)) combo->SendMessage(CB_SETCURSEL, part.GetType());
    m_names.resize(row + 1);
    m_names[row] = part.GetName();
  }
  PlaceEditors();
}

void PartsSet_PartsList::PlaceEditors() {
  // Making an editor for a cell beyond the right edge scrolls the list, which leaves the
  // editors made before it off their cells: back to the left edge, each onto its cell.
  Scroll(CSize(-1000000, 0));
  for (int row = 0; row < GetItemCount(); ++row) {
    CRect item;
    GetItemRect(row, item, LVIR_BOUNDS);
    int left = item.left;
    for (int column = 0; column < 5; ++column) {
      const int width = GetColumnWidth(column);
      if (CWnd* editor = GetCellEditor(row, column))
        editor->SetWindowPos(nullptr, left + 2, item.top, width - 4, item.Height() + 1, SWP_NOZORDER);
      left += width;
    }
  }
}

CString PartsSet_PartsList::PartName(int row) const {
  return row >= 0 && row < static_cast<int>(m_names.size()) ? m_names[row] : CString();
}

int PartsSet_PartsList::ChosenMode(int row) const {
  CWnd* combo = GetCellEditor(row, kMode);
  return combo ? static_cast<int>(combo->SendMessage(CB_GETCURSEL)) : -1;
}

void PartsSet_PartsList::Save() {
  int previousType = 0;
  for (int row = 0; row < GetItemCount() && row < static_cast<int>(m_names.size()); ++row) SaveRow(row, previousType);
}

void PartsSet_PartsList::SaveRow(int row, int& previousType) {
  const CString name = m_names[row];
  Fastrelle_Part_Drawer part(name, nullptr);
  long quantity = 0;
  if (!ParseWholeNumber(CellText(row, kQuantity), quantity)) PrintRowFailure(name, L"SetQuantity", kBadInput);
  else if (quantity != part.GetQuantity()) part.SetQuantity(static_cast<int>(quantity));  // out of range: printed, kept
  const CString material = CellText(row, kMaterial);
  if (material != part.GetMaterial()) {
    Fastrelle_Forms forms(name);
    if (int es = forms.SetMaterial(material)) PrintRowFailure(name, L"SetMaterial", es);
  }
  const int chosen = ChosenMode(row);
  const int type = chosen >= 0 ? chosen : previousType;
  previousType = type;
  if (type != part.GetType())
    if (int es = part.SetType(type)) {
      PrintRowFailure(name, L"SetType", es);
      return;
    }
  const CString newName = CellText(row, kName);
  if (newName == name) return;
  if (int es = part.Rename(newName)) {
    PrintRowFailure(name, L"Rename", es);
    return;
  }
  part.DeleteRecord();
  if (int es = WritePartRecord(nullptr, newName, part.GetType(), part.GetQuantity())) {
    PrintRowFailure(newName, L"WriteRecord", es);
    return;
  }
  m_names[row] = newName;
}
