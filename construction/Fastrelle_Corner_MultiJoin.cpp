// Fastrelle_Corner_MultiJoin and its five kinds: one corner joined in every size.
#include "construction/Fastrelle_Corner_MultiJoin.h"

#include "construction/Fastrelle_Corner_Join_Angle.h"
#include "construction/Fastrelle_Corner_Join_ByMirrors.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothCut.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothSeam.h"
#include "construction/Fastrelle_Corner_Join_ExtendOneSeam.h"
#include "construction/Fastrelle_Curve.h"
#include "ed/ErrorStatus.h"
#include "ed/zced.h"
#include "framework/Printer.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
/// The run has no join object.
constexpr int kNoJoin = 506;

/// Names a failing size on its own line, then its status through the error printer.
void ReportSize(const CString& size, int status) {
  ZWPrinter().Print(L"\n" + size + L" !");
  PrintErrorStatus(status);
}
}  // namespace

Fastrelle_Corner_MultiJoin::Fastrelle_Corner_MultiJoin(std::unique_ptr<Fastrelle_Corner> join)
    : m_join(std::move(join)) {
  resbuf rb{};
  if (zcedGetVar(L"PICKSTYLE", &rb) == RTNORM) {
    m_pickStyle = rb.resval.rint;
    m_pickStyleRead = true;
  }
}

Fastrelle_Corner_MultiJoin::~Fastrelle_Corner_MultiJoin() {
  if (!m_pickStyleRead) return;
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = m_pickStyle;
  zcedSetVar(L"PICKSTYLE", &rb);
}

int Fastrelle_Corner_MultiJoin::RunInAllSizes() {
  if (!m_join) return kNoJoin;
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  int first = 0;
  for (const Fastrelle_Size& size : sizes.Sizes()) {
    m_size = size.GetName();
    if (int status = PrepareInSize(m_size)) {
      ReportSize(m_size, status);
      return status;
    }
    if (int status = m_join->Join()) {
      ReportSize(m_size, status);
      if (first == 0) first = status;
    }
  }
  return first;
}

int Fastrelle_Corner_MultiJoin::PrepareInSize(const CString& size) {
  if (int status = PrepareCutLines(size)) return status;
  return PrepareSeam(size);
}

int Fastrelle_Corner_MultiJoin::PrepareCutLines(const CString& size) {
  Fastrelle_Curve curve;
  if (int status = curve.FindCutBetweenPoints(size, m_corner, m_first)) return status;
  m_join->m_cut1 = curve.Id();
  if (int status = curve.FindCutBetweenPoints(size, m_corner, m_second)) return status;
  m_join->m_cut2 = curve.Id();
  return 0;
}

int Fastrelle_Corner_MultiJoin::PrepareSeam(const CString& size) {
  if (!IsGradePointNumberInRange(m_seam)) return Zcad::eOutOfRange;
  Fastrelle_Curve curve;
  if (int status = curve.FindSeamBetweenPoints(size, m_corner, m_seam)) return status;
  m_join->m_seam = curve.Id();
  return 0;
}

Fastrelle_Corner_MultiJoin_ExtendCuts::Fastrelle_Corner_MultiJoin_ExtendCuts()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ExtendBothCut>()) {}

int Fastrelle_Corner_MultiJoin_ExtendCuts::PrepareInSize(const CString& size) {
  for (int number : {m_corner, m_first, m_second})
    if (!IsGradePointNumberInRange(number)) return Zcad::eOutOfRange;
  return PrepareCutLines(size);
}

Fastrelle_Corner_MultiJoin_ExtendOneSeam::Fastrelle_Corner_MultiJoin_ExtendOneSeam()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ExtendOneSeam>()) {}

Fastrelle_Corner_MultiJoin_ExtendBothSeam::Fastrelle_Corner_MultiJoin_ExtendBothSeam()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ExtendBothSeam>()) {}

int Fastrelle_Corner_MultiJoin_ExtendBothSeam::PrepareInSize(const CString& size) {
  if (int status = PrepareCutLines(size)) return status;
  if (int status = PrepareSeam(size)) return status;
  Fastrelle_Curve second;
  if (int status = second.FindSeamBetweenPoints(size, m_corner, m_seam2)) return status;
  static_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(m_join.get())->m_seam2 = second.Id();
  return 0;
}

Fastrelle_Corner_MultiJoin_Angle::Fastrelle_Corner_MultiJoin_Angle(double angle)
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_Angle>(angle)) {}

Fastrelle_Corner_MultiJoin_ByMirrors::Fastrelle_Corner_MultiJoin_ByMirrors()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ByMirrors>()) {}

void Fastrelle_Corner_MultiJoin_ByMirrors::SetDirection(unsigned char direction) {
  static_cast<Fastrelle_Corner_Join_ByMirrors*>(m_join.get())->m_direction = direction;
}
