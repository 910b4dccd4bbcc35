// The host's drawing commands that a pattern maker draws a construction with: "LINE",
// "PLINE" (line and arc segments), "SPLINE" (through fit points), "CIRCLE" and "ARC", and
// the two that letter a title block: "TEXT" and "-ATTDEF" (an attribute definition). New
// entities take the current layer and settings and reach model space when the command
// ends normally; a cancel draws nothing.
#include <cmath>
#include <memory>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbExtents.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbText.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/Entities.h"
#include "editor/HostCommand.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace editor {

namespace {

constexpr double kPi = 3.14159265358979323846;

// True when the entity's box is finite: answers near the largest numbers can still give
// a shape too large to hold (the circle through three such points). A shape without a box
// is made of what is no number (a centre computed past the largest numbers).
bool Finite(const ZcDbEntity* e) {
  ZcDbExtents ext;
  if (e->getGeomExtents(ext) != Zcad::eOk || ext.isEmpty()) return false;
  ZcGePoint3d lo = ext.minPoint(), hi = ext.maxPoint();
  for (double v : {lo.x, lo.y, lo.z, hi.x, hi.y, hi.z})
    if (!std::isfinite(v)) return false;
  return true;
}

// Appends new entities to model space with the current settings.
void AddToModelSpace(std::vector<ZcDbEntity*> entities) {
  for (ZcDbEntity* e : entities)
    if (!Finite(e)) {
      for (ZcDbEntity* d : entities) delete d;
      throw CommandRejected{L"\nThe object would reach beyond the largest coordinates."};
    }
  ZcDbDatabase* db = Drawing();
  ZcDbBlockTableRecord* space = nullptr;
  if (!db || zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForWrite) != Zcad::eOk) {
    for (ZcDbEntity* e : entities) delete e;
    throw CommandRejected{L"\nThere is no drawing to draw in."};
  }
  for (ZcDbEntity* e : entities) {
    e->setDatabaseDefaults(db);
    if (space->appendZcDbEntity(e) == Zcad::eOk) e->close();
    else delete e;
  }
  space->close();
}

// The centre of the circle through three points (user coordinates); false when they lie
// on one line.
bool CircleThrough(const ZcGePoint3d& a, const ZcGePoint3d& b, const ZcGePoint3d& c, ZcGePoint3d& center) {
  double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  if (std::abs(d) < 1e-12) return false;
  double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  center.set((a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
             (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d, a.z);
  return true;
}

double Angle(const ZcGePoint3d& from, const ZcGePoint3d& to) { return std::atan2(to.y - from.y, to.x - from.x); }

// The signed sweep (counter-clockwise positive) of the arc from `start` through `mid` to `end`.
double SweepThrough(const ZcGePoint3d& start, const ZcGePoint3d& mid, const ZcGePoint3d& end,
                    const ZcGePoint3d& center) {
  double a0 = Angle(center, start), a1 = Angle(center, mid), a2 = Angle(center, end);
  auto ccw = [](double from, double to) { return std::fmod(to - from + 4 * kPi, 2 * kPi); };
  double sweep = ccw(a0, a2);
  return ccw(a0, a1) <= sweep ? sweep : sweep - 2 * kPi;
}

void Line(CommandLine& line) {
  std::vector<ZcGePoint3d> points(1);
  line.Point(L"\nSpecify first point: ", points[0]);
  bool close = false;
  for (;;) {
    ZcGePoint3d p;
    std::wstring option;
    bool canClose = points.size() >= 3;
    int status = line.Point(canClose ? L"\nSpecify next point or [Close/Undo]: " : L"\nSpecify next point or [Undo]: ",
                            p, canClose ? L"Close Undo" : L"Undo", &option, true);
    if (status == RTNONE) break;
    if (status == RTNORM) points.push_back(p);
    else if (option == L"Undo" && points.size() > 1) points.pop_back();
    else if (option == L"Close") {
      close = true;
      break;
    }
  }
  if (close) points.push_back(points.front());
  std::vector<ZcDbEntity*> lines;
  for (std::size_t i = 1; i < points.size(); ++i)
    lines.push_back(new ZcDbLine(UcsToWcs(points[i - 1]), UcsToWcs(points[i])));
  AddToModelSpace(lines);
}

// A polyline being drawn: vertices (user coordinates) and the bulge of the segment that
// starts at each.
struct PlineDraft {
  std::vector<ZcGePoint3d> points;
  std::vector<double> bulges;
  // The direction at the end of the last segment (+X before the first).
  ZcGeVector3d EndDirection() const {
    std::size_t n = points.size();
    if (n < 2) return ZcGeVector3d::kXAxis;
    ZcGeVector3d chord = points[n - 1] - points[n - 2];
    double turn = 4 * std::atan(bulges[n - 2]) / 2;  // half the sweep
    return chord.rotateBy(turn, ZcGeVector3d::kZAxis);
  }
  void Add(const ZcGePoint3d& p, double bulgeOfLast) {
    bulges.back() = bulgeOfLast;
    points.push_back(p);
    bulges.push_back(0.0);
  }
};

// The bulge of the arc from `from` to `to` that leaves `from` along `direction`.
double TangentBulge(const ZcGePoint3d& from, const ZcGeVector3d& direction, const ZcGePoint3d& to) {
  ZcGeVector3d chord = to - from;
  double half = std::atan2(direction.x * chord.y - direction.y * chord.x, direction.x * chord.x + direction.y * chord.y);
  return std::tan(half / 2);
}

void Pline(CommandLine& line) {
  PlineDraft d;
  d.points.resize(1);
  d.bulges.assign(1, 0.0);
  line.Point(L"\nSpecify start point: ", d.points[0]);
  bool arcs = false, closed = false;
  while (!closed) {
    ZcGePoint3d p;
    std::wstring option;
    int status = arcs ? line.Point(L"\nSpecify endpoint of arc or [CLose/Line/Second pt/Undo]: ", p,
                                   L"CLose Line Second Undo", &option, true)
                      : line.Point(L"\nSpecify next point or [Arc/Close/Undo]: ", p, L"Arc Close Undo", &option, true);
    if (status == RTNONE) break;
    if (status == RTNORM) {
      d.Add(p, arcs ? TangentBulge(d.points.back(), d.EndDirection(), p) : 0.0);
    } else if (option == L"Arc" || option == L"Line") {
      arcs = option == L"Arc";
    } else if (option == L"Second") {
      ZcGePoint3d mid, end, center;
      line.Point(L"\nSpecify second point on arc: ", mid);
      line.Point(L"\nSpecify end point of arc: ", end);
      if (CircleThrough(d.points.back(), mid, end, center))
        d.Add(end, std::tan(SweepThrough(d.points.back(), mid, end, center) / 4));
      else  // the polyline drawn so far stays; the user gives the segment again
        zcutPrintText(L"\nThe three points lie on one line: no arc passes through them.");
    } else if (option == L"Undo") {
      if (d.points.size() > 1) {
        d.points.pop_back();
        d.bulges.pop_back();
        d.bulges.back() = 0.0;
      }
    } else if (d.points.size() >= 2) {  // Close or CLose
      if (arcs) d.bulges.back() = TangentBulge(d.points.back(), d.EndDirection(), d.points.front());
      closed = true;
    }
  }
  if (d.points.size() < 2) return;
  auto* pl = new ZcDbPolyline();
  for (std::size_t i = 0; i < d.points.size(); ++i) {
    ZcGePoint3d w = UcsToWcs(d.points[i]);
    pl->addVertexAt(static_cast<unsigned>(i), ZcGePoint2d(w.x, w.y), d.bulges[i]);
  }
  pl->setClosed(closed);
  AddToModelSpace({pl});
}

void Spline(CommandLine& line) {
  std::vector<ZcGePoint3d> fit(1);
  line.Point(L"\nSpecify first point: ", fit[0]);
  for (;;) {
    ZcGePoint3d p;
    std::wstring option;
    int status = line.Point(fit.size() < 2 ? L"\nEnter next point: " : L"\nEnter next point or [Undo]: ", p, L"Undo",
                            &option, fit.size() >= 2);
    if (status == RTNONE) break;
    if (status == RTNORM && p.distanceTo(fit.back()) > 1e-9) fit.push_back(p);
    else if (status == RTKWORD && fit.size() > 1) fit.pop_back();
  }
  for (ZcGePoint3d& p : fit) p = UcsToWcs(p);
  ZcGeNurbCurve3d curve(fit);
  int degree;
  std::vector<double> knots, weights;
  std::vector<ZcGePoint3d> cps;
  bool periodic;
  curve.getNurbsData(degree, knots, cps, weights, periodic);
  ZcGePoint3dArray controlPoints, fitPoints;
  ZcGeDoubleArray knotArray, noWeights;
  for (const auto& p : cps) controlPoints.append(p);
  for (double k : knots) knotArray.append(k);
  for (const auto& p : fit) fitPoints.append(p);
  auto* spline = new ZcDbSpline();
  if (spline->setNurbsData(degree, false, false, false, controlPoints, knotArray, noWeights) != Zcad::eOk) {
    delete spline;
    throw CommandRejected{L"\nNo spline passes through these points."};
  }
  spline->setFitData(fitPoints, degree, 0.0, ZcGeVector3d(), ZcGeVector3d());
  AddToModelSpace({spline});
}

void Circle(CommandLine& line) {
  ZcGePoint3d center;
  std::wstring option;
  double radius = 0.0;
  if (line.Point(L"\nSpecify center point for circle or [3P/2P]: ", center, L"3P 2P", &option) == RTKWORD) {
    ZcGePoint3d a, b, c;
    line.Point(L"\nSpecify first point on circle: ", a);
    line.Point(L"\nSpecify second point on circle: ", b);
    if (option == L"2P") {
      center.set((a.x + b.x) / 2, (a.y + b.y) / 2, a.z);
    } else {
      line.Point(L"\nSpecify third point on circle: ", c);
      if (!CircleThrough(a, b, c, center)) throw CommandRejected{L"\nThe three points lie on one line."};
    }
    radius = center.distanceTo(a);
  } else {
    Request r;
    r.prompt = L"\nSpecify radius of circle or [Diameter]: ";
    r.accept = kPoint | kNumber;
    r.flags = kNoNull | kNoZero | kNoNegative;
    r.keywords = Keywords(L"Diameter");
    Answer a;
    if (line.Read(r, a) == RTKWORD) {
      r.prompt = L"\nSpecify diameter of circle: ";
      r.keywords = Keywords();
      line.Read(r, a);
      radius = (a.kind == Answer::Point ? center.distanceTo(a.point) : a.number) / 2;
    } else {
      radius = a.kind == Answer::Point ? center.distanceTo(a.point) : a.number;
    }
  }
  if (radius < 1e-12) throw CommandRejected{L"\nThe radius must be positive."};
  AddToModelSpace({new ZcDbCircle(UcsToWcs(center), ZcGeVector3d::kZAxis, radius)});
}

void Arc(CommandLine& line) {
  ZcGePoint3d start, second, end, center;
  std::wstring option;
  double from = 0.0, to = 0.0;
  if (line.Point(L"\nSpecify start point of arc or [Center]: ", start, L"Center", &option) == RTKWORD) {
    line.Point(L"\nSpecify center point of arc: ", center);
    line.Point(L"\nSpecify start point of arc: ", start);
    Answer a;
    Request r;
    r.prompt = L"\nSpecify end point of arc or [Angle]: ";
    r.accept = kPoint;
    r.flags = kNoNull;
    r.keywords = Keywords(L"Angle");
    from = Angle(center, start);
    if (line.Read(r, a) == RTKWORD) {
      double degrees = 0.0;
      line.Number(L"\nSpecify included angle: ", degrees);
      to = from + degrees * kPi / 180.0;
      if (degrees < 0) std::swap(from, to);
    } else {
      to = Angle(center, a.point);
    }
  } else {
    line.Point(L"\nSpecify second point of arc: ", second);
    line.Point(L"\nSpecify end point of arc: ", end);
    if (!CircleThrough(start, second, end, center)) throw CommandRejected{L"\nThe three points lie on one line."};
    from = Angle(center, start);
    to = Angle(center, end);
    if (SweepThrough(start, second, end, center) < 0) std::swap(from, to);  // drawn clockwise
  }
  double radius = center.distanceTo(start);
  if (radius < 1e-12) throw CommandRejected{L"\nThe radius must be positive."};
  AddToModelSpace({new ZcDbArc(UcsToWcs(center), radius, from, to)});
}

// Where and how a text stands: "Specify start point of text or [Justify]" (Justify offers
// Left, Center, Right and Middle, then the point they align to), the height (Enter 2.5)
// and the rotation in degrees (Enter 0), applied to `text`.
void PlaceText(CommandLine& line, ZcDbText& text) {
  ZcGePoint3d at;
  std::wstring option;
  ZcDb::TextHorzMode mode = ZcDb::kTextLeft;
  if (line.Point(L"\nSpecify start point of text or [Justify]: ", at, L"Justify", &option) == RTKWORD) {
    std::wstring how = line.Keyword(L"\nEnter an option [Left/Center/Right/Middle]: ", L"Left Center Right Middle");
    mode = how == L"Center" ? ZcDb::kTextCenter : how == L"Right" ? ZcDb::kTextRight
         : how == L"Middle" ? ZcDb::kTextMid : ZcDb::kTextLeft;
    line.Point(L"\nSpecify point of text: ", at);
  }
  double height = 2.5, degrees = 0.0;
  if (line.Number(L"\nSpecify height <2.5>: ", height, L"", nullptr, true) == RTNONE) height = 2.5;
  if (height <= 0) throw CommandRejected{L"\nThe height must be positive."};
  if (line.Number(L"\nSpecify rotation angle of text <0>: ", degrees, L"", nullptr, true) == RTNONE) degrees = 0.0;
  const ZcGePoint3d w = UcsToWcs(at);
  text.setPosition(w);
  text.setHeight(height);
  text.setRotation(degrees * kPi / 180.0);
  if (mode != ZcDb::kTextLeft) {
    text.setHorizontalMode(mode);
    text.setAlignmentPoint(w);
  }
}

void Text(CommandLine& line) {
  auto text = std::make_unique<ZcDbText>();
  PlaceText(line, *text);
  std::wstring content = line.Text(L"\nEnter text: ");
  if (content.empty()) return;
  text->setTextString(content.c_str());
  AddToModelSpace({text.release()});
}

void AttDef(CommandLine& line) {
  bool invisible = false, constant = false;
  for (;;) {
    std::wstring option =
        line.Keyword(std::wstring(L"\nCurrent attribute modes: Invisible=") + (invisible ? L"Y" : L"N") +
                         L" Constant=" + (constant ? L"Y" : L"N") +
                         L"\nEnter an option to change [Invisible/Constant] <done>: ",
                     L"Invisible Constant Done", L"Done");
    if (option == L"Invisible") invisible = !invisible;
    else if (option == L"Constant") constant = !constant;
    else break;
  }
  std::wstring tag = line.Text(L"\nEnter attribute tag name: ");
  if (tag.empty() || tag.find(L' ') != std::wstring::npos)
    throw CommandRejected{L"\nAn attribute tag is one word, not empty."};
  std::wstring prompt = line.Text(L"\nEnter attribute prompt: ");
  std::wstring value = line.Text(L"\nEnter default attribute value: ");
  auto def = std::make_unique<ZcDbAttributeDefinition>(ZcGePoint3d(), value.c_str(), tag.c_str(), prompt.c_str());
  def->setInvisible(invisible);
  def->setConstant(constant);
  PlaceText(line, *def);
  AddToModelSpace({def.release()});
}

}  // namespace

void AddDrawCommands(std::vector<HostCommand>& table) {
  table.push_back({L"LINE", &Line});
  table.push_back({L"PLINE", &Pline});
  table.push_back({L"SPLINE", &Spline});
  table.push_back({L"CIRCLE", &Circle});
  table.push_back({L"ARC", &Arc});
  table.push_back({L"TEXT", &Text});
  table.push_back({L"-ATTDEF", &AttDef});
}

}  // namespace editor
