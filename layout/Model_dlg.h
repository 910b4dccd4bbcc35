// The model dialog (template 136): a model drawing, the material and lines of its parts to
// take, and the quantity and rotation per size; OK adds them to the layout's content on
// the border. Run by the warehouse command and the warehouse's "+" button. The last model
// path and material chosen are kept for the module's life.
#ifndef LAYOUT_MODEL_DLG_H
#define LAYOUT_MODEL_DLG_H

#include "layout/Lines_cmb.h"
#include "layout/Model_FileSelector.h"
#include "layout/SizesList.h"
#include "mfc/CZdUiDialog.h"
#include "ui/UI_Combo.h"

class Model_dlg : public CZdUiDialog {
public:
  enum { IDD = 136 };
  Model_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// The model path and material chosen at the last OK (module-wide).
  static CString& LastModelPath();
  static CString& LastMaterial();
  /// Forgets both (at unload).
  static void FreeLastChoice();

  /// Loads the selector's model: its sizes into the size list (layer order) and its
  /// materials into the material combo; both stay empty for a drawing that cannot be read.
  void ReloadModel();

protected:
  /// Captions; lines "both"; the last path and its model; the last material selected.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// Empty path: stays. A missing file (43203), a file in use (43208) or a drawing that
  /// does not read (its status): a message box, the dialog stays, nothing added. No part
  /// of the material: 43157, nothing added, closes with OK. Otherwise the parts in every
  /// size become the current layout and are appended to the border's content; a save
  /// that fails shows its reason and the dialog stays with nothing changed.
  void OnOK() override;
  LRESULT OnModelChosen(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

  Model_FileSelector m_file;
  UIS_Combo m_material;
  Lines_cmb m_lines;
  SizesList m_sizes;
};

#endif
