// SVG rendering of model space. Drawing units become SVG user units; the Y axis is turned
// over once for the whole picture, and texts are turned back so they read upright.
#include "host/SvgWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbLeader.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbOpaqueEntity.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbTable.h"
#include "db/ZcDbText.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeCurve3d.h"
#include "headless/Host.h"

namespace {

constexpr double kPi = 3.141592653589793;

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", std::fabs(v) < 1e-12 ? 0.0 : v);
  return buf;
}

std::string Xml(const std::wstring& text) {
  std::string out;
  for (char c : headless::ToUtf8(text)) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else if (c == '"') out += "&quot;";
    else out.push_back(c);
  }
  return out;
}

std::string Rgb(std::uint32_t rgb) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06X", rgb & 0xFFFFFF);
  return buf;
}

// The convex outline of points in the plane, counter-clockwise (monotone chain).
std::vector<ZcGePoint3d> Outline(std::vector<ZcGePoint3d> pts) {
  std::sort(pts.begin(), pts.end(), [](const ZcGePoint3d& a, const ZcGePoint3d& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  });
  pts.erase(std::unique(pts.begin(), pts.end(),
                        [](const ZcGePoint3d& a, const ZcGePoint3d& b) { return a.x == b.x && a.y == b.y; }),
            pts.end());
  if (pts.size() < 3) return pts;
  auto cross = [](const ZcGePoint3d& o, const ZcGePoint3d& a, const ZcGePoint3d& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
  };
  std::vector<ZcGePoint3d> hull(2 * pts.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  for (std::size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
    while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  hull.resize(k - 1);
  return hull;
}

class Renderer {
public:
  explicit Renderer(const ZcDbDatabase& db) : db_(db) {}

  std::string run() {
    ZcDbBlockTableRecord* ms = nullptr;
    ZcDbExtents all;
    std::vector<ZcDbObjectId> ids;
    if (zcdbOpenObject(ms, db_.modelSpaceId(), ZcDb::kForRead) == Zcad::eOk) {
      for (ZcDbObjectId id : ms->entityIds()) ids.push_back(id);
      ms->close();
    }
    for (ZcDbObjectId id : ids) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      ZcDbExtents box;
      if (shown(e) && e->getGeomExtents(box) == Zcad::eOk) all.addExt(box);
      draw(e, 0x000000);
      e->close();
    }
    double x0 = 0, y0 = 0, w = 100, h = 100;
    if (!all.isEmpty()) {
      double m = 0.05 * std::max({all.maxPoint().x - all.minPoint().x, all.maxPoint().y - all.minPoint().y, 1.0});
      x0 = all.minPoint().x - m;
      y0 = all.minPoint().y - m;
      w = all.maxPoint().x - all.minPoint().x + 2 * m;
      h = all.maxPoint().y - all.minPoint().y + 2 * m;
    }
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << Num(x0) << ' ' << Num(-(y0 + h)) << ' '
        << Num(w) << ' ' << Num(h) << "\" width=\"" << Num(std::min(w, 2000.0) * 1) << "\" height=\""
        << Num(std::min(w, 2000.0) * h / w) << "\">\n"
        << "<rect x=\"" << Num(x0) << "\" y=\"" << Num(-(y0 + h)) << "\" width=\"" << Num(w) << "\" height=\""
        << Num(h) << "\" fill=\"white\"/>\n"
        << "<g transform=\"scale(1,-1)\" fill=\"none\" stroke-width=\"" << Num(w / 1000) << "\">\n"
        << body_.str() << "</g>\n</svg>\n";
    return out.str();
  }

private:
  // Layers that are off or frozen hide their entities.
  bool shown(const ZcDbEntity* e) const {
    if (e->visibility() == ZcDb::kInvisible) return false;
    ZcDbLayerTableRecord* layer = nullptr;
    if (zcdbOpenObject(layer, e->layerId(), ZcDb::kForRead) != Zcad::eOk) return true;
    bool on = !layer->isOff() && !layer->isFrozen();
    layer->close();
    return on;
  }

  // The colour of an entity: its own, its layer's (ByLayer), or the reference's (ByBlock).
  std::uint32_t colour(const ZcDbEntity* e, std::uint32_t byBlock) const {
    ZcCmColor c = e->color();
    if (c.isByBlock()) return byBlock;
    if (!c.isByLayer()) return c.colorIndex() == 7 ? 0x000000 : c.rgb();
    ZcDbLayerTableRecord* layer = nullptr;
    std::uint32_t rgb = 0;
    if (zcdbOpenObject(layer, e->layerId(), ZcDb::kForRead) == Zcad::eOk) {
      rgb = layer->color().colorIndex() == 7 ? 0x000000 : layer->color().rgb();
      layer->close();
    }
    return rgb;
  }

  void path(const std::string& d, std::uint32_t rgb) {
    body_ << "<path d=\"" << d << "\" stroke=\"" << Rgb(rgb) << "\"/>\n";
  }

  static std::string At(const ZcGePoint3d& p) { return Num(p.x) + "," + Num(p.y); }

  // A bulge segment from a to b as an SVG arc or line command.
  static std::string Segment(const ZcGePoint3d& a, const ZcGePoint3d& b, double bulge) {
    if (std::fabs(bulge) < 1e-12) return " L" + At(b);
    double theta = 4 * std::atan(bulge), chord = std::hypot(b.x - a.x, b.y - a.y);
    double r = chord / (2 * std::sin(std::fabs(theta) / 2));
    // y is turned over in the picture, so a counter-clockwise arc sweeps with flag 1 here
    return " A" + Num(r) + "," + Num(r) + " 0 " + (std::fabs(theta) > kPi ? "1" : "0") + " " +
           (theta > 0 ? "1" : "0") + " " + At(b);
  }

  static std::string Chain(const std::vector<std::pair<ZcGePoint3d, double>>& v, bool closed) {
    if (v.empty()) return "";
    std::string d = "M" + At(v[0].first);
    for (std::size_t i = 0; i + 1 < v.size(); ++i) d += Segment(v[i].first, v[i + 1].first, v[i].second);
    if (closed && v.size() > 1) d += Segment(v.back().first, v[0].first, v.back().second) + " Z";
    return d;
  }

  // A region's loop: lines as lines, arcs as two arc commands (each half under a half turn,
  // so that a full circle draws), other edges by 100 chords each.
  static std::string Loop(const ZcGeRegion::Loop& loop) {
    if (loop.empty()) return "";
    std::string d = "M" + At(loop.front()->startPoint());
    for (const auto& c : loop) {
      if (c->kind() == ZcGeCurve3d::kLineSeg) {
        d += " L" + At(c->endPoint());
      } else if (c->kind() == ZcGeCurve3d::kCircArc) {
        const auto& arc = static_cast<const ZcGeCircArc3d&>(*c);
        double bulge = std::tan(arc.sweep() / 8) * (arc.normal().z < 0 ? -1 : 1);
        ZcGePoint3d mid = arc.evalPoint(arc.endParam() / 2);
        d += Segment(arc.startPoint(), mid, bulge) + Segment(mid, arc.endPoint(), bulge);
      } else {
        for (int i = 1; i <= 100; ++i) d += " L" + At(c->evalPoint(c->endParam() * i / 100));
      }
    }
    return d + " Z";
  }

  void text(const ZcGePoint3d& at, double height, double rotation, const std::wstring& s, std::uint32_t rgb,
            const char* anchor = "start") {
    if (s.empty()) return;
    body_ << "<text transform=\"translate(" << Num(at.x) << ',' << Num(at.y) << ") scale(1,-1) rotate("
          << Num(-rotation * 180 / kPi) << ")\" font-size=\"" << Num(height) << "\" font-family=\"sans-serif\""
          << " text-anchor=\"" << anchor << "\" fill=\"" << Rgb(rgb) << "\" stroke=\"none\">" << Xml(s) << "</text>\n";
  }

  void draw(const ZcDbEntity* e, std::uint32_t byBlock) {
    if (!shown(e)) return;
    std::uint32_t rgb = colour(e, byBlock);
    if (auto* l = dynamic_cast<const ZcDbLine*>(e)) {
      path("M" + At(l->startPoint()) + " L" + At(l->endPoint()), rgb);
    } else if (auto* c = dynamic_cast<const ZcDbCircle*>(e)) {
      body_ << "<circle cx=\"" << Num(c->center().x) << "\" cy=\"" << Num(c->center().y) << "\" r=\""
            << Num(c->radius()) << "\" stroke=\"" << Rgb(rgb) << "\"/>\n";
    } else if (auto* a = dynamic_cast<const ZcDbArc*>(e)) {
      ZcGePoint3d s, t;
      a->getStartPoint(s);
      a->getEndPoint(t);
      path("M" + At(s) + " A" + Num(a->radius()) + "," + Num(a->radius()) + " 0 " + (a->sweep() > kPi ? "1" : "0") +
               (a->normal().z < 0 ? " 0 " : " 1 ") + At(t),
           rgb);
    } else if (auto* el = dynamic_cast<const ZcDbEllipse*>(e)) {
      double end;
      el->getEndParam(end);
      std::string d;
      for (int i = 0; i <= 72; ++i) {
        ZcGePoint3d p;
        el->getPointAtParam(end * i / 72, p);
        d += (i ? " L" : "M") + At(p);
      }
      path(d, rgb);
    } else if (auto* pl = dynamic_cast<const ZcDbPolyline*>(e)) {
      std::vector<std::pair<ZcGePoint3d, double>> v;
      for (unsigned i = 0; i < pl->numVerts(); ++i) {
        ZcGePoint3d p;
        double b = 0;
        pl->getPointAt(i, p);
        pl->getBulgeAt(i, b);
        v.emplace_back(p, b);
      }
      path(Chain(v, pl->isClosed()), rgb);
    } else if (auto* hp = dynamic_cast<const ZcDbVertexPolyline*>(e)) {
      std::vector<std::pair<ZcGePoint3d, double>> v;
      for (unsigned i = 0; i < hp->numVerts(); ++i) v.emplace_back(hp->vertexAt(i).p, hp->vertexAt(i).bulge);
      path(Chain(v, hp->isClosed()), rgb);
    } else if (auto* sp = dynamic_cast<const ZcDbSpline*>(e)) {
      if (std::unique_ptr<ZcGeCurve3d> g = sp->toGeCurve()) {
        std::string d;
        for (int i = 0; i <= 200; ++i) d += (i ? " L" : "M") + At(g->evalPoint(g->endParam() * i / 200));
        path(d, rgb);
      }
    } else if (auto* ld = dynamic_cast<const ZcDbLeader*>(e)) {
      std::string d;
      for (int i = 0; i < ld->numVertices(); ++i) d += (i ? " L" : "M") + At(ld->vertexAt(i));
      path(d, rgb);
    } else if (auto* rg = dynamic_cast<const ZcDbRegion*>(e)) {
      for (const ZcGeRegion::Face& face : rg->geRegion().faces())
        for (const ZcGeRegion::Loop& loop : face) path(Loop(loop), rgb);
    } else if (auto* pt = dynamic_cast<const ZcDbPoint*>(e)) {
      body_ << "<circle cx=\"" << Num(pt->position().x) << "\" cy=\"" << Num(pt->position().y)
            << "\" r=\"0.5\" fill=\"" << Rgb(rgb) << "\" stroke=\"none\"/>\n";
    } else if (auto* at = dynamic_cast<const ZcDbAttribute*>(e)) {
      if (!at->isInvisible()) text(at->position(), at->height(), at->rotation(), at->textString(), rgb);
    } else if (auto* tx = dynamic_cast<const ZcDbText*>(e)) {
      if (!dynamic_cast<const ZcDbAttributeDefinition*>(e)) text(tx->position(), tx->height(), tx->rotation(), tx->textString(), rgb);
    } else if (auto* mt = dynamic_cast<const ZcDbMText*>(e)) {
      ZcDbExtents box;
      mt->getGeomExtents(box);
      std::wstring all = mt->text();
      double y = box.maxPoint().y - mt->textHeight();
      std::size_t start = 0;
      while (start <= all.size()) {
        std::size_t nl = all.find(L'\n', start);
        std::wstring line = all.substr(start, nl == std::wstring::npos ? std::wstring::npos : nl - start);
        text(ZcGePoint3d(box.minPoint().x, y, 0), mt->textHeight(), 0, line, rgb);
        y -= mt->textHeight() * 5.0 / 3.0;
        if (nl == std::wstring::npos) break;
        start = nl + 1;
      }
    } else if (auto* tb = dynamic_cast<const ZcDbTable*>(e)) {
      // a merged range is drawn once, at its first cell, over all its rows and columns,
      // with that cell's text placed by its alignment (1-9: rows of left, centre, right)
      ZcGePoint3d p = tb->position();
      double y = p.y;
      for (int r = 0; r < static_cast<int>(tb->numRows()); ++r) {
        double x = p.x;
        for (int c = 0; c < static_cast<int>(tb->numColumns()); ++c) {
          int top = r, bottom = r, left = c, right = c;
          bool merged = tb->isMergedCell(r, c, &top, &bottom, &left, &right);
          double w = 0, h = 0;
          for (int i = left; i <= right; ++i) w += tb->columnWidth(i);
          for (int i = top; i <= bottom; ++i) h += tb->rowHeight(i);
          if (!merged || (r == top && c == left)) {
            path("M" + Num(x) + "," + Num(y) + " h" + Num(w) + " v" + Num(-h) + " h" + Num(-w) + " Z", rgb);
            double th = std::min(tb->textHeight(r, c), h);
            int a = tb->alignment(r, c) - 1, column = a % 3, row = a / 3;
            double tx = column == 0 ? x + 0.5 : column == 1 ? x + w / 2 : x + w - 0.5;
            double ty = row == 0 ? y - th - 0.5 : row == 1 ? y - (h + th) / 2 : y - h + 0.5;
            text(ZcGePoint3d(tx, ty, 0), th, 0, tb->textString(r, c), rgb,
                 column == 0 ? "start" : column == 1 ? "middle" : "end");
          }
          x += tb->columnWidth(c);
        }
        y -= tb->rowHeight(r);
      }
    } else if (auto* ref = dynamic_cast<const ZcDbBlockReference*>(e)) {
      // a block met again below itself (a cycle a drawing should not hold) is not followed
      ZcDbObjectId block = ref->blockTableRecord();
      if (std::find(blocks_.begin(), blocks_.end(), block) == blocks_.end()) {
        blocks_.push_back(block);
        for (auto& part : ref->transformedContents()) draw(part.get(), rgb);
        blocks_.pop_back();
      }
      for (ZcDbObjectId id : ref->attributeIds()) {
        ZcDbEntity* a = nullptr;
        if (zcdbOpenZcDbEntity(a, id, ZcDb::kForRead) != Zcad::eOk) continue;
        draw(a, rgb);
        a->close();
      }
    } else if (auto* op = dynamic_cast<const ZcDbOpaqueEntity*>(e)) {
      // a kind kept without its geometry: the outline of the points it carries
      std::vector<ZcGePoint3d> outline = Outline(op->points());
      std::string d;
      for (std::size_t i = 0; i < outline.size(); ++i) d += (i ? " L" : "M") + At(outline[i]);
      if (outline.size() >= 3) d += " Z";
      if (outline.size() >= 2) path(d, rgb);
    }
  }

  const ZcDbDatabase& db_;
  std::ostringstream body_;
  std::vector<ZcDbObjectId> blocks_;  // the blocks of the references being drawn, outermost first
};

}  // namespace

std::string RenderSvg(const ZcDbDatabase& db) { return Renderer(db).run(); }

bool WriteSvg(const ZcDbDatabase& db, const std::string& path, std::wstring& reason) {
  return headless::WriteWholeFile(headless::FromUtf8(path), RenderSvg(db), reason);
}
