#!/usr/bin/env bash
# The model the demo saves (model.dwg, DXF text), read with ezdxf: sizes 38, ^40, 42 and 43;
# parts "Przód" and "Rękaw" (mirrored) with a group in "0" and every size; seam curves through
# their own grade points, the front's graded corners at the typed offsets and its side seam split
# 225 from the hem; cut curves (lines, arcs and splines) 10 outside each seam outline, the squared
# corner's closing line aside, joined into one closed outline per size; a notch 100 along the side
# seam, a grain line and a description of material "Bawełna" in every group.
set -euo pipefail
/usr/bin/python3 - "$1" <<'PY'
import math
import sys

import ezdxf

tmp = sys.argv[1]
doc = ezdxf.readfile(f"{tmp}/model.dwg")
assert not doc.audit().has_errors, "audit"
TOL = 1e-6


def plain(layer):
    return layer.replace("^ ", "^")


layers = {plain(l.dxf.name) for l in doc.layers}
seam_layer = {"0": "0", "38": "38", "40": "^40", "42": "42", "43": "43"}
for seam in list(seam_layer.values())[1:]:
    assert {seam, seam + "'", seam + "~"} <= layers, seam

parts = doc.rootdict["Fastrelle"]
assert set(parts.keys()) == {"Przód", "Rękaw"}, list(parts.keys())
assert [t.value for t in parts["Rękaw"].get_xdata("FastrellePart")][2] == 1, "the sleeve is mirrored"
groups = {name: list(group) for name, group in doc.groups}


def xy(p):
    return (p[0], p[1])


def near(a, b, tol=TOL):
    return math.dist(a, b) < tol


class Curve:
    """A line, arc or spline of the drawing: its ends, points along it and the distance to it."""

    def __init__(self, e):
        self.kind = e.dxftype()
        self.entity = e
        if self.kind == "LINE":
            self.a, self.b = xy(e.dxf.start), xy(e.dxf.end)
        elif self.kind == "ARC":
            self.c, self.r = xy(e.dxf.center), e.dxf.radius
            self.t0 = math.radians(e.dxf.start_angle)
            self.sweep = (math.radians(e.dxf.end_angle) - self.t0) % (2 * math.pi)
            self.a, self.b = self.at(0.0), self.at(1.0)
        elif self.kind == "SPLINE":
            self.tool = e.construction_tool()
            self.span = (self.tool.knots()[0], self.tool.knots()[-1])
            self.a, self.b = self.at(0.0), self.at(1.0)
        else:
            raise AssertionError(("not a curve", self.kind))

    def at(self, u):
        """The point at fraction u of the curve's parameter range."""
        if self.kind == "LINE":
            return (self.a[0] + (self.b[0] - self.a[0]) * u, self.a[1] + (self.b[1] - self.a[1]) * u)
        if self.kind == "ARC":
            t = self.t0 + self.sweep * u
            return (self.c[0] + self.r * math.cos(t), self.c[1] + self.r * math.sin(t))
        return xy(self.tool.point(self.span[0] + (self.span[1] - self.span[0]) * u))

    def samples(self, n=40):
        """Points inside the curve, away from its ends."""
        return [self.at(k / n) for k in range(1, n)]

    def closest(self, p):
        """(distance, fraction) of the curve's point nearest p: dense samples, then a golden-section
        search between the neighbours of the nearest sample."""
        if self.kind == "LINE":
            ax, ay = self.b[0] - self.a[0], self.b[1] - self.a[1]
            u = max(0.0, min(1.0, ((p[0] - self.a[0]) * ax + (p[1] - self.a[1]) * ay) / (ax * ax + ay * ay)))
            return math.dist(p, self.at(u)), u
        n = 100
        k = min(range(n + 1), key=lambda i: math.dist(p, self.at(i / n)))
        lo, hi = max(0.0, (k - 1) / n), min(1.0, (k + 1) / n)
        g = (math.sqrt(5) - 1) / 2
        for _ in range(80):
            m1, m2 = hi - g * (hi - lo), lo + g * (hi - lo)
            if math.dist(p, self.at(m1)) < math.dist(p, self.at(m2)):
                hi = m2
            else:
                lo = m1
        u = (lo + hi) / 2
        return math.dist(p, self.at(u)), u

    def length(self, u1=1.0):
        """The length from the start to fraction u1 (Gauss-Legendre over many pieces)."""
        nodes = [(-0.9061798459, 0.2369268851), (-0.5384693101, 0.4786286705), (0.0, 0.5688888889),
                 (0.5384693101, 0.4786286705), (0.9061798459, 0.2369268851)]
        pieces, total, h = 200, 0.0, 1e-7
        for i in range(pieces):
            a, b = u1 * i / pieces, u1 * (i + 1) / pieces
            for x, w in nodes:
                u = (a + b) / 2 + (b - a) / 2 * x
                p, q = self.at(max(0.0, u - h)), self.at(min(1.0, u + h))
                total += w * (b - a) / 2 * math.dist(p, q) / (min(1.0, u + h) - max(0.0, u - h))
        return total


def on_seam_line(p, curves):
    """Whether p lies on the line through one of the straight seam curves."""
    return any(abs((c.b[0] - c.a[0]) * (p[1] - c.a[1]) - (c.b[1] - c.a[1]) * (p[0] - c.a[0])) / math.dist(c.a, c.b) < TOL
               for c in curves if c.kind == "LINE")


def distance(p, curves):
    return min(c.closest(p)[0] for c in curves)


# The front's corners: the side seam's top (900,450) and the neck point (680,450) in the
# master, graded by the typed offsets and their mirror across X.
offsets = {"0": (0, 0), "38": (-5, -4), "40": (0, 0), "42": (5, 4), "43": (10, 8)}
for part in ("Przód", "Rękaw"):
    for size, seam_name in seam_layer.items():
        what = (part, size)
        members = groups[f"{part}|{size}"]
        curves = [e for e in members if e.dxftype() in ("LINE", "ARC", "SPLINE")]
        assert all(plain(e.dxf.layer) in (seam_name, seam_name + "'") for e in curves), what
        seams = [Curve(e) for e in curves if plain(e.dxf.layer) == seam_name]
        cuts = [Curve(e) for e in curves if plain(e.dxf.layer) == seam_name + "'"]
        inserts = [e for e in members if e.dxftype() == "INSERT"]
        assert all(plain(e.dxf.layer) == seam_name + "~" for e in inserts), what
        points = [xy(e.dxf.insert) for e in inserts if e.dxf.name == "GradePoint"]
        assert {c.kind for c in seams} == {"LINE", "ARC", "SPLINE"} if part == "Przód" else {"LINE", "SPLINE"}, what
        # Every seam curve ends at grade points of its group, and every grade point ends one.
        ends = [p for c in seams for p in (c.a, c.b)]
        assert all(any(near(p, q) for q in points) for p in ends), (what, "seam end off its points")
        assert all(any(near(p, q) for q in ends) for p in points), (what, "point off the seam")
        if part == "Przód":
            dx, dy = offsets[size]
            assert any(near(p, (900 + dx, 450 + dy)) for p in points), (what, "side seam top")
            assert any(near(p, (680 - dx, 450 + dy)) for p in points), (what, "neck point")
            # The side seam, split by the added point 225 along it from the hem.
            lower = [c for c in seams if c.kind == "SPLINE" and near(c.a, (900, 0))]
            assert len(lower) == 1 and abs(lower[0].length() - 225) < 1e-4, (what, "the added point")
            notches = [e for e in inserts if e.dxf.name == "Notch"]
            assert len(notches) == 1, (what, "notch")
            d, u = lower[0].closest(xy(notches[0].dxf.insert))
            assert d < TOL and abs(lower[0].length(u) - 100) < 1e-4, (what, "notch off its place", d)
        leaders = [e for e in members if e.dxftype() == "LEADER"]
        assert len(leaders) == 1, (what, "grain line")
        descriptions = [e for e in inserts if e.dxf.name == "PartDescription"]
        assert len(descriptions) == 1, (what, "description")
        assert descriptions[0].get_attrib_text("MATERIAL") == "Bawełna", what
        if size == "0":
            assert not cuts, (part, "no cut lines in the master")
            continue
        # Each cut curve 10 from the seam outline along its middle (its ends reach out to the
        # corners); the squared corner's closing line aside.
        odd = []
        for c in cuts:
            middle = c.samples()[8:-8]
            if not all(abs(distance(p, seams) - 10) < TOL for p in middle):
                odd.append(c)
        assert len(odd) == (1 if part == "Przód" else 0), (what, [(c.kind, c.a, c.b) for c in odd])
        for c in odd:  # the squared corner: a line from the seam line, square to its neighbour
            assert c.kind == "LINE", what
            a, b = (c.a, c.b) if on_seam_line(c.a, seams) else (c.b, c.a)
            assert on_seam_line(a, seams), (what, "closing line off the seam line")
            square = [o for o in cuts if o is not c and (near(o.a, b) or near(o.b, b))]
            assert len(square) == 1 and square[0].kind == "LINE", what
            o = square[0]
            assert abs((b[0] - a[0]) * (o.b[0] - o.a[0]) + (b[1] - a[1]) * (o.b[1] - o.a[1])) < TOL, (what, "not square")
        # One closed outline: every end meets exactly one other cut curve's end, and the
        # curves chain into a single loop.
        cut_ends = [(i, p) for i, c in enumerate(cuts) for p in (c.a, c.b)]
        for i, p in cut_ends:
            assert sum(1 for j, q in cut_ends if j != i and near(p, q)) == 1, (what, "cut end", p)
        seen, i, p = {0}, 0, cuts[0].b
        while True:
            j = next(j for j, q in cut_ends if j != i and near(p, q))
            if j in seen:
                break
            seen.add(j)
            p = cuts[j].b if near(cuts[j].a, p) else cuts[j].a
            i = j
        assert len(seen) == len(cuts), (what, "more than one outline")
print("demo road: model checked")
PY
# The marker the demo saves (marker.dwg): a 6000 long, 1500 wide border; each size of the
# model once, with seam and cut lines (the front single, the sleeve mirrored as own and mirror
# side), tagged as pieces of the model's material; each piece's cut outline closed, inside the
# border and clear of every other, with a label; the end line just past the last piece; the
# used length and efficiency the warehouse dialog and the layout label print against the
# pieces' own outlines. Both pictures parse.
"$1/install/cadhost" --install "$1/install" --appdata "$1/appdata" --open "$1/model.dwg" --svg "$1/model.svg" \
  < /dev/null > "$1/model-svg.log" 2>&1 || { cat "$1/model-svg.log"; exit 1; }
/usr/bin/python3 - "$1" "$(dirname "$0")/.." <<'PY'
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter

import ezdxf

tmp = sys.argv[1]
sys.path.insert(0, sys.argv[2])
import marker_checks as mc

for picture in ("model.svg", "marker.svg"):
    ET.parse(f"{tmp}/{picture}")
transcript = open(f"{tmp}/transcript.out", encoding="utf-8").read()
assert "Pusty tekst" not in transcript, "an empty text"
doc = ezdxf.readfile(f"{tmp}/marker.dwg")
assert not doc.audit().has_errors, "audit"
msp = doc.modelspace()
box = mc.border(msp)


def tagged(value):
    return [e for e in msp.query("LWPOLYLINE") if e.has_xdata("Fastrelle_Layout") and e.get_xdata("Fastrelle_Layout")[0].value == value]


assert (box[2] - box[0], box[3] - box[1]) == (6000, 1500), box
assert [e.closed for e in tagged("Layout")] == [True], "one closed border"

pieces = mc.pieces(msp)
expected = Counter(f"model|{part}|{size}|{side}|B" for size in ("38", "40", "42", "43")
                   for part, side in (("Przód", "S"), ("Rękaw", "R"), ("Rękaw", "L")))
assert Counter(e.dxf.name for e in pieces) == expected, Counter(e.dxf.name for e in pieces)
for name in expected:
    tags = [t.value for t in doc.blocks[name].block_record.get_xdata("Fastrelle_Layout")]
    assert "Form" in tags and "material=Bawełna" in tags, (name, tags)
    assert any(t.startswith("model=") and t.endswith("model.dwg") for t in tags), (name, tags)
polys = [(e.dxf.name, mc.outline(doc, e, 1e-5)) for e in pieces]
mc.check_apart(polys, box)
assert not list(msp.query("POINT")), "the overlap check marked a crossing"

labels = [e for e in msp.query("INSERT") if e.dxf.name == "FormDescription"]
assert sorted((round(e.dxf.insert.x, 6), round(e.dxf.insert.y, 6)) for e in labels) == \
    sorted((round(e.dxf.insert.x, 6), round(e.dxf.insert.y, 6)) for e in pieces), "a label per piece"

largest = max(x for _, poly in polys for x, _ in poly)
end = tagged("EndLine")
assert len(end) == 1 and all(abs(x - (largest + 0.1)) < 1e-4 for x, _ in end[0].get_points("xy")), "end line"

used, efficiency = mc.measures(polys, box)
mc.check_printed(transcript, used, efficiency)
label = [e for e in msp.query("INSERT") if e.dxf.name == "LayoutDescription"]
assert len(label) == 1, "one layout label"
assert all(a.dxf.insert.y > box[3] for a in label[0].attribs), "the layout label above the fabric"
# To the label's decimals (half its last digit), and the outlines' flattening.
assert abs(float(label[0].get_attrib_text("DLUGOSC")) - used) <= 0.005 + 1e-4, (label[0].get_attrib_text("DLUGOSC"), used)
shown = label[0].get_attrib_text("EFEKTYWNOSC")
assert shown.endswith(" %") and abs(float(shown[:-2]) - efficiency) <= 0.05 + 1e-4, (shown, efficiency)
assert label[0].get_attrib_text("SZEROKOSC") == "1500.00" and label[0].get_attrib_text("ELEMENTY") == "12"
assert abs(float(label[0].get_attrib_text("NA_SZTUKE")) - used / 4) <= 0.005 + 1e-4, "four garments, one in each size"
print(f"demo road: marker checked, used length {used:.2f}, efficiency {efficiency:.2f} %")
PY
