#!/usr/bin/env bash
# The saved layout: one border and one closing line with their tags; piece blocks named by
# their keys and tagged "Form" and "model="; each placed piece's outline (its curves, not
# its region, flattened to 1e-5) lies inside the border and overlaps no other; the printed
# used length is the pieces' largest X, the closing line stands 0.1 right of it, and the
# printed efficiency is the outlines' area over width x used length.
set -euo pipefail
/usr/bin/python3 - "$1/layout.dxf" "$1/out.raw" <<'PY'
import re, sys, ezdxf
from ezdxf import path as ezpath

doc = ezdxf.readfile(sys.argv[1])
errors = [str(e) for e in doc.audit().errors]
assert not errors, errors
printed = re.findall(r"width (\S+) used (\S+) pieces (\S+) efficiency (\S+)", open(sys.argv[2], encoding="utf-8").read())
width, used, count, efficiency = (float(v) for v in printed[-1])

def tags(e):
    return [v for code, v in e.get_xdata("Fastrelle_Layout") if code == 1000] if e.has_xdata("Fastrelle_Layout") else []

msp = doc.modelspace()
borders = [e for e in msp.query("LWPOLYLINE") if "Layout" in tags(e)]
ends = [e for e in msp.query("LWPOLYLINE") if "EndLine" in tags(e)]
assert len(borders) == 1 and len(ends) == 1, (len(borders), len(ends))
bx = [p[0] for p in borders[0].get_points()]
by = [p[1] for p in borders[0].get_points()]
assert abs(max(by) - min(by) - width) < 1e-9 and abs(max(bx) - 5000) < 1e-9, (bx, by)

def chain(pieces):
    # Joins the flattened curves end to end into one closed ring.
    ring = list(pieces.pop(0))
    while pieces:
        for i, p in enumerate(pieces):
            if p[0].isclose(ring[-1], abs_tol=1e-6):
                ring += p[1:]
            elif p[-1].isclose(ring[-1], abs_tol=1e-6):
                ring += list(reversed(p))[1:]
            else:
                continue
            pieces.pop(i)
            break
        else:
            raise AssertionError("outline does not join")
    assert ring[0].isclose(ring[-1], abs_tol=1e-6), "outline not closed"
    return [(v.x, v.y) for v in ring[:-1]]

polygons = []
inserts = msp.query("INSERT")
assert len(inserts) == count == 8, (len(inserts), count)
for ref in inserts:
    block = doc.blocks.get(ref.dxf.name)
    assert re.fullmatch(r"model\|(Przód|Rękaw)\|(38|40)\|[SRL]\|S", block.name), block.name
    record_tags = tags(block.block_record)
    assert "Form" in record_tags and "model=model.dwg" in record_tags, record_tags
    m = ref.matrix44()
    curves = [e for e in block if e.dxftype() in ("LINE", "ARC", "LWPOLYLINE", "SPLINE")]
    pieces = [list(ezpath.make_path(e).transform(m).flattening(1e-5)) for e in curves]
    polygons.append(chain(pieces))

def area(poly):
    return abs(sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]))) / 2

def box(poly):
    xs, ys = [p[0] for p in poly], [p[1] for p in poly]
    return min(xs), min(ys), max(xs), max(ys)

def crosses(a, b, c, d):
    def side(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    return side(a, b, c) * side(a, b, d) < 0 and side(c, d, a) * side(c, d, b) < 0

def inside(p, poly):
    hit = False
    for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
        if (y0 > p[1]) != (y1 > p[1]) and p[0] < x0 + (p[1] - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit

def overlap(p, q):
    (a0, a1, a2, a3), (b0, b1, b2, b3) = box(p), box(q)
    if a2 < b0 or b2 < a0 or a3 < b1 or b3 < a1:
        return False
    lo, hi = (max(a0, b0), max(a1, b1)), (min(a2, b2), min(a3, b3))
    def segments(poly):
        return [(s, t) for s, t in zip(poly, poly[1:] + poly[:1])
                if max(s[0], t[0]) >= lo[0] and min(s[0], t[0]) <= hi[0] and max(s[1], t[1]) >= lo[1] and min(s[1], t[1]) <= hi[1]]
    sp, sq = segments(p), segments(q)
    if any(crosses(s, t, u, v) for s, t in sp for u, v in sq):
        return True
    return inside(p[0], q) or inside(q[0], p)

for i, p in enumerate(polygons):
    x0, y0, x1, y1 = box(p)
    assert x0 >= min(bx) and y0 >= min(by) and x1 <= max(bx) and y1 <= max(by), (i, box(p))
    for q in polygons[i + 1:]:
        assert not overlap(p, q), (box(p), box(q))

largest = max(box(p)[2] for p in polygons)
assert abs(largest - used) < 1e-3, (largest, used)
line_x = [p[0] for p in ends[0].get_points()]
assert all(abs(x - (largest + 0.1)) < 1e-3 for x in line_x), (line_x, largest)
total = sum(area(p) for p in polygons)
assert abs(total / (width * used) - efficiency) < 1e-4 * efficiency, (total / (width * used), efficiency)
PY
