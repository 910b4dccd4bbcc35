// Filter evaluation, wildcards and the window tests of selections.
#include "editor/Filter.h"

#include <cwctype>
#include <vector>

#include "editor/Prompter.h"
#include "ge/ZcGeLineSeg3d.h"

namespace editor {

namespace {

// Matches one alternative (no "," at top level) from pattern[p] and text[t] on.
bool MatchOne(const std::wstring& pat, std::size_t p, const std::wstring& text, std::size_t t) {
  while (p < pat.size()) {
    wchar_t c = pat[p];
    if (c == L'*') {
      for (std::size_t k = t; k <= text.size(); ++k)
        if (MatchOne(pat, p + 1, text, k)) return true;
      return false;
    }
    if (t >= text.size()) return false;
    wchar_t ch = text[t];
    if (c == L'`' && p + 1 < pat.size()) {
      if (std::towupper(pat[p + 1]) != std::towupper(ch)) return false;
      p += 2;
    } else if (c == L'[') {
      std::size_t close = pat.find(L']', p + 2);
      if (close == std::wstring::npos) return false;
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

bool SameValue(const resbuf& a, const resbuf& b) {
  switch (zcResKind(a.restype)) {
    case ZcResKind::String:
      return a.resval.rstring && b.resval.rstring && WildcardMatch(a.resval.rstring, b.resval.rstring);
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

std::wstring Marker(const resbuf* rb) {
  return rb && rb->restype == -4 && rb->resval.rstring ? Upper(rb->resval.rstring) : L"";
}

// Evaluates the items from `rb` up to the end marker `close` (empty: to the end of the
// list); leaves `rb` after that marker. The results of the items are collected for the
// group's operator.
bool Group(const resbuf*& rb, const std::wstring& close, const resbuf* data, std::vector<bool>& results,
           std::wstring& error) {
  while (rb) {
    std::wstring m = Marker(rb);
    if (!m.empty() && m == close) {
      rb = rb->rbnext;
      return true;
    }
    if (m.size() > 1 && m[0] == L'<') {
      std::wstring op = m.substr(1);
      rb = rb->rbnext;
      std::vector<bool> inner;
      if (!Group(rb, op + L">", data, inner, error)) return false;
      int passed = 0;
      for (bool b : inner) passed += b;
      bool r;
      if (op == L"OR") r = passed > 0;
      else if (op == L"AND") r = passed == static_cast<int>(inner.size());
      else if (op == L"NOT" && inner.size() == 1) r = !inner[0];
      else if (op == L"XOR" && inner.size() == 2) r = passed == 1;
      else {
        error = L"the group " + m + L" holds the wrong number of items";
        return false;
      }
      results.push_back(r);
      continue;
    }
    if (!m.empty()) {
      error = L"the marker " + m + L" closes no group";
      return false;
    }
    results.push_back(ItemPasses(*rb, data));
    rb = rb->rbnext;
  }
  if (!close.empty()) error = L"the group " + close + L" is not closed";
  return close.empty();
}

}  // namespace

bool WildcardMatch(const std::wstring& pattern, const std::wstring& text) {
  if (!pattern.empty() && pattern[0] == L'~') return !WildcardMatch(pattern.substr(1), text);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= pattern.size(); ++i) {
    bool escaped = i > 0 && pattern[i - 1] == L'`';
    if (i == pattern.size() || (pattern[i] == L',' && !escaped)) {
      if (MatchOne(pattern.substr(start, i - start), 0, text, 0)) return true;
      start = i + 1;
    }
  }
  return false;
}

bool FilterAccepts(const resbuf* filter, const resbuf* data, std::wstring* error) {
  std::vector<bool> results;
  std::wstring why;
  if (!Group(filter, L"", data, results, why)) {
    if (error) *error = why;
    return false;
  }
  for (bool r : results)
    if (!r) return false;
  return true;
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
  // The drawing lies in the XY plane, where the box's edges are.
  if (box.Contains(curve.startPoint())) return true;
  const ZcGePoint3d corners[4] = {box.lo, {box.hi.x, box.lo.y, 0.0}, box.hi, {box.lo.x, box.hi.y, 0.0}};
  for (int i = 0; i < 4; ++i) {
    ZcGeLineSeg3d edge(corners[i], corners[(i + 1) % 4]);
    std::vector<ZcGePoint3d> points;
    if (curve.intersectWith(edge, ZcGeCurve3d::kExtendNone, points) == Zcad::eOk && !points.empty()) return true;
  }
  return false;
}

}  // namespace editor
