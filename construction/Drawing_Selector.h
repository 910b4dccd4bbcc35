// The symbol dialog (template 8027): a list of the drawings of a folder with their
// previews, and the symbol's size. Shown by the notch, hole and special-point commands.
#ifndef CONSTRUCTION_DRAWING_SELECTOR_H
#define CONSTRUCTION_DRAWING_SELECTOR_H

#include "mfc/CDialog.h"
#include "ui/UI_DwgListCtrl.h"

class Drawing_Selector : public CDialogEx {
public:
  enum { IDD = 8027 };
  /// `path`: the folder to show, or a drawing (its folder is shown, the drawing
  /// selected); `sizeText`: the size as the size box shows it.
  Drawing_Selector(const CString& path, const CString& sizeText, CWnd* parent = nullptr)
      : CDialogEx(IDD, parent), m_path(path), m_sizeText(sizeText) {}

  /// The size text read as a number (ParseSize).
  double GetSize() const { return ParseSize(m_sizeText); }
  /// After OK: the path of the selected item, "" when nothing is selected. Before: the
  /// path the dialog was given.
  const CString& GetPath() const { return m_path; }
  const CString& GetSizeText() const { return m_sizeText; }

  /// A size text that is empty or starts with one of "0123456789.,-" gives its leading
  /// number ("," read as "."; "" and "-" give 0); anything else 1.0.
  ///   "2,5" => 2.5;  "3 mm" => 3;  "x" => 1.0
  static double ParseSize(const CString& text);

protected:
  /// The list shows the path's folder (".dwg" files) with the path's item selected; the
  /// caption is cleared; the size box takes the size text.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// Reads the size box, takes the selected path and closes with OK.
  void OnOK() override;

  UI_DwgListCtrl m_list;
  CString m_path;
  CString m_sizeText;
};

#endif
