// The plot module's test case: on an empty drawing it loads part "Przód" in size "38" of the
// shipped model "Tests\T_2018.dwg" as a piece (the side mirrored across the grain), inserts
// it at the origin and checks the piece's area; Finish erases the reference and purges.
#ifndef MODULES_PLOT_T_FILLOPENFORM_H
#define MODULES_PLOT_T_FILLOPENFORM_H

#include "db/ZcDbObjectId.h"
#include "testcase/ZWTestCase.h"

class t_FillOpenForm : public ZWTestCase {
public:
  static constexpr double kArea = 204214.300029;
  static constexpr double kTolerance = 1.0;

  /// The model drawing: the install folder + "\Tests\T_2018.dwg" unless one is given.
  explicit t_FillOpenForm(const CString& modelPath = CString());

  /// ZWTestCase's check; when the drawing is not empty the further line
  /// "t_FillOpenForm::Initialize".
  bool Initialize() override;
  /// Loads the piece: a failure prints "falied to load part: ", the path and the status.
  /// Then the piece's reference at the origin, and its area against kArea: a difference of
  /// kTolerance or more prints "<area> /= <expected>", the block name and
  /// "t_FillOpenForm::Evaluate". False on either.
  bool Evaluate() override;
  /// Erases the inserted reference, then purges.
  void Finish() override;
  CString GetName() const override { return L"t_FillOpenForm"; }

  const CString& ModelPath() const { return m_modelPath; }

private:
  CString m_modelPath;
  ZcDbObjectId m_reference;
};

#endif
