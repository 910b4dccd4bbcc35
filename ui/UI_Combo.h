// Combos of the system's dialogs and grid cells: UI_Combo reports Enter, Tab and Escape
// to its owner (first time only); UI_DG_Combo (a grid cell's drop-down) fills itself and
// reports its first focus; UIS_Combo is a plain combo. And the combo helpers every dialog
// uses.
#ifndef UI_UI_COMBO_H
#define UI_UI_COMBO_H

#include "mfc/CComboBox.h"

class UI_Combo : public CComboBox {
  DECLARE_DYNAMIC(UI_Combo)
public:
  explicit UI_Combo(CWnd* owner = nullptr, const CString& initialText = CString())
      : m_owner(owner), m_initialText(initialText) {}
  /// Creates the combo, then puts the first text into its edit part.
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  BOOL PreTranslateMessage(MSG* msg) override;

protected:
  void NotifyOnce(UINT message);
  CWnd* m_owner;
  int m_notified = 0;
  CString m_initialText;
};

class UI_DG_Combo : public UI_Combo {
  DECLARE_DYNAMIC(UI_DG_Combo)
public:
  using UI_Combo::UI_Combo;
  /// Adds the options and sizes the drop-down for min(count, 10) rows.
  void Fill(const CStringArray& options);

protected:
  /// The first focus tells the owner (WM_UI_DGITEM_ACTIVATED); a flag of its own, so
  /// that Enter and Tab are still reported after it.
  BOOL OnSetFocusReflect();
  DECLARE_MESSAGE_MAP()
  int m_activated = 0;
};

class UIS_Combo : public CComboBox {
  DECLARE_DYNAMIC(UIS_Combo)
};

/// CB_ADDSTRING for each string in order (nothing for null), then SetDropDownHeight with
/// min(count, 10).
void AddStringsToCombo(CComboBox* combo, const CStringArray* strings);
/// Makes the combo's window taller by n selection-field heights, without moving it.
void SetDropDownHeight(CComboBox* combo, int n);
/// The selected item's text; "" when none.
CString GetComboSelectedText(CComboBox* combo);

#endif
