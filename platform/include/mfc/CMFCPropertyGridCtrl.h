// MFC's property grid: rows of named values (real, whole, text, a choice among options,
// a file) in groups, kept by the grid object; the window only shows them. The script edits
// a row with "@dlg prop <grid> <path> <text>" and presses its button with "... browse".
#ifndef PLATFORM_MFC_CMFCPROPERTYGRIDCTRL_H
#define PLATFORM_MFC_CMFCPROPERTYGRIDCTRL_H

#include <vector>

#include "mfc/CFileDialog.h"
#include "mfc/COleVariant.h"
#include "mfc/CWnd.h"

class CMFCPropertyGridCtrl;

class CMFCPropertyGridProperty : public CObject {
  DECLARE_DYNAMIC(CMFCPropertyGridProperty)
public:
  /// A group: it holds sub-items and no value.
  explicit CMFCPropertyGridProperty(const CString& groupName, DWORD_PTR data = 0, BOOL isValueList = FALSE);
  CMFCPropertyGridProperty(const CString& name, const COleVariant& value, const wchar_t* description = nullptr,
                           DWORD_PTR data = 0, const wchar_t* editMask = nullptr,
                           const wchar_t* editTemplate = nullptr, const wchar_t* validChars = nullptr);
  /// Deletes the sub-items.
  ~CMFCPropertyGridProperty() override;

  const wchar_t* GetName() const { return m_name; }
  void SetName(const wchar_t* name, BOOL redraw = TRUE) { m_name = name; }
  const wchar_t* GetDescription() const { return m_description; }
  void SetDescription(const CString& text) { m_description = text; }
  virtual const COleVariant& GetValue() const { return m_value; }
  virtual void SetValue(const COleVariant& value);
  const COleVariant& GetOriginalValue() const { return m_original; }
  void AllowEdit(BOOL allow = TRUE) { m_allowEdit = allow; }
  BOOL IsAllowEdit() const { return m_allowEdit; }
  BOOL AddOption(const wchar_t* option, BOOL insertUnique = TRUE);
  void RemoveAllOptions() { m_options.clear(); }
  int GetOptionCount() const { return static_cast<int>(m_options.size()); }
  const wchar_t* GetOption(int index) const;
  BOOL AddSubItem(CMFCPropertyGridProperty* item);
  /// Takes the item out (deleted when `deleteIt`); FALSE when it is not a sub-item.
  BOOL RemoveSubItem(CMFCPropertyGridProperty*& item, BOOL deleteIt = TRUE);
  int GetSubItemsCount() const { return static_cast<int>(m_items.size()); }
  CMFCPropertyGridProperty* GetSubItem(int index) const;
  CMFCPropertyGridProperty* GetParent() const { return m_parent; }
  BOOL IsGroup() const { return m_group; }
  BOOL Expand(BOOL expand = TRUE);
  BOOL IsExpanded() const { return m_expanded; }
  void Redraw();
  void Enable(BOOL enable = TRUE) { m_enabled = enable; }
  BOOL IsEnabled() const { return m_enabled; }
  DWORD_PTR GetData() const { return m_data; }
  void SetData(DWORD_PTR data) { m_data = data; }
  /// The value as shown: a real "%lf", a whole number "%d", a text as it is.
  virtual CString FormatProperty();
  /// Reads a typed text into the value; FALSE (value kept) when it does not fit its type.
  virtual BOOL TextToVar(const CString& text);
  /// The row's button: nothing for a plain row.
  virtual void OnClickButton(CPoint point) {}
  virtual BOOL HasButton() const { return FALSE; }
  CMFCPropertyGridCtrl* m_pWndList = nullptr;

protected:
  friend class CMFCPropertyGridCtrl;
  void SetOwnerList(CMFCPropertyGridCtrl* list);
  CString m_name, m_description;
  COleVariant m_value, m_original;
  BOOL m_group = FALSE, m_allowEdit = TRUE, m_expanded = TRUE, m_enabled = TRUE;
  DWORD_PTR m_data = 0;
  std::vector<CString> m_options;
  std::vector<CMFCPropertyGridProperty*> m_items;
  CMFCPropertyGridProperty* m_parent = nullptr;
};

/// A row whose button opens a file dialog; the chosen path becomes the value.
class CMFCPropertyGridFileProperty : public CMFCPropertyGridProperty {
  DECLARE_DYNAMIC(CMFCPropertyGridFileProperty)
public:
  CMFCPropertyGridFileProperty(const CString& name, BOOL openFileDialog, const CString& fileName,
                               const wchar_t* defaultExt = nullptr, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                               const wchar_t* filter = nullptr, const wchar_t* description = nullptr, DWORD_PTR data = 0);
  void OnClickButton(CPoint point) override;
  BOOL HasButton() const override { return TRUE; }

protected:
  BOOL m_bIsFolder = FALSE;
  BOOL m_bOpenFileDialog;
  DWORD m_dwFileOpenFlags;
  CString m_strDefExt, m_strFilter;
};

class CMFCPropertyGridCtrl : public CWnd {
  DECLARE_DYNAMIC(CMFCPropertyGridCtrl)
public:
  CMFCPropertyGridCtrl() = default;
  ~CMFCPropertyGridCtrl() override;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  void EnableHeaderCtrl(BOOL enable = TRUE, const wchar_t* left = L"Property", const wchar_t* right = L"Value");
  int AddProperty(CMFCPropertyGridProperty* property, BOOL redraw = TRUE, BOOL adjustLayout = TRUE);
  /// Top-level row `index`; null outside.
  CMFCPropertyGridProperty* GetProperty(int index) const;
  int GetPropertyCount() const { return static_cast<int>(m_rows.size()); }
  BOOL DeleteProperty(CMFCPropertyGridProperty*& property, BOOL redraw = TRUE, BOOL adjustLayout = TRUE);
  void RemoveAll();
  void SetLeftColumnWidth(int width) { m_nLeftColumnWidth = width; }
  int GetLeftColumnWidth() const { return m_nLeftColumnWidth; }
  void AdjustLayout() { Invalidate(); }
  void EnsureVisible(CMFCPropertyGridProperty* property, BOOL expandParents = FALSE) {}
  void ExpandAll(BOOL expand = TRUE);
  void SetVSDotNetLook(BOOL = TRUE) {}
  void EnableDescriptionArea(BOOL = TRUE) {}
  void MarkModifiedProperties(BOOL = TRUE, BOOL = TRUE) {}
  /// Tells the owner a row changed (AFX_WM_PROPERTY_CHANGED, wParam the grid's id).
  virtual void OnPropertyChanged(CMFCPropertyGridProperty* property) const;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  int m_nLeftColumnWidth = 100;

protected:
  std::vector<CMFCPropertyGridProperty*> m_rows;
  BOOL m_header = TRUE;
  CString m_leftTitle = L"Property", m_rightTitle = L"Value";
};

/// Registered message the grid sends its owner when a row changed (lParam the row).
extern const UINT AFX_WM_PROPERTY_CHANGED;

#endif
