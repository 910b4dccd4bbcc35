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
#include "sizes/Fastrelle_SizePoints.h"
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

void Fastrelle_Corner_MultiJoin::GatherGradePoints() {
  if (m_gathered) return;
  m_gathered = true;
  m_next = NextGradePointNumber();
  Fastrelle_SizePoints points;
  points.CollectReferences(points.BlockName());
  for (int i = 0; i < points.GetCount(); ++i) {
    const Fastrelle_SizePoint point = points.GetAt(i);
    m_points[point.GetNumber()].emplace_back(point.GetSizeName(), point.Id());
  }
}

bool Fastrelle_Corner_MultiJoin::InRange(int number) {
  GatherGradePoints();
  return number >= 1 && number <= m_next;
}

Fastrelle_SizePoint Fastrelle_Corner_MultiJoin::GradePoint(int number, const CString& size) {
  GatherGradePoints();
  auto found = m_points.find(number);
  if (found != m_points.end())
    for (const auto& [name, id] : found->second)
      if (name.CompareNoCase(size) == 0) return Fastrelle_SizePoint(id);
  return Fastrelle_SizePoint();
}

int Fastrelle_Corner_MultiJoin::PrepareCutLines(const CString& size) {
  for (int number : {m_corner, m_first, m_second})
    if (!InRange(number)) return Zcad::eOutOfRange;
  const Fastrelle_SizePoint corner = GradePoint(m_corner, size);
  Fastrelle_Curve curve;
  if (int status = curve.FindCutBetween(corner, GradePoint(m_first, size))) return status;
  m_join->m_cut1 = curve.Id();
  if (int status = curve.FindCutBetween(corner, GradePoint(m_second, size))) return status;
  m_join->m_cut2 = curve.Id();
  return 0;
}

int Fastrelle_Corner_MultiJoin::PrepareSeam(const CString& size) {
  return PrepareSeamTo(size, m_seam, m_join->m_seam);
}

int Fastrelle_Corner_MultiJoin::PrepareSeamTo(const CString& size, int number, ZcDbObjectId& seam) {
  if (!InRange(number)) return Zcad::eOutOfRange;
  Fastrelle_Curve curve;
  if (int status = curve.FindSeamBetween(GradePoint(m_corner, size), GradePoint(number, size))) return status;
  seam = curve.Id();
  return 0;
}

Fastrelle_Corner_MultiJoin_ExtendCuts::Fastrelle_Corner_MultiJoin_ExtendCuts()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ExtendBothCut>()) {}

int Fastrelle_Corner_MultiJoin_ExtendCuts::PrepareInSize(const CString& size) { return PrepareCutLines(size); }

Fastrelle_Corner_MultiJoin_ExtendOneSeam::Fastrelle_Corner_MultiJoin_ExtendOneSeam()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ExtendOneSeam>()) {}

Fastrelle_Corner_MultiJoin_ExtendBothSeam::Fastrelle_Corner_MultiJoin_ExtendBothSeam()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ExtendBothSeam>()) {}

int Fastrelle_Corner_MultiJoin_ExtendBothSeam::PrepareInSize(const CString& size) {
  if (int status = PrepareCutLines(size)) return status;
  if (int status = PrepareSeam(size)) return status;
  return PrepareSeamTo(size, m_seam2, static_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(m_join.get())->m_seam2);
}

Fastrelle_Corner_MultiJoin_Angle::Fastrelle_Corner_MultiJoin_Angle(double angle)
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_Angle>(angle)) {}

Fastrelle_Corner_MultiJoin_ByMirrors::Fastrelle_Corner_MultiJoin_ByMirrors()
    : Fastrelle_Corner_MultiJoin(std::make_unique<Fastrelle_Corner_Join_ByMirrors>()) {}

void Fastrelle_Corner_MultiJoin_ByMirrors::SetDirection(unsigned char direction) {
  static_cast<Fastrelle_Corner_Join_ByMirrors*>(m_join.get())->m_direction = direction;
}
