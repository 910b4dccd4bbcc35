// The templates library dialog (template 8029): the library's drawings with previews and
// its information text; OK brings the selected drawing in as a block and lets the user
// move it into place, as often as pressed. Run by TemplatesLibrary_cmd.
#ifndef CONSTRUCTION_TEMPLATESLIBRARY_DLG_H
#define CONSTRUCTION_TEMPLATESLIBRARY_DLG_H

#include "construction/Lib_Templates_info.h"
#include "construction/Lib_Templates_lst.h"
#include "mfc/CZdUiDialog.h"

class TemplatesLibrary_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(TemplatesLibrary_dlg)
public:
  enum { IDD = 8029 };
  TemplatesLibrary_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// Defines the drawing as a block named after its file title (a block the drawing has
  /// already is used as it is), inserts a reference at the origin of model space (scale 1,
  /// rotation 0) and runs the host's move from the origin for the user's point (Escape
  /// leaves it at the origin). A failing step prints the path, or the step, and its
  /// status and ends the insertion. 0, 180 for a cancelled move, else the failure.
  static int InsertTemplate(const CString& path);

protected:
  /// Caption "Fastrelle", "Zamknij"; the list of the library folder, the information text.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// Hides for the editor, inserts the selected drawing, and comes back open.
  void OnOK() override;

  Lib_Templates_lst m_list;
  Lib_Templates_info m_info;
};

#endif
