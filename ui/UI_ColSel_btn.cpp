// Colour buttons: painting the colour, the colour dialog and the layer-bound button.
#include "ui/UI_ColSel_btn.h"

#include "db/ZcDbSymbolTable.h"
#include "ed/ColorDialog.h"
#include "framework/Layers.h"
#include "ui/UI_Messages.h"

IMPLEMENT_DYNAMIC(UI_ColSel_btn, UI_Button)
IMPLEMENT_DYNAMIC(Zc_ColSel_btn, UI_ColSel_btn)
IMPLEMENT_DYNAMIC(Zc_Layer_ColSel_btn, Zc_ColSel_btn)

BEGIN_MESSAGE_MAP(UI_ColSel_btn, UI_Button)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void UI_ColSel_btn::SetColorIndex(int index) {
  m_color = index;
  if (IsWindow()) Invalidate();
}

BOOL UI_ColSel_btn::OnClicked() {
  m_busy = 1;
  int colour = m_color < 0 ? 0 : m_color;
  if (zcedSetColorDialog(colour, false, 0)) m_color = colour;
  m_busy = 0;
  SendToOwner(m_owner, WM_UI_ColSel_SelChanged, 0);
  Invalidate();
  return FALSE;
}

void UI_ColSel_btn::OnPaint() { ValidateRect(nullptr); }

BOOL UI_ColSel_btn::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(client);
  COLORREF rgb = zcedGetRGB(m_color);  // outside 0-255 (no layer): grey
  dc->FillSolidRect(client, rgb);
  return TRUE;
}

void UI_ColSel_btn::OnKillFocus(CWnd* next) {
  UI_Button::OnKillFocus(next);
  if (m_busy) return;
  m_busy = 1;
  SendToOwner(m_owner, WM_UI_ColSel_KILL, 0);
}

void Zc_Layer_ColSel_btn::ReadLayer() {
  ZcDbLayerTableRecord* layer = m_layers.empty() ? nullptr : FindOrCreateLayer(m_layers.front());
  SetColorIndex(layer ? layer->color().colorIndex() : -1);
}

BOOL Zc_Layer_ColSel_btn::OnClicked() {
  UI_ColSel_btn::OnClicked();
  ChangeLayersLocked([this] {
    for (const CString& name : m_layers)
      if (ZcDbLayerTableRecord* layer = FindLayer(name))
        SetLayerColorIndex(layer, static_cast<unsigned short>(m_color < 0 ? 7 : m_color));
  });
  return FALSE;
}
