// The plot test case: the piece from the test model, its reference and its area.
#include "modules/plot/t_FillOpenForm.h"

#include <cmath>

#include "db/ZcDbBlockReference.h"
#include "framework/Folders.h"
#include "framework/UI_Entity.h"
#include "framework/ZWDrawer.h"
#include "layout/Fastrelle_Form_To_Plot.h"

t_FillOpenForm::t_FillOpenForm(const CString& modelPath) : m_modelPath(modelPath) {
  if (m_modelPath.IsEmpty()) m_modelPath = GetInstallPath() + L"\\Tests\\T_2018.dwg";
}

bool t_FillOpenForm::Initialize() {
  if (ZWTestCase::Initialize()) return true;
  Print(L"t_FillOpenForm::Initialize\n");
  return false;
}

bool t_FillOpenForm::Evaluate() {
  Fastrelle_Form_To_Plot piece(0.0);
  piece.m_modelPath = m_modelPath;
  piece.m_sizeName = L"38";
  piece.m_side = 4;
  int status = piece.LoadPart(L"Przód");
  if (status != 0) {
    Print(L"\nfalied to load part: " + m_modelPath);
    PrintStatus(status);
    return false;
  }
  auto* reference = new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), piece.m_blockId);
  status = ZWDrawer::Add(reference);
  if (status != 0) {
    delete reference;
    PrintStatus(status);
    return false;
  }
  m_reference = reference->objectId();
  reference->close();
  double area = piece.GetArea();
  if (std::fabs(area - kArea) < kTolerance) return true;
  CString text;
  text.Format(L"%lf /= %lf", area, kArea);
  Print(L"\n" + text);
  Print(L"\n" + piece.GetBlockName());
  Print(L"\nt_FillOpenForm::Evaluate");
  return false;
}

void t_FillOpenForm::Finish() {
  if (!m_reference.isNull()) UI_Entity(m_reference).Erase();
  m_reference = ZcDbObjectId();
  ZWTestCase::Finish();
}
