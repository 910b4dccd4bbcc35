// Grading on a drawing of 20 sizes and size "0": a piece of 40 seam curves (24 lines, 8
// arcs, a bulge polyline, 7 splines of 12 fit points) with a grade point at each joint, and
// 9 parts of 12 lines, all in every size (about 6,000 entities). Measured: (a) grading the
// piece, ApplyOffsets of its 40 places with a size-dependent offset and back again; (b) one
// edit of the grading grid with its 20-row refresh; (c) AddPoint's drag and finish, a new
// grade point 5 along a line of the piece put into all 20 sizes. Peer of (a) in the same run: the same
// moves as bare StretchByDataBase calls on ids gathered beforehand, references moved
// directly. One iteration of (a) and of its peer moves each place there and back in every
// size: divide by 40 (2 ways x 20 sizes) for one way per size.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "bench/ModelSpace.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/GradePointDrag.h"
#include "construction/PartServices.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "ed/ZcApDocManager.h"
#include "ed/zced.h"
#include "geometry/FastrelleArcCalculator.h"
#include "geometry/Fastrelle_SplineStretchDistributor.h"
#include "geometry/StretchByDataBase.h"
#include "headless/Database.h"
#include "framework/Folders.h"
#include "headless/Host.h"
#include "mfc/CDialog.h"
#include "mfc/Resources.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/Fastrelle_SizePoints_list.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

constexpr int kSizeCount = 20, kBaseIndex = 4, kPlaces = 40, kOtherParts = 9;
constexpr double kRadius = 200.0;

CString SizeName(int s) { return CString(std::to_wstring(32 + 2 * s)); }

ZcGePoint3d Vertex(int k) {
  const double a = 2 * M_PI * k / kPlaces;
  return ZcGePoint3d(kRadius * std::cos(a), kRadius * std::sin(a), 0);
}

/// The piece: curve i joins vertex i and i + 1 of a circle; arcs at i = 1, 6, ..., 36,
/// splines at i = 3, 8, ..., 33, the bulge polyline last, lines elsewhere.
ZcDbObjectIdArray Piece(ZcDbDatabase* db) {
  ZcDbObjectIdArray ids;
  for (int i = 0; i < kPlaces; ++i) {
    const ZcGePoint3d a = Vertex(i), b = Vertex(i + 1);
    if (i % 5 == 1) {
      ids.append(Append(db, new ZcDbArc(ZcGePoint3d(0, 0, 0), kRadius, 2 * M_PI * i / kPlaces, 2 * M_PI * (i + 1) / kPlaces)));
    } else if (i % 5 == 3) {
      ZcGePoint3dArray fit;
      const ZcGeVector3d out = (a + (b - a) / 2.0).asVector().normal();
      for (int j = 0; j < 12; ++j) {
        const double t = j / 11.0;
        fit.append(a + (b - a) * t + out * (3.0 * std::sin(M_PI * t)));
      }
      auto* spline = new ZcDbSpline();
      spline->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
      ids.append(Append(db, spline));
    } else if (i == kPlaces - 1) {
      auto* pl = new ZcDbPolyline();
      pl->addVertexAt(0, ZcGePoint2d(a.x, a.y), 0.1);
      pl->addVertexAt(1, ZcGePoint2d(b.x, b.y));
      ids.append(Append(db, pl));
    } else {
      ids.append(Append(db, new ZcDbLine(a, b)));
    }
  }
  return ids;
}

ZcDbObjectIdArray Twelvegon(ZcDbDatabase* db, int index) {
  const ZcGePoint3d centre(600 + 100.0 * index, 0, 0);
  auto at = [&](int k) { return centre + ZcGeVector3d(std::cos(M_PI * k / 6), std::sin(M_PI * k / 6), 0) * 40.0; };
  ZcDbObjectIdArray ids;
  for (int k = 0; k < 12; ++k) ids.append(Append(db, new ZcDbLine(at(k), at(k + 1))));
  return ids;
}

// A plain dialog holding a list 8006 for the grid (the module's own template is not here).
const platform::DialogItemTemplate kGridItems[] = {
    {L"SysListView32", L"", 8006, WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 7, 7, 316, 150}};
const platform::DialogTemplate kGridDialog[] = {
    {9003, L"Grid", WS_POPUP | WS_CAPTION, 0, 0, 0, 330, 170, L"MS Shell Dlg", 8, kGridItems, 1}};
const platform::ResourceImage kImage = {nullptr, 0, kGridDialog, 1};

struct GradingDrawing {
  GradingDrawing() {
    zcedSetEnv(L"Fastrelle_Construction_Path", std::filesystem::path(FASTRELLE_INSTALL_FOLDER).wstring().c_str());
    db = headless::NewDrawing();
    RegisterPartServices();
    for (int s = 0; s < kSizeCount; ++s) EnsureSizeLayers(Fastrelle_Size(SizeName(s), 1 + s % 7, s == kBaseIndex));
    Fastrelle_Part_Drawer(L"Piece", 0).BuildFromCurves(Piece(db));
    for (int p = 0; p < kOtherParts; ++p) Fastrelle_Part_Drawer(CString(std::to_wstring(p + 1)), 0).BuildFromCurves(Twelvegon(db, p));
    for (int k = 0; k < kPlaces; ++k) {
      Fastrelle_SizePoint master(Vertex(k));
      numbers.push_back(master.GetNumber());
    }
    headless::ClearTranscript();
  }
  ZcDbDatabase* db;
  std::vector<int> numbers;  // the grade-point number of each vertex of the piece
};

GradingDrawing& Drawing() {
  static GradingDrawing drawing;
  return drawing;
}

/// Size s's offset of place k "there" (0 back): grows with the distance from the base.
GradingOffset OffsetOf(int s, int k, bool there) {
  GradingOffset o;
  o.X = o.Y = true;
  o.size = SizeName(s);
  const ZcGeVector3d out = Vertex(k).asVector().normal();
  const double grow = there ? 0.5 * (s - kBaseIndex) : 0.0;
  o.DX = out.x * grow;
  o.DY = out.y * grow;
  return o;
}

void BM_GradeThePieceThereAndBack(benchmark::State& state) {
  GradingDrawing& d = Drawing();
  // The places' collections, as the grid and the copy buttons hold them while they grade.
  std::vector<std::unique_ptr<Fastrelle_Points_Gradable>> places;
  std::vector<std::vector<GradingOffset>> out(kPlaces), back(kPlaces);
  for (int k = 0; k < kPlaces; ++k) {
    places.push_back(PointsFromReference(Fastrelle_SizePoint(d.numbers[k], SizeName(kBaseIndex)).Id()));
    for (int s = 0; s < kSizeCount; ++s)
      if (s != kBaseIndex) out[k].push_back(OffsetOf(s, k, true)), back[k].push_back(OffsetOf(s, k, false));
  }
  for (auto _ : state) {
    for (int k = 0; k < kPlaces; ++k) places[k]->ApplyOffsets(out[k]);
    for (int k = 0; k < kPlaces; ++k) places[k]->ApplyOffsets(back[k]);
  }
}
BENCHMARK(BM_GradeThePieceThereAndBack)->Unit(benchmark::kMillisecond);

/// The peer's known ids: for each place and size, the grade point and the seam curves it
/// stretches, gathered once.
struct KnownMove {
  ZcDbObjectId point;
  ZcDbObjectIdArray curves;
  ZcGePoint3d home;
  ZcGeVector3d there;
};

void BM_PeerBareStretchesOnKnownIds(benchmark::State& state) {
  GradingDrawing& d = Drawing();
  std::vector<KnownMove> moves;
  for (int k = 0; k < kPlaces; ++k)
    for (int s = 0; s < kSizeCount; ++s) {
      if (s == kBaseIndex) continue;
      Fastrelle_SizePoint point(d.numbers[k], SizeName(s));
      KnownMove m;
      m.point = point.Id();
      point.SeamCurvesThrough(m.curves);
      m.home = point.GetPosition();
      const GradingOffset o = OffsetOf(s, k, true);
      m.there = ZcGeVector3d(o.DX, o.DY, 0);
      moves.push_back(m);
    }
  for (auto _ : state) {
    for (bool there : {true, false})
      for (const KnownMove& m : moves) {
        const ZcGePoint3d from = there ? m.home : m.home + m.there, to = there ? m.home + m.there : m.home;
        StretchByDataBase stretch;
        stretch.SetArcCalculator(new FastrelleArcCalculator);
        stretch.SetSplineStretcher(new Fastrelle_SplineStretchDistributor);
        stretch.ids = m.curves;
        stretch.Apply(from, to);
        ZcDbBlockReference* ref = nullptr;
        if (zcdbOpenObject(ref, m.point, ZcDb::kForWrite) == Zcad::eOk) {
          ref->setPosition(to);
          ref->close();
        }
      }
  }
}
BENCHMARK(BM_PeerBareStretchesOnKnownIds)->Unit(benchmark::kMillisecond);

/// A grid whose base row is not row 0: a size-42 cell edited 1.5 and back, each edit
/// applied and the 20 rows shown again.
void BM_GridEditWithItsRefresh(benchmark::State& state) {
  GradingDrawing& d = Drawing();
  static const bool registered = (platform::RegisterResourceImage(&kImage, &kImage), true);
  (void)registered;
  zcDocManagerPtr()->pushResourceHandle(headless::InstanceContaining(&kImage));
  CDialog dialog;
  dialog.Create(9003);
  Fastrelle_SizePoints_list grid;
  grid.SubclassDlgItem(8006, &dialog);
  Fastrelle_SizePoints_Set place(CString(std::to_wstring(d.numbers[0])));
  std::unique_ptr<Fastrelle_Points_Gradable> points = PointsFromReference(place.FindInSize(SizeName(kBaseIndex)));
  grid.ShowPoint(*points);
  const int row = kBaseIndex + 1;
  const int id = grid.GetDlgCtrlID() + Fastrelle_SizePoints_list::kDX + 100 * row;
  bool out = true;
  for (auto _ : state) {
    grid.GetCellEditor(row, Fastrelle_SizePoints_list::kDX)->SetWindowText(out ? L"1.5" : L"0.0");
    grid.ApplyCell(id);
    out = !out;
  }
  dialog.DestroyWindow();
  zcDocManagerPtr()->popResourceHandle();
}
BENCHMARK(BM_GridEditWithItsRefresh)->Unit(benchmark::kMillisecond);

/// A new grade point 5 along one line of the piece per iteration (a line not split
/// before), dragged from its first vertex towards the next and placed in every size.
void BM_AddPointDragAndFinish(benchmark::State& state) {
  GradingDrawing& d = Drawing();
  (void)d;
  std::vector<int> lines;
  for (int i = 0; i < kPlaces - 1; ++i)
    if (i % 5 != 1 && i % 5 != 3) lines.push_back(i);
  std::size_t next = 0;
  int placed = 0;
  for (auto _ : state) {
    const int k = lines[next++ % lines.size()];
    const ZcGePoint3d a = Vertex(k), b = Vertex(k + 1), towards = a + (b - a) * 0.6;
    state.PauseTiming();
    headless::PushInputs({std::to_wstring(a.x) + L"," + std::to_wstring(a.y),
                          L"@move " + std::to_wstring(towards.x) + L"," + std::to_wstring(towards.y), L"@text 5"});
    state.ResumeTiming();
    placed += DragGradePoint(ResolveInstallPath(L"Templates\\GradePoint.dwg"), 1.0) == 0;
  }
  state.counters["placed"] = placed;
  state.counters["sizes_of_last"] = Fastrelle_SizePoints_Set(CString(std::to_wstring(NextGradePointNumber() - 1))).GetCount();
  headless::ClearTranscript();
}
BENCHMARK(BM_AddPointDragAndFinish)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
