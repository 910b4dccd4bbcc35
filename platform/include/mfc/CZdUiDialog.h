// The host's dialog classes: a dialog that lets the user work in the drawing while it is
// open. BeginEditorCommand hides every open dialog so prompts take the command line;
// CompleteEditorCommand shows them again (nested calls counted).
#ifndef PLATFORM_MFC_CZDUIDIALOG_H
#define PLATFORM_MFC_CZDUIDIALOG_H

#include "mfc/CDialog.h"

class CZdUiBaseDialog : public CDialog {
  DECLARE_DYNAMIC(CZdUiBaseDialog)
public:
  CZdUiBaseDialog() = default;
  explicit CZdUiBaseDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
      : CDialog(templateId, parent) {}
  /// Hides every open dialog (the first of nested calls only); TRUE.
  BOOL BeginEditorCommand();
  /// Shows the dialogs again when the outermost call completes.
  void CompleteEditorCommand(BOOL restoreDialogs = TRUE);
  /// As CompleteEditorCommand; the dialog then ends with IDCANCEL.
  void CancelEditorCommand();
};

class CZdUiDialog : public CZdUiBaseDialog {
  DECLARE_DYNAMIC(CZdUiDialog)
public:
  CZdUiDialog() = default;
  explicit CZdUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr)
      : CZdUiBaseDialog(templateId, parent, resources) {}
};

#endif
