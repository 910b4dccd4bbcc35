// Buttons of the system's dialogs and grid cells: UI_Button, the check box UI_CheckBox
// (it toggles itself and reads and writes "+" / "-") and the layer-visibility box
// Zc_Layer_Visibility_chck, which turns its layer on and off in the drawing.
#ifndef UI_UI_BUTTON_H
#define UI_UI_BUTTON_H

#include <functional>

#include "mfc/CButton.h"

class UI_Button : public CButton {
  DECLARE_DYNAMIC(UI_Button)
};

class UI_CheckBox : public UI_Button {
  DECLARE_DYNAMIC(UI_CheckBox)
public:
  explicit UI_CheckBox(CWnd* owner = nullptr) : m_owner(owner) {}
  virtual void SetCheck(int state);
  /// Ticked exactly when the text is "+".
  virtual void SetText(const CString& text);
  virtual void GetCheck(int& state);
  /// "+" when ticked, else "-".
  virtual void GetText(CString& text);

protected:
  /// A click: the box toggles itself.
  virtual BOOL OnClicked();
  void OnKillFocus(CWnd* next);
  DECLARE_MESSAGE_MAP()
  CWnd* m_owner;
  int m_notified = 0;
};

class Zc_Layer_Visibility_chck : public UI_CheckBox {
  DECLARE_DYNAMIC(Zc_Layer_Visibility_chck)
public:
  Zc_Layer_Visibility_chck(CWnd* owner, const CString& layer) : UI_CheckBox(owner), m_layer(layer) {}
  /// Ticked when the layer (created when missing) is neither off nor frozen.
  void ReadLayer();
  const CString& GetLayerName() const { return m_layer; }

protected:
  /// With the document locked for write: toggles, turns the layer off when it was ticked,
  /// else on and thawed (a frozen layer would stay hidden), regenerates, unlocks.
  BOOL OnClicked() override;

private:
  CString m_layer;
};

/// The layer's record (created, not frozen, off or locked, when missing); null when it
/// cannot be had. Used by the layer-bound controls.
class ZcDbLayerTableRecord;
ZcDbLayerTableRecord* FindOrCreateLayer(const CString& name);
/// Runs `change` with the current document locked for write, then "_REGEN", then unlocks.
void ChangeLayersLocked(const std::function<void()>& change);

#endif
