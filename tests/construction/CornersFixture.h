// A part whose bottom corners are the two corner figures, in sizes 38, ^40 and 42 (42 graded
// +5 in x at the right corner), with its seam lines offset into cut lines as the cut-line
// command leaves them (joined at the mitres): the drawing of the corner tests.
#ifndef TESTS_CONSTRUCTION_CORNERSFIXTURE_H
#define TESTS_CONSTRUCTION_CORNERSFIXTURE_H

#include <map>

#include "PartsFixture.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbCurve.h"

/// Grade points: 1 at K = (0,0) (right angle: the left side over the hem), 2 at (100,0)
/// ((105,0) in 42; the side leaning in towards (95,120)), 3 at (95,120), 4 at (0,120).
/// Allowances: sides 10, hem 20. Per size the cut lines are "left", "hem" and "right".
class CornersTest : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
    ZcDbObjectIdArray seam;
    const ZcGePoint3d c[] = {{0, 0, 0}, {100, 0, 0}, {95, 120, 0}, {0, 120, 0}};
    for (int i = 0; i < 4; ++i) seam.append(AddLine(c[i], c[(i + 1) % 4]));
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(seam));
    ASSERT_EQ(0, Fastrelle_SizePoint(2, L"42").MoveTo(ZcGePoint3d(105, 0, 0)));
    for (const wchar_t* size : {L"38", L"40", L"42"}) AddCutLines(size);
  }

  /// The line A-B moved by d to its right (outward on this counter-clockwise part).
  static void Offset(const ZcGePoint3d& a, const ZcGePoint3d& b, double d, ZcGePoint3d& oa, ZcGePoint3d& ob) {
    ZcGeVector3d dir = (b - a).normal();
    ZcGeVector3d right(dir.y, -dir.x, 0);
    oa = a + right * d;
    ob = b + right * d;
  }
  /// The crossing of the infinite lines a1-a2 and b1-b2.
  static ZcGePoint3d Cross(const ZcGePoint3d& a1, const ZcGePoint3d& a2, const ZcGePoint3d& b1, const ZcGePoint3d& b2) {
    const double d = (a2.x - a1.x) * (b2.y - b1.y) - (a2.y - a1.y) * (b2.x - b1.x);
    const double t = ((b1.x - a1.x) * (b2.y - b1.y) - (b1.y - a1.y) * (b2.x - b1.x)) / d;
    return a1 + (a2 - a1) * t;
  }
  /// The right corner in `size` (the grade point's position).
  static ZcGePoint3d RightCorner(const wchar_t* size) { return Fastrelle_SizePoint(2, size).GetPosition(); }
  /// The right side's cut line as a pair of points on it.
  static void RightCut(const wchar_t* size, ZcGePoint3d& a, ZcGePoint3d& b) {
    Offset(RightCorner(size), ZcGePoint3d(95, 120, 0), 10.0, a, b);
  }
  /// Where the right cut line and the hem cut line (y = -20) meet.
  static ZcGePoint3d MitreB(const wchar_t* size) {
    ZcGePoint3d a, b;
    RightCut(size, a, b);
    return Cross(a, b, ZcGePoint3d(0, -20, 0), ZcGePoint3d(1, -20, 0));
  }

  void AddCutLines(const wchar_t* size) {
    ZcGePoint3d ra, rb;
    RightCut(size, ra, rb);
    const ZcGePoint3d mitre = MitreB(size);
    const ZcGePoint3d top = Cross(ra, rb, ZcGePoint3d(0, 130, 0), ZcGePoint3d(1, 130, 0));
    ZcDbObjectIdArray ids;
    ids.append(cut_[size][L"left"] = AddLine(ZcGePoint3d(-10, -20, 0), ZcGePoint3d(-10, 130, 0)));
    ids.append(cut_[size][L"hem"] = AddLine(ZcGePoint3d(-10, -20, 0), mitre));
    ids.append(cut_[size][L"right"] = AddLine(mitre, top));
    ASSERT_EQ(0, PartSizeGroup(nullptr, L"Front", size).PutOnCutLayer(ids));
  }
  ZcDbObjectId Cut(const wchar_t* size, const wchar_t* which) { return cut_[size][which]; }

  static ZcGePoint3d Start(ZcDbObjectId id) {
    ZcDbCurve* c = nullptr;
    ZcGePoint3d p;
    if (zcdbOpenObject(c, id, ZcDb::kForRead) == Zcad::eOk) c->getStartPoint(p), c->close();
    return p;
  }
  static ZcGePoint3d End(ZcDbObjectId id) {
    ZcDbCurve* c = nullptr;
    ZcGePoint3d p;
    if (zcdbOpenObject(c, id, ZcDb::kForRead) == Zcad::eOk) c->getEndPoint(p), c->close();
    return p;
  }
  /// One of the curve's ends lies within 1e-9 of the point.
  static bool EndsAt(ZcDbObjectId id, const ZcGePoint3d& p) {
    return Start(id).distanceTo(p) < 1e-9 || End(id).distanceTo(p) < 1e-9;
  }

  std::map<std::wstring, std::map<std::wstring, ZcDbObjectId>> cut_;
};

#endif
