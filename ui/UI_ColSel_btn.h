// Colour buttons: UI_ColSel_btn shows a colour index and opens the host's colour dialog
// when clicked; Zc_Layer_ColSel_btn is bound to layers and gives them the chosen colour.
#ifndef UI_UI_COLSEL_BTN_H
#define UI_UI_COLSEL_BTN_H

#include <vector>

#include "ui/UI_Button.h"

/// An RGB triple used while painting a colour button.
struct UIS_Color {
  BYTE r = 0, g = 0, b = 0;
};

class UI_ColSel_btn : public UI_Button {
  DECLARE_DYNAMIC(UI_ColSel_btn)
public:
  explicit UI_ColSel_btn(CWnd* owner = nullptr) : m_owner(owner) {}
  int GetColorIndex() const { return m_color; }
  /// Sets the index (-1: none, painted grey) and repaints.
  void SetColorIndex(int index);

protected:
  /// The colour dialog from the current index (0 when negative); a chosen colour becomes
  /// the index; either way WM_UI_ColSel_SelChanged goes to the owner and the button repaints.
  virtual BOOL OnClicked();
  void OnPaint();
  /// Fills the client area with the colour of the index (grey for none).
  BOOL OnEraseBkgnd(CDC* dc);
  void OnKillFocus(CWnd* next);
  DECLARE_MESSAGE_MAP()
  int m_busy = 0;
  int m_color = 1;
  CWnd* m_owner;
};

class Zc_ColSel_btn : public UI_ColSel_btn {
  DECLARE_DYNAMIC(Zc_ColSel_btn)
public:
  using UI_ColSel_btn::UI_ColSel_btn;
};

class Zc_Layer_ColSel_btn : public Zc_ColSel_btn {
  DECLARE_DYNAMIC(Zc_Layer_ColSel_btn)
public:
  Zc_Layer_ColSel_btn(CWnd* owner, const CString& layer) : Zc_ColSel_btn(owner) { m_layers.push_back(layer); }
  /// One more layer the button colours.
  void AddLayer(const CString& layer) { m_layers.push_back(layer); }
  /// The first layer's colour (the layer created when missing; -1 when there is none).
  void ReadLayer();

protected:
  /// The colour dialog, then every listed layer that exists takes the colour, with the
  /// document locked and the drawing regenerated.
  BOOL OnClicked() override;

private:
  std::vector<CString> m_layers;
};

#endif
