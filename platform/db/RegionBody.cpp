// The REGION body: a region's exact boundary as lines of text, and the older body of bulge
// loops, which still reads.
//
// The body, one item per line, numbers as "%.17g" (they read back to the same double):
//   "region 2 faces F"                      then F faces
//   "face L"                                then L loops, the outline first, then its holes
//   "loop E"                                then E edges in chain order, each one of
//     "line X0 Y0 Z0 X1 Y1 Z1"
//     "arc CX CY CZ NX NY NZ R START END"   angles from the plane's own X axis (arbitrary-
//                                           axis rule), counter-clockwise about N; END =
//                                           START + sweep
//     "ellipse CX CY CZ NX NY NZ AX AY AZ RATIO START END"   A: the major axis
//     "spline DEGREE PERIODIC RATIONAL K C" then K lines "knot T" and C lines "cp X Y Z W"
// The older body: "loops N elevation Z", then per loop "loop M" and M lines "X Y BULGE"
// (closed bulge loops in the XY plane; the first is the outline, the rest its holes).
#include "db/RegionBody.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace zcdb {

namespace {

std::string Join(const char* word, std::initializer_list<double> values) {
  std::string out = word;
  char buf[32];
  for (double v : values) {
    std::snprintf(buf, sizeof buf, " %.17g", v);
    out += buf;
  }
  return out;
}

/// Files `c` as region edges (a polyline as its segments); how many.
size_t WriteEdge(const ZcGeCurve3d& c, std::vector<std::string>& out) {
  switch (c.kind()) {
    case ZcGeCurve3d::kLineSeg: {
      ZcGePoint3d a = c.startPoint(), b = c.endPoint();
      out.push_back(Join("line", {a.x, a.y, a.z, b.x, b.y, b.z}));
      return 1;
    }
    case ZcGeCurve3d::kCircArc: {
      const auto& a = static_cast<const ZcGeCircArc3d&>(c);
      ZcGePoint3d o = a.center();
      ZcGeVector3d n = a.normal();
      out.push_back(Join("arc", {o.x, o.y, o.z, n.x, n.y, n.z, a.radius(), a.startAngle(), a.startAngle() + a.sweep()}));
      return 1;
    }
    case ZcGeCurve3d::kEllipArc: {
      const auto& e = static_cast<const ZcGeEllipArc3d&>(c);
      ZcGePoint3d o = e.center();
      ZcGeVector3d n = e.normal(), m = e.majorAxis();
      out.push_back(Join("ellipse", {o.x, o.y, o.z, n.x, n.y, n.z, m.x, m.y, m.z, e.radiusRatio(), e.startAngle(),
                                     e.startAngle() + e.sweep()}));
      return 1;
    }
    case ZcGeCurve3d::kNurbCurve: {
      const auto& s = static_cast<const ZcGeNurbCurve3d&>(c);
      int degree = 0;
      bool periodic = false;
      std::vector<double> knots, weights;
      std::vector<ZcGePoint3d> cps;
      s.getNurbsData(degree, knots, cps, weights, periodic);
      out.push_back(Join("spline", {double(degree), periodic ? 1.0 : 0.0, weights.empty() ? 0.0 : 1.0,
                                    double(knots.size()), double(cps.size())}));
      for (double k : knots) out.push_back(Join("knot", {k}));
      for (size_t i = 0; i < cps.size(); ++i)
        out.push_back(Join("cp", {cps[i].x, cps[i].y, cps[i].z, weights.empty() ? 1.0 : weights[i]}));
      return 1;
    }
    case ZcGeCurve3d::kBulgePolyline: {  // a region's edges are single curves: file its segments
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(c);
      size_t n = 0;
      for (unsigned i = 0; i < pl.numSegments(); ++i)
        if (auto seg = pl.segmentCurve(i); seg && seg->kind() != ZcGeCurve3d::kBulgePolyline) n += WriteEdge(*seg, out);
      return n;
    }
  }
  return 0;
}

/// A line's first word and its numbers; false when a word after the first is not a finite number.
bool Split(const std::string& line, std::string& word, std::vector<double>& numbers) {
  std::istringstream in(line);
  numbers.clear();
  if (!(in >> word)) return false;
  for (std::string t; in >> t;) {
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(v)) return false;
    numbers.push_back(v);
  }
  return true;
}

class Reader {
public:
  explicit Reader(const std::vector<std::string>& lines) : lines_(lines) {}

  /// The next line as `word` followed by exactly `count` numbers.
  bool Take(const char* word, size_t count, std::vector<double>& numbers) {
    std::string w;
    return at_ < lines_.size() && Split(lines_[at_++], w, numbers) && w == word && numbers.size() == count;
  }
  /// A count that the remaining lines can hold.
  bool Count(double v, size_t& n) const {
    if (v < 0 || v != std::floor(v) || v > double(lines_.size() - at_)) return false;
    n = static_cast<size_t>(v);
    return true;
  }
  std::unique_ptr<ZcGeCurve3d> Edge();
  bool Region(ZcGeRegion& region);
  bool OldRegion(ZcGeRegion& region);

private:
  const std::vector<std::string>& lines_;
  size_t at_ = 0;
};

std::unique_ptr<ZcGeCurve3d> Reader::Edge() {
  if (at_ >= lines_.size()) return nullptr;
  std::string word;
  std::vector<double> v;
  if (!Split(lines_[at_++], word, v)) return nullptr;
  if (word == "line" && v.size() == 6)
    return std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(v[0], v[1], v[2]), ZcGePoint3d(v[3], v[4], v[5]));
  if (word == "arc" && v.size() == 9 && v[6] > 0)
    return std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(v[0], v[1], v[2]), ZcGeVector3d(v[3], v[4], v[5]),
                                           ZcGeVector3d(), v[6], v[7], v[8]);
  if (word == "ellipse" && v.size() == 12) {
    auto e = std::make_unique<ZcGeEllipArc3d>();
    if (e->set(ZcGePoint3d(v[0], v[1], v[2]), ZcGeVector3d(v[3], v[4], v[5]), ZcGeVector3d(v[6], v[7], v[8]), v[9],
               v[10], v[11]) != Zcad::eOk)
      return nullptr;
    return e;
  }
  size_t nKnots = 0, nCps = 0;
  if (word != "spline" || v.size() != 5 || !(v[0] >= 1 && v[0] <= 25) || !Count(v[3], nKnots) || !Count(v[4], nCps))
    return nullptr;
  int degree = static_cast<int>(v[0]);
  bool periodic = v[1] != 0, rational = v[2] != 0;
  std::vector<double> knots, weights, n;
  std::vector<ZcGePoint3d> cps;
  for (size_t i = 0; i < nKnots; ++i) {
    if (!Take("knot", 1, n)) return nullptr;
    knots.push_back(n[0]);
  }
  for (size_t i = 0; i < nCps; ++i) {
    if (!Take("cp", 4, n)) return nullptr;
    cps.emplace_back(n[0], n[1], n[2]);
    weights.push_back(n[3]);
  }
  if (!rational) weights.clear();
  auto s = std::make_unique<ZcGeNurbCurve3d>();
  if (s->setNurbsData(degree, knots, cps, weights, periodic) != Zcad::eOk) return nullptr;
  return s;
}

bool Reader::Region(ZcGeRegion& region) {
  std::vector<double> n;
  size_t nFaces = 0, nLoops = 0, nEdges = 0;
  std::istringstream head(lines_[at_++]);
  std::string word, faces;
  double version = 0, count = -1;
  if (!(head >> word >> version >> faces >> count) || word != "region" || version != 2 || faces != "faces" ||
      !Count(count, nFaces))
    return false;
  std::vector<ZcGeRegion::Face> out;
  for (size_t i = 0; i < nFaces; ++i) {
    if (!Take("face", 1, n) || !Count(n[0], nLoops)) return false;
    ZcGeRegion::Face face;
    for (size_t j = 0; j < nLoops; ++j) {
      if (!Take("loop", 1, n) || !Count(n[0], nEdges)) return false;
      ZcGeRegion::Loop loop;
      for (size_t k = 0; k < nEdges; ++k) {
        std::unique_ptr<ZcGeCurve3d> e = Edge();
        if (!e) return false;
        loop.push_back(std::move(e));
      }
      face.push_back(std::move(loop));
    }
    out.push_back(std::move(face));
  }
  return at_ == lines_.size() && ZcGeRegion::fromFaces(std::move(out), region) == Zcad::eOk;
}

bool Reader::OldRegion(ZcGeRegion& region) {
  size_t nLoops = 0, nVerts = 0;
  double elevation = 0;
  if (std::sscanf(lines_[at_++].c_str(), "loops %zu elevation %lf", &nLoops, &elevation) != 2 || nLoops > lines_.size())
    return false;
  std::vector<ZcGeRegion::Face> faces;
  ZcGeRegion::Face face;
  for (size_t k = 0; k < nLoops; ++k) {
    std::vector<double> n;
    if (!Take("loop", 1, n) || !Count(n[0], nVerts)) return false;
    std::vector<ZcGePoint2d> points;
    std::vector<double> bulges;
    for (size_t i = 0; i < nVerts; ++i) {
      double x, y, b;
      if (std::sscanf(lines_[at_++].c_str(), "%lf %lf %lf", &x, &y, &b) != 3) return false;
      points.emplace_back(x, y);
      bulges.push_back(b);
    }
    ZcGeBulgePolyline3d pl(points, bulges, true, elevation);
    ZcGeRegion::Loop loop;
    for (unsigned i = 0; i < pl.numSegments(); ++i)
      if (auto seg = pl.segmentCurve(i); seg && !seg->isDegenerate()) loop.push_back(std::move(seg));
    face.push_back(std::move(loop));
  }
  if (!face.empty()) faces.push_back(std::move(face));
  return ZcGeRegion::fromFaces(std::move(faces), region) == Zcad::eOk;
}

}  // namespace

std::vector<std::string> WriteRegionBody(const ZcGeRegion& region) {
  std::vector<std::string> out;
  out.push_back("region 2 faces " + std::to_string(region.numFaces()));
  for (const ZcGeRegion::Face& face : region.faces()) {
    out.push_back("face " + std::to_string(face.size()));
    for (const ZcGeRegion::Loop& loop : face) {
      size_t head = out.size(), edges = 0;
      out.emplace_back();
      for (const auto& c : loop) edges += WriteEdge(*c, out);
      out[head] = "loop " + std::to_string(edges);
    }
  }
  return out;
}

bool IsOwnRegionBody(const std::string& firstLine) {
  return firstLine.compare(0, 6, "loops ") == 0 || firstLine.compare(0, 7, "region ") == 0;
}

bool ReadRegionBody(const std::vector<std::string>& lines, ZcGeRegion& region) {
  if (lines.empty()) return false;
  Reader reader(lines);
  ZcGeRegion read;
  bool ok = lines[0].compare(0, 6, "loops ") == 0 ? reader.OldRegion(read) : reader.Region(read);
  if (ok) region = std::move(read);
  return ok;
}

}  // namespace zcdb
