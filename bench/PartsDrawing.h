// The parts benchmarks' drawing: 20 sizes ("32" to "70", "40" the base) and size "0"
// holding 30 parts named "1" to "30", each 12 seam curves (ten lines, an arc, a spline)
// around its centre with 12 grade points, built by BuildFromCurves: about 15,000 entities
// in 630 groups. Used by the parts and part-description benchmarks.
#ifndef BENCH_PARTSDRAWING_H
#define BENCH_PARTSDRAWING_H

#include <cmath>
#include <filesystem>
#include <string>

#include "bench/ModelSpace.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartServices.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "ed/zced.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "sizes/Fastrelle_Sizes.h"

namespace parts_drawing {

constexpr int kSizeCount = 20, kPartCount = 30;
constexpr double kRadius = 40.0, kPitch = 100.0;

/// The name of size `s` (1 to kSizeCount).
inline CString SizeName(int s) { return CString(std::to_wstring(30 + 2 * s)); }

/// The centre of part `index` (0-based; the part is named index + 1).
inline ZcGePoint3d Centre(int index) { return ZcGePoint3d(kPitch * index, 0, 0); }

/// The outline of part `index` on layer "0": ten sides as lines, one as an arc, one as a
/// spline bulging out.
inline ZcDbObjectIdArray Outline(ZcDbDatabase* db, int index) {
  const ZcGePoint3d centre = Centre(index);
  auto at = [&](int k) {
    const double angle = M_PI * k / 6;
    return centre + ZcGeVector3d(std::cos(angle), std::sin(angle), 0) * kRadius;
  };
  ZcDbObjectIdArray ids;
  for (int k = 0; k < 10; ++k) ids.append(Append(db, new ZcDbLine(at(k), at(k + 1))));
  ids.append(Append(db, new ZcDbArc(centre, kRadius, M_PI * 10 / 6, M_PI * 11 / 6)));
  ZcGePoint3dArray fit;
  fit.append(at(11));
  fit.append(centre + ZcGeVector3d(std::cos(M_PI * 23 / 12), std::sin(M_PI * 23 / 12), 0) * (kRadius + 3));
  fit.append(at(12));
  auto* spline = new ZcDbSpline();
  spline->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
  ids.append(Append(db, spline));
  return ids;
}

/// A new working drawing holding the sizes and the 30 parts; the settings are read from
/// the install folder `installFolder`.
inline ZcDbDatabase* BuildPartsDrawing(const char* installFolder) {
  zcedSetEnv(L"Fastrelle_Construction_Path", std::filesystem::path(installFolder).wstring().c_str());
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterPartServices();
  for (int s = 1; s <= kSizeCount; ++s) EnsureSizeLayers(Fastrelle_Size(SizeName(s), 1 + s % 7, s == 5));
  for (int p = 0; p < kPartCount; ++p) Fastrelle_Part_Drawer(CString(std::to_wstring(p + 1)), 0).BuildFromCurves(Outline(db, p));
  headless::ClearTranscript();
  return db;
}

}  // namespace parts_drawing

#endif
