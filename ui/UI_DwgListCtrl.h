// An icon list that browses a folder of drawings: sub-folders first, then the drawings of
// one extension, each with a thumbnail of its stored preview; double-clicking a folder
// enters it. Used by the templates library and the warehouse dialogs.
#ifndef UI_UI_DWGLISTCTRL_H
#define UI_UI_DWGLISTCTRL_H

#include <map>

#include "mfc/CListCtrl.h"

/// What the list keeps for each item (its data): the item's full path is paths[0].
struct DwgListItem {
  int kind = 1;
  int reserved1 = 0, reserved2 = 0, reserved3 = 0;
  CStringArray paths;
  CString name;
  int image = -1;
  HWND editor = nullptr;
};

class UI_DwgListCtrl : public CListCtrl {
  DECLARE_DYNAMIC(UI_DwgListCtrl)
public:
  UI_DwgListCtrl();
  ~UI_DwgListCtrl() override;
  /// The shared images as the normal image list, the icon spacing, arranged.
  virtual void SetupView();
  /// A 64 x 64 icon of the drawing's preview, scaled and centred on white; null when the
  /// file has no preview.
  virtual HICON MakePreviewIcon(const CString& path);
  /// Shows the folder `path` names (its folder when it names a file); an extension
  /// without its "." gets one ("dwg" lists "*.dwg").
  void OpenFolder(const CString& path, const CString& extension);
  /// Sub-folders, then the files "*<extension>", each group in natural order.
  void FillFromFolder(const CString& folder, const CString& extension);
  /// The path of the item at the selection mark; "" when none.
  CString GetSelectedPath() const;
  /// Selects every item whose path is `path` (ignoring case and separators); true.
  bool SelectPath(const CString& path);
  /// False for an index outside the list; otherwise selects and marks it.
  bool SelectItem(int index);
  const CString& GetCurrentFolder() const { return m_folder; }
  /// The shared image index of a key ("." folders, "?" no preview, or a drawing's path).
  static int ImageOf(const CString& key);

  int m_imageSize = 64;

protected:
  void PreSubclassWindow() override;
  /// Deletes the item records before the window goes; a double-click on a folder enters it.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  /// Adds an item for an existing path; its index or -1.
  int AddItem(const CString& text, const CString& path, bool folder);
  void AddSorted(const CString& folder, CStringArray& names, bool folders);
  void DeleteRecords();

  CString m_folder;
};

#endif
