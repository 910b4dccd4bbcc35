// Filter evaluation, wildcards and the window tests of selections (on curves, and on a
// spline's control points).
#include "editor/Filter.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <string_view>
#include <vector>

#include "editor/Prompter.h"
#include "ge/ZcGeLineSeg3d.h"

namespace editor {

namespace {

// Matches one alternative (no "," at top level), pattern[p, end), from text[t] on.
bool MatchOne(std::wstring_view pat, std::size_t p, std::size_t end, std::wstring_view text, std::size_t t) {
  while (p < end) {
    wchar_t c = pat[p];
    if (c == L'*') {
      for (std::size_t k = t; k <= text.size(); ++k)
        if (MatchOne(pat, p + 1, end, text, k)) return true;
      return false;
    }
    if (t >= text.size()) return false;
    wchar_t ch = text[t];
    if (c == L'`' && p + 1 < end) {
      if (std::towupper(pat[p + 1]) != std::towupper(ch)) return false;
      p += 2;
    } else if (c == L'[') {
      std::size_t close = pat.find(L']', p + 2);
      if (close == std::wstring_view::npos || close >= end) return false;
      bool negate = pat[p + 1] == L'~';
      bool found = false;
      for (std::size_t k = p + 1 + (negate ? 1 : 0); k < close; ++k) {
        wchar_t from = std::towupper(pat[k]), to = from;
        if (k + 2 < close && pat[k + 1] == L'-') {
          to = std::towupper(pat[k + 2]);
          k += 2;
        }
        wchar_t u = std::towupper(ch);
        if (u >= from && u <= to) found = true;
      }
      if (found == negate) return false;
      p = close + 1;
    } else {
      bool ok = c == L'?' || (c == L'#' && std::iswdigit(ch)) || (c == L'@' && std::iswalpha(ch)) ||
                (c == L'.' && !std::iswalnum(ch)) || std::towupper(c) == std::towupper(ch);
      if (!ok) return false;
      ++p;
    }
    ++t;
  }
  return t == text.size();
}

// WildcardMatch on views: no copy of the pattern or the text.
bool Matches(std::wstring_view pattern, std::wstring_view text) {
  if (!pattern.empty() && pattern[0] == L'~') return !Matches(pattern.substr(1), text);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= pattern.size(); ++i) {
    bool escaped = i > 0 && pattern[i - 1] == L'`';
    if (i == pattern.size() || (pattern[i] == L',' && !escaped)) {
      if (MatchOne(pattern, start, i, text, 0)) return true;
      start = i + 1;
    }
  }
  return false;
}

bool SameValue(const resbuf& a, const resbuf& b) {
  switch (zcResKind(a.restype)) {
    case ZcResKind::String:
      return a.resval.rstring && b.resval.rstring && Matches(a.resval.rstring, b.resval.rstring);
    case ZcResKind::Real: return a.resval.rreal == b.resval.rreal;
    case ZcResKind::Int16: return a.resval.rint == b.resval.rint;
    case ZcResKind::Int32: return a.resval.rlong == b.resval.rlong;
    case ZcResKind::Int64: return a.resval.mnInt64 == b.resval.mnInt64;
    case ZcResKind::Point:
      return a.resval.rpoint[0] == b.resval.rpoint[0] && a.resval.rpoint[1] == b.resval.rpoint[1] &&
             a.resval.rpoint[2] == b.resval.rpoint[2];
    case ZcResKind::Name: return a.resval.rlname[0] == b.resval.rlname[0] && a.resval.rlname[1] == b.resval.rlname[1];
    default: return false;
  }
}

bool ItemPasses(const resbuf& item, const resbuf* data) {
  for (const resbuf* d = data; d; d = d->rbnext)
    if (d->restype == item.restype && SameValue(item, *d)) return true;
  return false;
}

// The marker's text upper-cased, or empty for an item that is no marker.
std::wstring Marker(const resbuf* rb) {
  return rb && rb->restype == -4 && rb->resval.rstring ? Upper(rb->resval.rstring) : L"";
}

// The results of a group's items: how many there are and how many passed.
struct Tally {
  int items = 0, passed = 0;
  void Add(bool r) { ++items, passed += r; }
};

// What an item of a filter is: an item to test (0), the opening marker of OR, AND, NOT or
// XOR (1 to 4), its closing marker (5 to 8), or a marker of any other text (-1).
int Kind(const resbuf* rb) {
  if (rb->restype != -4 || !rb->resval.rstring || !*rb->resval.rstring) return 0;
  static const wchar_t* const kForms[8] = {L"<OR", L"<AND", L"<NOT", L"<XOR", L"OR>", L"AND>", L"NOT>", L"XOR>"};
  const wchar_t* text = rb->resval.rstring;
  for (int k = 0; k < 8; ++k) {
    const wchar_t* form = kForms[k];
    std::size_t i = 0;
    for (; form[i] && text[i]; ++i)
      if ((text[i] >= L'a' && text[i] <= L'z' ? text[i] - (L'a' - L'A') : text[i]) != form[i]) break;
    if (!form[i] && !text[i]) return k + 1;
  }
  return -1;
}

// The result `r` of a group of Kind `op` (1 to 4: OR, AND, NOT, XOR) from its items; false
// for no such operator or a group of the wrong number of items (NOT takes one, XOR two).
bool Combine(int op, const Tally& inner, bool& r) {
  switch (op) {
    case 1: r = inner.passed > 0; return true;
    case 2: r = inner.passed == inner.items; return true;
    case 3: r = inner.passed == 0; return inner.items == 1;
    case 4: r = inner.passed == 1; return inner.items == 2;
    default: return false;
  }
}

// Evaluates the items from `rb` up to the end marker `close` (empty: to the end of the
// list); leaves `rb` after that marker. The results of the items are counted for the
// group's operator.
bool Group(const resbuf*& rb, const std::wstring& close, const resbuf* data, Tally& results, std::wstring& error) {
  while (rb) {
    const std::wstring m = Marker(rb);
    if (!m.empty() && m == close) {
      rb = rb->rbnext;
      return true;
    }
    if (m.size() > 1 && m[0] == L'<') {
      const int op = Kind(rb);
      rb = rb->rbnext;
      Tally inner;
      if (!Group(rb, m.substr(1) + L">", data, inner, error)) return false;
      bool r;
      if (!Combine(op, inner, r)) {
        error = L"the group " + m + L" holds the wrong number of items";
        return false;
      }
      results.Add(r);
      continue;
    }
    if (!m.empty()) {
      error = L"the marker " + m + L" closes no group";
      return false;
    }
    results.Add(ItemPasses(*rb, data));
    rb = rb->rbnext;
  }
  if (!close.empty()) error = L"the group " + close + L" is not closed";
  return close.empty();
}

// Group on the kinds of the items rather than the markers' texts, for a filter whose markers
// are all known (no error text is asked for): the same results without a text made.
bool KnownGroup(const resbuf*& rb, int close, const resbuf* data, Tally& results) {
  while (rb) {
    const int kind = Kind(rb);
    if (kind >= 5 && kind - 4 == close) {
      rb = rb->rbnext;
      return true;
    }
    if (kind >= 1 && kind <= 4) {
      rb = rb->rbnext;
      Tally inner;
      if (!KnownGroup(rb, kind, data, inner)) return false;
      bool r;
      if (!Combine(kind, inner, r)) return false;
      results.Add(r);
      continue;
    }
    if (kind != 0) return false;  // a closing marker of no open group
    results.Add(ItemPasses(*rb, data));
    rb = rb->rbnext;
  }
  return close == 0;
}

}  // namespace

bool WildcardMatch(const std::wstring& pattern, const std::wstring& text) { return Matches(pattern, text); }

bool FilterAccepts(const resbuf* filter, const resbuf* data, std::wstring* error) {
  Tally results;
  if (!error) {
    bool known = true;
    for (const resbuf* rb = filter; rb && known; rb = rb->rbnext) known = Kind(rb) >= 0;
    if (known) {
      const resbuf* at = filter;
      return KnownGroup(at, 0, data, results) && results.passed == results.items;
    }
  }
  std::wstring why;
  if (!Group(filter, L"", data, results, why)) {
    if (error) *error = why;
    return false;
  }
  return results.passed == results.items;
}

Box::Box(const ZcGePoint3d& a, const ZcGePoint3d& b)
    : lo(std::min(a.x, b.x), std::min(a.y, b.y), 0.0), hi(std::max(a.x, b.x), std::max(a.y, b.y), 0.0) {}

bool Box::Contains(const ZcGePoint3d& p) const {
  return p.x >= lo.x && p.x <= hi.x && p.y >= lo.y && p.y <= hi.y;
}

bool CurveInWindow(const ZcGeCurve3d& curve, const Box& box) {
  ZcGePoint3d lo, hi;
  if (curve.getGeomExtents(lo, hi) != Zcad::eOk) return false;
  return box.Contains(lo) && box.Contains(hi);
}

bool CurveCrossesWindow(const ZcGeCurve3d& curve, const Box& box) {
  // The window is seen from above: its edges are laid at the curve's elevation, so a curve
  // lifted off the XY plane (an elevated polyline, a line at some Z) is met where its plan
  // view crosses them.
  const ZcGePoint3d start = curve.startPoint();
  if (box.Contains(start)) return true;
  const double z = start.z;
  const ZcGePoint3d corners[4] = {
      {box.lo.x, box.lo.y, z}, {box.hi.x, box.lo.y, z}, {box.hi.x, box.hi.y, z}, {box.lo.x, box.hi.y, z}};
  for (int i = 0; i < 4; ++i) {
    ZcGeLineSeg3d edge(corners[i], corners[(i + 1) % 4]);
    std::vector<ZcGePoint3d> points;
    if (curve.intersectWith(edge, ZcGeCurve3d::kExtendNone, points) == Zcad::eOk && !points.empty()) return true;
  }
  return false;
}

namespace {

// A point of a rational curve in homogeneous form: (x w, y w, w).
struct Weighted {
  double x, y, w;
};
Weighted Mix(const Weighted& a, const Weighted& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.w + (b.w - a.w) * t};
}

// The Bezier pieces of a clamped curve (knot insertion, after Piegl and Tiller's
// decomposition); false for knots that are not clamped or do not fit the points.
bool BezierPieces(int p, const std::vector<double>& U, const std::vector<Weighted>& Pw,
                  std::vector<std::vector<Weighted>>& pieces) {
  const int m = static_cast<int>(U.size()) - 1;
  if (p < 1 || m != static_cast<int>(Pw.size()) + p) return false;
  for (int i = 1; i <= p; ++i)
    if (U[i] != U[0] || U[m - i] != U[m]) return false;
  for (int i = 0; i < m; ++i)
    if (!(U[i + 1] >= U[i])) return false;
  std::vector<double> alphas(p);
  std::vector<Weighted> piece(Pw.begin(), Pw.begin() + p + 1), next(p + 1);
  int a = p, b = p + 1;
  while (b < m) {
    int i = b;
    while (b < m && U[b + 1] == U[b]) ++b;
    int mult = b - i + 1;
    if (mult < p) {
      double numer = U[b] - U[a];
      for (int j = p; j > mult; --j) alphas[j - mult - 1] = numer / (U[a + j] - U[a]);
      int r = p - mult;
      for (int j = 1; j <= r; ++j) {
        int save = r - j, s = mult + j;
        for (int k = p; k >= s; --k) piece[k] = Mix(piece[k - 1], piece[k], alphas[k - s]);
        if (b < m) next[save] = piece[p];
      }
    }
    pieces.push_back(piece);
    if (b < m) {
      for (int k = std::max(0, p - mult); k <= p; ++k) next[k] = Pw[b - p + k];
      piece = next;
      a = b;
      b = b + 1;
    }
  }
  return true;
}

// 1: the piece meets the box; 0: it does not; -1: it only grazes an edge.
int PieceMeetsBox(const std::vector<Weighted>& q, const Box& box, int depth) {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (const Weighted& c : q) {
    double x = c.x / c.w, y = c.y / c.w;
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  }
  if (x0 > box.hi.x || x1 < box.lo.x || y0 > box.hi.y || y1 < box.lo.y) return 0;
  for (const Weighted* end : {&q.front(), &q.back()})
    if (box.Contains({end->x / end->w, end->y / end->w, 0.0})) return 1;
  double scale = std::max({std::abs(x0), std::abs(y0), std::abs(x1), std::abs(y1), 1.0});
  if (depth >= 40 || std::max(x1 - x0, y1 - y0) < 1e-12 * scale) return -1;
  // Halve by de Casteljau: the left piece takes the first point of each row, the right the last.
  std::vector<Weighted> left, right(q.size()), row = q;
  for (std::size_t n = q.size(); n > 0; --n) {
    left.push_back(row.front());
    right[n - 1] = row[n - 1];
    for (std::size_t k = 0; k + 1 < n; ++k) row[k] = Mix(row[k], row[k + 1], 0.5);
  }
  int l = PieceMeetsBox(left, box, depth + 1);
  if (l == 1) return 1;
  int r = PieceMeetsBox(right, box, depth + 1);
  if (r == 1) return 1;
  return l == -1 || r == -1 ? -1 : 0;
}

}  // namespace

int NurbsMeetsBox(int degree, const std::vector<double>& knots, const std::vector<ZcGePoint3d>& cps,
                  const std::vector<double>& weights, const Box& box) {
  if (!weights.empty() && weights.size() != cps.size()) return -1;
  std::vector<Weighted> pw;
  for (std::size_t i = 0; i < cps.size(); ++i) {
    double w = weights.empty() ? 1.0 : weights[i];
    if (!(w > 0) || !std::isfinite(cps[i].x) || !std::isfinite(cps[i].y)) return -1;
    pw.push_back({cps[i].x * w, cps[i].y * w, w});
  }
  std::vector<std::vector<Weighted>> pieces;
  if (!BezierPieces(degree, knots, pw, pieces)) return -1;
  int result = 0;
  for (const auto& piece : pieces) {
    int r = PieceMeetsBox(piece, box, 0);
    if (r == 1) return 1;
    if (r == -1) result = -1;
  }
  return result;
}

namespace {

// The segment from a to b meets the box (Liang and Barsky's clipping).
bool SegmentMeetsBox(const ZcGePoint3d& a, const ZcGePoint3d& b, const Box& box) {
  double t0 = 0.0, t1 = 1.0;
  const double d[2] = {b.x - a.x, b.y - a.y};
  const double lo[2] = {box.lo.x - a.x, box.lo.y - a.y}, hi[2] = {box.hi.x - a.x, box.hi.y - a.y};
  for (int k = 0; k < 2; ++k) {
    if (d[k] == 0.0) {
      if (lo[k] > 0.0 || hi[k] < 0.0) return false;
      continue;
    }
    double ta = lo[k] / d[k], tb = hi[k] / d[k];
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
    if (t0 > t1) return false;
  }
  return true;
}

}  // namespace

int PolylineMeetsBox(const std::vector<ZcGePoint3d>& v, const std::vector<double>& bulges, bool closed,
                     const Box& box) {
  const std::size_t n = v.size();
  if (n == 0 || bulges.size() != n) return -1;
  if (n == 1) return box.Contains(v[0]) ? 1 : 0;
  for (const ZcGePoint3d& p : v)  // the vertices lie on the path
    if (box.Contains(p)) return 1;
  int result = 0;
  for (std::size_t i = 0; i < (closed ? n : n - 1); ++i) {
    const ZcGePoint3d& a = v[i];
    const ZcGePoint3d& b = v[(i + 1) % n];
    const double bulge = bulges[i];
    if (!std::isfinite(bulge)) return -1;
    if (bulge == 0.0) {
      if (SegmentMeetsBox(a, b, box)) return 1;
      continue;
    }
    // An arc of bulge up to 1 keeps within its chord's box grown by its sagitta; a larger
    // one within its circle's box.
    const double chord = std::hypot(b.x - a.x, b.y - a.y), size = std::abs(bulge);
    Box near(a, b);
    double grow = size * chord / 2;
    if (size > 1) {
      double radius = chord * (1 + size * size) / (4 * size);
      ZcGePoint3d mid((a.x + b.x) / 2, (a.y + b.y) / 2, 0.0);
      near = Box({mid.x - 2 * radius, mid.y - 2 * radius, 0.0}, {mid.x + 2 * radius, mid.y + 2 * radius, 0.0});
      grow = 0.0;
    }
    if (near.lo.x - grow <= box.hi.x && near.hi.x + grow >= box.lo.x && near.lo.y - grow <= box.hi.y &&
        near.hi.y + grow >= box.lo.y)
      result = -1;
  }
  return result;
}

}  // namespace editor
