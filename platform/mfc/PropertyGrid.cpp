// The property grid and its rows: values, options, groups, file rows; the grid's dump and
// the scripted "prop" action (a row named by its path takes a typed text or a button press).
#include "mfc/CMFCPropertyGridCtrl.h"

#include <algorithm>
#include <cwchar>

#include "mfc/DialogSystem.h"
#include "mfc/TextFold.h"

IMPLEMENT_DYNAMIC(CMFCPropertyGridProperty, CObject)
IMPLEMENT_DYNAMIC(CMFCPropertyGridFileProperty, CMFCPropertyGridProperty)
IMPLEMENT_DYNAMIC(CMFCPropertyGridCtrl, CWnd)

const UINT AFX_WM_PROPERTY_CHANGED = RegisterWindowMessageW(L"AFX_WM_PROPERTY_CHANGED");

COleVariant::COleVariant(short value, VARTYPE type) : vt(type == VT_BOOL ? VT_BOOL : VT_I2), iVal(value) {
  if (vt == VT_BOOL) boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}
COleVariant::COleVariant(long value, VARTYPE type) : vt(type == VT_I2 ? VT_I2 : VT_I4), lVal(value) {
  iVal = static_cast<short>(value);
}

COleVariant& COleVariant::operator=(const COleVariant& other) {
  if (this == &other) return *this;
  vt = other.vt;
  dblVal = other.dblVal;
  iVal = other.iVal;
  lVal = other.lVal;
  boolVal = other.boolVal;
  text_ = other.text_;
  bstrVal = vt == VT_BSTR ? text_.data() : nullptr;
  return *this;
}

bool COleVariant::operator==(const COleVariant& o) const {
  if (vt != o.vt) return false;
  switch (vt) {
    case VT_R8: return dblVal == o.dblVal;
    case VT_I2: return iVal == o.iVal;
    case VT_I4: return lVal == o.lVal;
    case VT_BOOL: return boolVal == o.boolVal;
    case VT_BSTR: return text_ == o.text_;
  }
  return true;
}

CMFCPropertyGridProperty::CMFCPropertyGridProperty(const CString& groupName, DWORD_PTR data, BOOL)
    : m_name(groupName), m_group(TRUE), m_data(data) {}

CMFCPropertyGridProperty::CMFCPropertyGridProperty(const CString& name, const COleVariant& value,
                                                   const wchar_t* description, DWORD_PTR data, const wchar_t*,
                                                   const wchar_t*, const wchar_t*)
    : m_name(name), m_description(description), m_value(value), m_original(value), m_data(data) {}

CMFCPropertyGridProperty::~CMFCPropertyGridProperty() {
  for (CMFCPropertyGridProperty* item : m_items) delete item;
}

void CMFCPropertyGridProperty::SetValue(const COleVariant& value) {
  m_value = value;
  Redraw();
}

BOOL CMFCPropertyGridProperty::AddOption(const wchar_t* option, BOOL insertUnique) {
  CString o(option);
  if (insertUnique && std::find(m_options.begin(), m_options.end(), o) != m_options.end()) return FALSE;
  m_options.push_back(o);
  return TRUE;
}

const wchar_t* CMFCPropertyGridProperty::GetOption(int index) const {
  return index >= 0 && index < GetOptionCount() ? m_options[static_cast<size_t>(index)].GetString() : nullptr;
}

void CMFCPropertyGridProperty::SetOwnerList(CMFCPropertyGridCtrl* list) {
  m_pWndList = list;
  for (CMFCPropertyGridProperty* item : m_items) item->SetOwnerList(list);
}

BOOL CMFCPropertyGridProperty::AddSubItem(CMFCPropertyGridProperty* item) {
  if (!item || item == this) return FALSE;
  item->m_parent = this;
  item->SetOwnerList(m_pWndList);
  m_items.push_back(item);
  return TRUE;
}

BOOL CMFCPropertyGridProperty::RemoveSubItem(CMFCPropertyGridProperty*& item, BOOL deleteIt) {
  auto it = std::find(m_items.begin(), m_items.end(), item);
  if (it == m_items.end()) return FALSE;
  m_items.erase(it);
  if (deleteIt) {
    delete item;
    item = nullptr;
  } else {
    item->m_parent = nullptr;
  }
  return TRUE;
}

CMFCPropertyGridProperty* CMFCPropertyGridProperty::GetSubItem(int index) const {
  return index >= 0 && index < GetSubItemsCount() ? m_items[static_cast<size_t>(index)] : nullptr;
}

BOOL CMFCPropertyGridProperty::Expand(BOOL expand) {
  m_expanded = expand;
  return TRUE;
}

void CMFCPropertyGridProperty::Redraw() {
  if (m_pWndList && m_pWndList->IsWindow()) m_pWndList->Invalidate();
}

CString CMFCPropertyGridProperty::FormatProperty() {
  CString s;
  switch (m_value.vt) {
    case VT_R8: s.Format(L"%lf", m_value.dblVal); break;
    case VT_I2: s.Format(L"%d", static_cast<int>(m_value.iVal)); break;
    case VT_I4: s.Format(L"%d", static_cast<int>(m_value.lVal)); break;
    case VT_BOOL: s = m_value.boolVal ? L"True" : L"False"; break;
    case VT_BSTR: s = m_value.bstrVal; break;
  }
  return s;
}

BOOL CMFCPropertyGridProperty::TextToVar(const CString& text) {
  CString t = text;
  wchar_t* end = nullptr;
  switch (m_value.vt) {
    case VT_R8: {
      t.Replace(L',', L'.');
      double v = std::wcstod(t, &end);
      if (t.IsEmpty() || *end) return FALSE;
      SetValue(COleVariant(v));
      return TRUE;
    }
    case VT_I2:
    case VT_I4: {
      long v = std::wcstol(t, &end, 10);
      if (t.IsEmpty() || *end) return FALSE;
      SetValue(m_value.vt == VT_I2 ? COleVariant(static_cast<short>(v)) : COleVariant(v));
      return TRUE;
    }
    case VT_BOOL:
      if (t.CompareNoCase(L"True") && t.CompareNoCase(L"False")) return FALSE;
      SetValue(COleVariant(t.CompareNoCase(L"True") == 0));
      return TRUE;
  }
  SetValue(COleVariant(text));
  return TRUE;
}

CMFCPropertyGridFileProperty::CMFCPropertyGridFileProperty(const CString& name, BOOL openFileDialog,
                                                           const CString& fileName, const wchar_t* defaultExt,
                                                           DWORD flags, const wchar_t* filter,
                                                           const wchar_t* description, DWORD_PTR data)
    : CMFCPropertyGridProperty(name, COleVariant(fileName), description, data),
      m_bOpenFileDialog(openFileDialog),
      m_dwFileOpenFlags(flags),
      m_strDefExt(defaultExt),
      m_strFilter(filter) {}

void CMFCPropertyGridFileProperty::OnClickButton(CPoint) {
  CFileDialog dlg(m_bOpenFileDialog, m_strDefExt, m_value.bstrVal, m_dwFileOpenFlags, m_strFilter, m_pWndList);
  if (dlg.DoModal() != IDOK) return;
  SetValue(COleVariant(dlg.GetPathName()));
  if (m_pWndList) m_pWndList->OnPropertyChanged(this);
}

CMFCPropertyGridCtrl::~CMFCPropertyGridCtrl() { RemoveAll(); }

BOOL CMFCPropertyGridCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(L"MfcPropertyGrid", nullptr, style, rect, parent, id);
}

void CMFCPropertyGridCtrl::EnableHeaderCtrl(BOOL enable, const wchar_t* left, const wchar_t* right) {
  m_header = enable;
  m_leftTitle = left;
  m_rightTitle = right;
}

int CMFCPropertyGridCtrl::AddProperty(CMFCPropertyGridProperty* property, BOOL, BOOL) {
  if (!property) return -1;
  property->SetOwnerList(this);
  m_rows.push_back(property);
  if (IsWindow()) Invalidate();
  return static_cast<int>(m_rows.size()) - 1;
}

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::GetProperty(int index) const {
  return index >= 0 && index < GetPropertyCount() ? m_rows[static_cast<size_t>(index)] : nullptr;
}

BOOL CMFCPropertyGridCtrl::DeleteProperty(CMFCPropertyGridProperty*& property, BOOL, BOOL) {
  auto it = std::find(m_rows.begin(), m_rows.end(), property);
  if (it == m_rows.end()) return FALSE;
  m_rows.erase(it);
  delete property;
  property = nullptr;
  return TRUE;
}

void CMFCPropertyGridCtrl::RemoveAll() {
  for (CMFCPropertyGridProperty* row : m_rows) delete row;
  m_rows.clear();
}

void CMFCPropertyGridCtrl::ExpandAll(BOOL expand) {
  for (CMFCPropertyGridProperty* row : m_rows) row->Expand(expand);
}

void CMFCPropertyGridCtrl::OnPropertyChanged(CMFCPropertyGridProperty* property) const {
  if (CWnd* owner = GetOwner())
    owner->SendMessage(AFX_WM_PROPERTY_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(property));
}

namespace {

void Describe(CMFCPropertyGridProperty* p, int index, int depth, std::wstring& out) {
  std::wstring line = L"\n" + std::wstring(static_cast<size_t>(4 + 2 * depth), L' ');
  line += *p->GetName() ? std::wstring(p->GetName()) : L"#" + std::to_wstring(index);
  if (!p->IsGroup()) {
    line += L" = " + p->FormatProperty().str();
    for (int i = 0; i < p->GetOptionCount(); ++i) line += (i ? L" | " : L" (") + std::wstring(p->GetOption(i));
    if (p->GetOptionCount()) line += L")";
    if (!p->IsAllowEdit() && p->GetOptionCount() == 0) line += L" (read-only)";
    if (p->HasButton()) line += L" [...]";
  }
  out += line;
  for (int i = 0; i < p->GetSubItemsCount(); ++i) Describe(p->GetSubItem(i), i, depth + 1, out);
}

// The row a path names: levels joined by "/", each a name (exact, else without case) or "#n".
CMFCPropertyGridProperty* Find(const CMFCPropertyGridCtrl& grid, const std::wstring& path) {
  CMFCPropertyGridProperty* at = nullptr;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find(L'/', start);
    std::wstring part = path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start);
    int count = at ? at->GetSubItemsCount() : grid.GetPropertyCount();
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i) names.push_back((at ? at->GetSubItem(i) : grid.GetProperty(i))->GetName());
    int i = platform::FindItem(names, part);
    if (i < 0) return nullptr;
    at = at ? at->GetSubItem(i) : grid.GetProperty(i);
    if (slash == std::wstring::npos) break;
    start = slash + 1;
  }
  return at;
}

void Act(CMFCPropertyGridCtrl& grid, platform::ControlAction& a) {
  if (a.verb != L"prop" || a.args.empty()) {
    a.refusal = L"a property grid takes prop <path> <text>";
    return;
  }
  CMFCPropertyGridProperty* p = Find(grid, a.args[0]);
  if (!p) {
    a.refusal = L"no row " + a.args[0];
    return;
  }
  std::wstring text = a.rest.size() > a.args[0].size() ? a.rest.substr(a.args[0].size() + 1) : L"";
  if (text == L"browse") {
    if (!p->HasButton()) a.refusal = L"the row has no button";
    else p->OnClickButton(CPoint());
    return;
  }
  if (p->IsGroup() || !p->IsEnabled()) {
    a.refusal = L"the row takes no value";
    return;
  }
  if (!p->IsAllowEdit()) {
    std::vector<std::wstring> options;
    for (int i = 0; i < p->GetOptionCount(); ++i) options.push_back(p->GetOption(i));
    int i = options.empty() ? -1 : platform::FindItem(options, text);
    if (options.empty()) a.refusal = L"the row is read-only";
    else if (i < 0) a.refusal = L"no option \"" + text + L"\"";
    if (!a.refusal.empty()) return;
    p->SetValue(COleVariant(p->GetOption(i)));
  } else if (!p->TextToVar(text)) {
    a.refusal = L"the row takes a number";
    return;
  }
  grid.OnPropertyChanged(p);
}

}  // namespace

LRESULT CMFCPropertyGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HEADLESS_DESCRIBE) {
    std::wstring out = L"grid:";
    for (int i = 0; i < GetPropertyCount(); ++i) Describe(GetProperty(i), i, 0, out);
    *reinterpret_cast<std::wstring*>(lParam) = out;
    return TRUE;
  }
  if (message == WM_HEADLESS_ACTION) {
    Act(*this, *reinterpret_cast<platform::ControlAction*>(lParam));
    return TRUE;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
