#!/usr/bin/env bash
# The model the demo saves (model.dwg, DXF text), read with ezdxf: sizes 38, ^40, 42 and 43;
# parts "Przód" and "Rękaw" (mirrored) with a group in "0" and every size; the front's top
# corners graded to the typed offsets and every size's seam lines running through its own
# grade points; cut lines 10 outside each seam outline (the squared corner's closing line
# aside) joined into one closed outline per size; a notch on the front's side seam, a grain
# line and a description of material "Bawełna" in every group.
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

def seg_distance(p, a, b):
    ax, ay = b[0] - a[0], b[1] - a[1]
    t = max(0.0, min(1.0, ((p[0] - a[0]) * ax + (p[1] - a[1]) * ay) / (ax * ax + ay * ay)))
    return math.dist(p, (a[0] + t * ax, a[1] + t * ay))

def line_distance(p, a, b):
    """The distance from p to the line through a and b."""
    return abs((b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])) / math.dist(a, b)

# The front's top corners: right (900,600) and left (600,600) in the base size, graded.
offsets = {"0": (0, 0), "38": (-5, -4), "40": (0, 0), "42": (5, 4), "43": (10, 8)}
for part in ("Przód", "Rękaw"):
    for size, seam in seam_layer.items():
        members = groups[f"{part}|{size}"]
        lines = [(xy(e.dxf.start), xy(e.dxf.end)) for e in members if e.dxftype() == "LINE" and plain(e.dxf.layer) == seam]
        cuts = [(xy(e.dxf.start), xy(e.dxf.end)) for e in members if e.dxftype() == "LINE" and plain(e.dxf.layer) == seam + "'"]
        inserts = [e for e in members if e.dxftype() == "INSERT"]
        points = [xy(e.dxf.insert) for e in inserts if e.dxf.name == "GradePoint"]
        assert all(plain(e.dxf.layer) == seam + "~" for e in inserts), (part, size)
        # Every seam end at a grade point of the group, every grade point at a seam end.
        ends = [p for line in lines for p in line]
        assert all(any(near(p, q) for q in points) for p in ends), (part, size, "seam end off its points")
        assert all(any(near(p, q) for q in ends) for p in points), (part, size, "point off the seam")
        if part == "Przód":
            dx, dy = offsets[size]
            assert any(near(p, (900 + dx, 600 + dy)) for p in points), (size, "right corner")
            assert any(near(p, (600 - dx, 600 + dy)) for p in points), (size, "left corner")
            assert any(near(p, (900, 300)) for p in points), (size, "the added point")
            notches = [e for e in inserts if e.dxf.name == "Notch"]
            assert len(notches) == 1 and near(xy(notches[0].dxf.insert), (900, 100)), (size, "notch")
        leaders = [e for e in members if e.dxftype() == "LEADER"]
        assert len(leaders) == 1, (part, size, "grain line")
        descriptions = [e for e in inserts if e.dxf.name == "PartDescription"]
        assert len(descriptions) == 1, (part, size, "description")
        assert descriptions[0].get_attrib_text("MATERIAL") == "Bawełna", (part, size)
        if size == "0":
            assert not cuts, (part, "no cut lines in the master")
            continue
        # Cut lines: each 10 from the seam outline along its middle (its ends reach out to the
        # corners), the closing line aside.
        odd = []
        for a, b in cuts:
            samples = [(a[0] + (b[0] - a[0]) * k / 10, a[1] + (b[1] - a[1]) * k / 10) for k in range(2, 9)]
            if not all(abs(min(seg_distance(p, *s) for s in lines) - 10) < TOL for p in samples):
                odd.append((a, b))
        assert len(odd) == (1 if part == "Przód" else 0), (part, size, odd)
        for a, b in odd:  # the squared corner: from the seam line, square to its neighbour
            if not any(line_distance(a, *s) < TOL for s in lines):
                a, b = b, a
            assert any(line_distance(a, *s) < TOL for s in lines), (size, "closing line off the seam line")
            square = [c for c in cuts if c != (a, b) and c != (b, a) and (near(c[0], b) or near(c[1], b))]
            assert square and abs((b[0] - a[0]) * (square[0][1][0] - square[0][0][0]) +
                                  (b[1] - a[1]) * (square[0][1][1] - square[0][0][1])) < TOL, (size, "not square")
        # One closed outline: every end meets exactly one other cut line's end.
        cut_ends = [(i, p) for i, c in enumerate(cuts) for p in c]
        for i, p in cut_ends:
            assert sum(1 for j, q in cut_ends if j != i and near(p, q)) == 1, (part, size, p)
print("demo road: model checked")
PY
# The marker the demo saves (marker.dwg): in a 1500 wide border, the pieces asked for in the
# Repository (cut lines only; size 38 once at 0°, size 42 twice at 90°; the front single, the
# sleeve mirrored as own and mirror side in turn), each outline closed, inside the border and
# clear of every other; one piece label each; the used length and efficiency the warehouse
# dialog and the layout label print against the pieces' own outlines. The SVG parses.
/usr/bin/python3 - "$1" "$(dirname "$0")/.." <<'PY'
import sys
import xml.etree.ElementTree as ET
from collections import Counter

import ezdxf

tmp = sys.argv[1]
sys.path.insert(0, sys.argv[2])
import marker_checks as mc

doc = ezdxf.readfile(f"{tmp}/marker.dwg")
assert not doc.audit().has_errors, "audit"
ET.parse(f"{tmp}/marker.svg")
msp = doc.modelspace()
box = mc.border(msp)
assert (box[2] - box[0], box[3] - box[1]) == (8000, 1500), box

pieces = mc.pieces(msp)
expected = {"model|Przód|38|S|C": 1, "model|Przód|42|S|C": 2, "model|Rękaw|38|R|C": 1,
            "model|Rękaw|38|L|C": 1, "model|Rękaw|42|R|C": 2, "model|Rękaw|42|L|C": 2}
assert Counter(e.dxf.name for e in pieces) == expected, Counter(e.dxf.name for e in pieces)
for e in pieces:
    want = 90.0 if "|42|" in e.dxf.name else 0.0
    assert abs(e.dxf.rotation - want) < 1e-9, (e.dxf.name, e.dxf.rotation)
polys = [(e.dxf.name, mc.outline(doc, e)) for e in pieces]
mc.check_apart(polys, box)
assert not list(msp.query("POINT")), "overlap markers left"

labels = [e for e in msp.query("INSERT") if e.dxf.name == "FormDescription"]
assert sorted((round(e.dxf.insert.x, 6), round(e.dxf.insert.y, 6)) for e in labels) == \
    sorted((round(e.dxf.insert.x, 6), round(e.dxf.insert.y, 6)) for e in pieces), "a label per piece"

used, efficiency = mc.measures(polys, box)
mc.check_printed(open(f"{tmp}/transcript.out", encoding="utf-8").read(), used, efficiency)
label = [e for e in msp.query("INSERT") if e.dxf.name == "LayoutDescription"]
assert len(label) == 1, "one layout label"
assert abs(float(label[0].get_attrib_text("DLUGOSC")) - used) <= 0.01, (label[0].get_attrib_text("DLUGOSC"), used)
assert abs(float(label[0].get_attrib_text("EFEKTYWNOSC").rstrip(" %")) - efficiency) <= 0.05 + 1e-6
assert float(label[0].get_attrib_text("SZEROKOSC")) == 1500 and label[0].get_attrib_text("ELEMENTY") == "9"
assert abs(float(label[0].get_attrib_text("NA_SZTUKE")) - used / 3) <= 0.01, "three garments"
print(f"demo road: marker checked, used length {used:.2f}, efficiency {efficiency:.2f} %")
PY
