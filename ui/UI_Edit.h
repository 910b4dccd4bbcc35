// Edits of the system's dialogs and grid cells: UI_Edit reports Enter, Escape and the loss
// of focus to its owner and moves the caret itself; UI_DG_Edit (a grid cell's text editor)
// also names the neighbouring cell when an arrow leaves it; UI_DG_E_Numeric (a numeric
// cell) puts its first text back after input that is no number.
#ifndef UI_UI_EDIT_H
#define UI_UI_EDIT_H

#include "mfc/CButton.h"

class UI_Edit : public CEdit {
  DECLARE_DYNAMIC(UI_Edit)
public:
  /// `owner` hears the edit's messages (null: the parent window at creation).
  explicit UI_Edit(CWnd* owner = nullptr, const CString& initialText = CString());
  /// The text as the owner should read it: the window text.
  virtual CString GetValue();
  /// 1 is transparent (a hollow brush); other values paint a solid background.
  void SetBkColor(COLORREF colour);
  void SetTextColor(COLORREF colour) { m_textColor = colour; }
  BOOL PreTranslateMessage(MSG* msg) override;
  CWnd* GetOwnerWindow() const { return m_owner; }

protected:
  /// Takes the owner's font, sets the first text and selects all of it.
  int OnCreate(LPCREATESTRUCT create);
  /// Enter, Escape, Left, Right and Delete as the grid's cells need them; TRUE when taken.
  BOOL HandleKey(UINT key);
  void Notify(UINT message);
  virtual void OnKillFocusNotify();
  void OnKillFocus(CWnd* next);
  BOOL OnUpdate();
  HBRUSH CtlColor(CDC* dc, UINT kind);
  DECLARE_MESSAGE_MAP()

  COLORREF m_textColor = 0;
  COLORREF m_bkColor = 1;
  CBrush m_brush;
  CWnd* m_owner;
  CString m_initialText;
  int m_notified = 0;
};

class UI_DG_Edit : public UI_Edit {
  DECLARE_DYNAMIC(UI_DG_Edit)
public:
  using UI_Edit::UI_Edit;
  /// After UI_Edit's keys: Left at 0 names the cell id - 1, Right at the end id + 1,
  /// Up id - 100, Down id + 100 (WM_UI_DG_SETACTIVE).
  BOOL PreTranslateMessage(MSG* msg) override;

protected:
  void OnActivate(UINT state, CWnd* other, BOOL minimized);
  BOOL OnSetFocusReflect();
  DECLARE_MESSAGE_MAP()
};

class UI_DG_E_Numeric : public UI_Edit {
  DECLARE_DYNAMIC(UI_DG_E_Numeric)
public:
  using UI_Edit::UI_Edit;
  /// "" reads "0.000"; a text starting outside "0123456789.,-" reads as the first text.
  CString GetValue() override;

protected:
  /// Puts the first text back when the text starts outside "0123456789.,-".
  void OnKillFocusNotify() override;
};

#endif
