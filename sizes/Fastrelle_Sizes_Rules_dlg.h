// The size rules dialog (template 8004): the drawing's sizes with their colours; adding,
// deleting, renaming in place and choosing the base size act on the drawing at once;
// size-list files are imported and exported; "Utwórz" lays the parts out over the sizes.
// Run by Grade_Library_cmd.
#ifndef SIZES_FASTRELLE_SIZES_RULES_DLG_H
#define SIZES_FASTRELLE_SIZES_RULES_DLG_H

#include <vector>

#include "mfc/CZdUiDialog.h"
#include "sizes/Fastrelle_Size.h"
#include "sizes/Fastrelle_Size_Rules_list.h"
#include "sizes/Fastrelle_Sizes_Rules_Eval_btn.h"

/// Controls: list 8013; "+" 8015 add; "x" 8016 delete the selected rows; "*" 1000 base;
/// 8010 import; 8011 export; 8017 "Utwórz"; 8014 close (the dialog ends with 8).
class Fastrelle_Sizes_Rules_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(Fastrelle_Sizes_Rules_dlg)
public:
  enum { IDD = 8004 };
  explicit Fastrelle_Sizes_Rules_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  std::vector<Fastrelle_Size>& Sizes() { return m_sizes; }
  Fastrelle_Size_Rules_list& List() { return m_list; }

protected:
  void DoDataExchange(CDataExchange* dx) override;
  /// Title, button texts, the list's styles and columns, the rows of the sizes.
  BOOL OnInitDialog() override;
  /// A size of a free name (UniqueSizeName), its layers, a copy of every part; its row
  /// goes last and takes the selection mark.
  void OnAdd();
  /// The selected rows, from the last up, by their stored names: every part's group in
  /// the size erased (a part without one has nothing to erase), then the size's layers
  /// with what lies on them; a row goes when its layers are gone. A group that cannot be
  /// erased stops that row's size, which keeps its layers and row.
  void OnDelete();
  /// The selected row's size becomes the base size (layers renamed, "*" moved, both
  /// rows' colour cells bound to the new layer names). Nothing without a selection.
  void OnBase();
  void OnImport();
  void OnExport();
  void OnClose8014();
  /// A name edited in place: see Rename.
  void OnEndLabelEdit(NMHDR* header, LRESULT* result);
  void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
  /// The row's size takes the text as its new name (a leading "*" dropped): RenameSize from
  /// the stored name; on success the stored name and the text follow ("*" kept on the base
  /// row) and the colour cell is bound to the renamed layers. An empty or unchanged text,
  /// or a refused name, leaves the row as it was.
  void Rename(int row, const CString& text);
  DECLARE_MESSAGE_MAP()

  std::vector<Fastrelle_Size> m_sizes;
  Fastrelle_Size_Rules_list m_list;
  Fastrelle_Sizes_Rules_Eval_btn m_eval;
};

#endif
