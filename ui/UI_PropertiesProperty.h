// The rows of the system's property grids: a row with a number of decimals, a numeric row
// with its own format, a choice among options, and file rows; Zc_AttributesTemplateSelector
// picks a description template and reloads its grid.
#ifndef UI_UI_PROPERTIESPROPERTY_H
#define UI_UI_PROPERTIESPROPERTY_H

#include "mfc/CMFCPropertyGridCtrl.h"

class UI_PropertiesProperty : public CMFCPropertyGridProperty {
  DECLARE_DYNAMIC(UI_PropertiesProperty)
public:
  UI_PropertiesProperty(const CString& name, const COleVariant& value, const wchar_t* description = nullptr)
      : CMFCPropertyGridProperty(name, value, description) {}
  virtual void SetDecimals(int decimals) { m_decimals = decimals; }
  /// A real shown with "%0.<decimals>f"; other values as MFC shows them.
  CString FormatProperty() override;

protected:
  int m_decimals = 2;
};

class UI_PropertyNumeric : public UI_PropertiesProperty {
  DECLARE_DYNAMIC(UI_PropertyNumeric)
public:
  UI_PropertyNumeric(const CString& name, double value);
  /// The format becomes "%.<n>f": 3 decimals show 2.5 as "2.500".
  void SetDecimals(int decimals) override;
  CString FormatProperty() override;

protected:
  CString m_format = L"%0.0f";
};

class Combo_Property : public CMFCPropertyGridProperty {
  DECLARE_DYNAMIC(Combo_Property)
public:
  using CMFCPropertyGridProperty::CMFCPropertyGridProperty;
  /// The options replace the old ones; no free text.
  virtual void SetOptions(const CStringArray& options);
};

class UI_PropertiesFileProperty : public CMFCPropertyGridFileProperty {
  DECLARE_DYNAMIC(UI_PropertiesFileProperty)
public:
  UI_PropertiesFileProperty(const CString& name, BOOL open, const CString& fileName, const wchar_t* defaultExt = nullptr,
                            DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* filter = nullptr,
                            const wchar_t* description = nullptr)
      : CMFCPropertyGridFileProperty(name, open, fileName, defaultExt, flags, filter, description) {}
  /// Keeps the full path and shows the file's title; an empty path forgets it.
  virtual void SetPath(const CString& path);
  const CString& GetPath() const { return m_path; }
  /// The file dialog's title and filter ("Opisy (*.dwg)|*.dwg||"); empty: the defaults.
  void SetDialogTitle(const CString& title) { m_title = title; }
  void SetFilter(const CString& filter) { m_strFilter = filter; }
  /// The file dialog, then SetPath with the chosen file.
  void OnClickButton(CPoint point) override;

protected:
  /// The file dialog; the chosen path, or "" when cancelled.
  CString Browse();
  CString m_path;
  CString m_title;
};

class Zc_AttributesTemplateSelector : public UI_PropertiesFileProperty {
  DECLARE_DYNAMIC(Zc_AttributesTemplateSelector)
public:
  Zc_AttributesTemplateSelector() : UI_PropertiesFileProperty(L"", TRUE, L"") {}
  /// After the file dialog, a chosen template reloads the grid and the grid's parent is
  /// posted message 2026.
  void OnClickButton(CPoint point) override;
};

#endif
