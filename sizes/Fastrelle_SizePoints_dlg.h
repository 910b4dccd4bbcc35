// The grading dialog (template 8003): the grading grid of one grade point, a button that
// picks the point to show and eight buttons that copy its grading onto another point,
// plainly or mirrored per axis. Run by the command "Fastrelle:Grades".
#ifndef SIZES_FASTRELLE_SIZEPOINTS_DLG_H
#define SIZES_FASTRELLE_SIZEPOINTS_DLG_H

#include "mfc/CZdUiDialog.h"
#include "sizes/Fastrelle_SizePoints_list.h"

class Fastrelle_SizePoints_dlg : public CZdUiDialog {
  DECLARE_DYNAMIC(Fastrelle_SizePoints_dlg)
public:
  enum { IDD = 8003, kGridId = 8006, kCloseId = 8014, kShowId = 8018, kFirstCopyId = 8019, kLastCopyId = 8026 };
  /// What a copy does with one axis: copy the offset, mirror it (sign reversed), or leave
  /// the target's coordinate as it is.
  enum AxisMode { kCopy = 0, kMirror = 1, kLeave = 2 };

  explicit Fastrelle_SizePoints_dlg(CWnd* parent = nullptr) : CZdUiDialog(IDD, parent) {}

  /// The modes of a copy button (8019 "XY" ... 8026 "XMY"); false for another id.
  static bool CopyModes(int buttonId, int& xMode, int& yMode);
  /// The grid's offsets as a copy with those modes pastes them.
  static void ApplyModes(std::vector<GradingOffset>& offsets, int xMode, int yMode);

  Fastrelle_SizePoints_list& Grid() { return m_grid; }

protected:
  /// Title: the product group name + string 40125; 8014 reads string 40306.
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  /// Enter belongs to the cell editors: it never closes the dialog.
  void OnOK() override {}
  /// 8014: ends the dialog with 8.
  void OnClose8014();
  /// 8018: a point is picked; the grade point's place there is shown.
  void OnShow();
  /// 8019-8026: a point is picked; the shown grading is pasted onto every place there.
  void OnCopyButton(UINT id);
  /// Asks for a point with 40118 followed by `second`; false unless one was given.
  bool PickPoint(UINT second, ZcGePoint3d& point);
  DECLARE_MESSAGE_MAP()

  Fastrelle_SizePoints_list m_grid;
};

#endif
