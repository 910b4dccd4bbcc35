// The system's buttons and check boxes, and the layer-visibility box.
#include "ui/UI_Button.h"

#include "db/ZcDbSymbolTable.h"
#include "ed/ZcApDocManager.h"
#include "framework/CommandSequences.h"
#include "framework/Layers.h"
#include "framework/ResBuf.h"
#include "ui/UI_Messages.h"

IMPLEMENT_DYNAMIC(UI_Button, CButton)
IMPLEMENT_DYNAMIC(UI_CheckBox, UI_Button)
IMPLEMENT_DYNAMIC(Zc_Layer_Visibility_chck, UI_CheckBox)

BEGIN_MESSAGE_MAP(UI_CheckBox, UI_Button)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void UI_CheckBox::SetCheck(int state) { CButton::SetCheck(state); }
void UI_CheckBox::SetText(const CString& text) { SetCheck(text == L"+" ? BST_CHECKED : BST_UNCHECKED); }
void UI_CheckBox::GetCheck(int& state) { state = CButton::GetCheck() ? 1 : 0; }
void UI_CheckBox::GetText(CString& text) { text = CButton::GetCheck() ? L"+" : L"-"; }

BOOL UI_CheckBox::OnClicked() {
  SetCheck(CButton::GetCheck() ? BST_UNCHECKED : BST_CHECKED);
  return FALSE;
}

void UI_CheckBox::OnKillFocus(CWnd* next) {
  UI_Button::OnKillFocus(next);
  if (m_notified) return;
  m_notified = 1;
  SendToOwner(m_owner, WM_UI_Check_KILL, 0);
}

ZcDbLayerTableRecord* FindOrCreateLayer(const CString& name) {
  if (ZcDbLayerTableRecord* found = FindLayer(name)) return found;
  ZcDbLayerTableRecord* made = nullptr;
  CreateLayer(name, made);
  return made;
}

void ChangeLayersLocked(const std::function<void()>& change) {
  ZcApDocManager* docs = zcDocManagerPtr();
  ZcApDocument* doc = docs->curDocument();
  docs->lockDocument(doc, ZcAp::kWrite);
  change();
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
  docs->unlockDocument(doc);
}

void Zc_Layer_Visibility_chck::ReadLayer() {
  ZcDbLayerTableRecord* layer = FindOrCreateLayer(m_layer);
  SetCheck(layer && !layer->isOff() && !layer->isFrozen() ? BST_CHECKED : BST_UNCHECKED);
}

BOOL Zc_Layer_Visibility_chck::OnClicked() {
  if (m_layer.IsEmpty()) {
    ZcApDocManager* docs = zcDocManagerPtr();
    docs->lockDocument(docs->curDocument(), ZcAp::kWrite);
    UI_CheckBox::OnClicked();
    docs->unlockDocument(docs->curDocument());
    return FALSE;
  }
  ChangeLayersLocked([this] {
    bool wasTicked = CButton::GetCheck() != 0;
    UI_CheckBox::OnClicked();
    ZcDbLayerTableRecord* layer = FindOrCreateLayer(m_layer);
    ZcDbLayerTableRecord* w = nullptr;
    if (!layer || zcdbOpenObject(w, layer->objectId(), ZcDb::kForWrite) != Zcad::eOk) return;
    w->setIsOff(wasTicked);
    if (!wasTicked) w->setIsFrozen(false);
    w->close();
  });
  return FALSE;
}
