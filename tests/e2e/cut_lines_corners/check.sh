#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit; 38~ stays off and no working view is left. In each
# size the cut layer holds the six cut lines and the two closing lines, all in the part's
# group, each at its allowance (10; the hem 20) from its seam line along the middle of the
# seam; the centre-front corner is the 45-degree join, the side corner the mirror join (size
# 42 graded at the hem's side end), the other joints meet; the growth table stands at
# (200,0) with its titles and one row per size. Closest points by Newton on ezdxf's curves.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import math, sys, ezdxf
from ezdxf.math import Vec3

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
assert doc.layers.get("38~").is_off(), "38~ turned on"
views = [v.dxf.name for v in doc.views]
assert "Fastrelle_Cut" not in views and "Fastrelle_Corner_Join_Cmd" not in views, views

msp = doc.modelspace()
def layer(e):
    if e.dxftype() == "ACAD_TABLE":
        return ""
    return e.dxf.layer.replace("^ ", "^")  # a caret is written "^ " in DXF text
sizes = {"38": "38", "^40": "40", "42": "42"}
group_of = {}
for name, group in doc.groups:
    for e in group:
        group_of[e.dxf.handle] = name
tables = [e for e in msp if e.dxftype() == "ACAD_TABLE"]
assert len(tables) == 1, len(tables)
for e in msp:
    if e.dxftype() == "ACAD_TABLE":
        continue
    assert group_of.get(e.dxf.handle, "").startswith("Przód|"), (e.dxftype(), layer(e), "outside the part")

def closest(e, p):
    """The point of e nearest to p (lines and arcs exactly, splines by Newton)."""
    p = Vec3(p)
    if e.dxftype() == "LINE":
        a, b = Vec3(e.dxf.start), Vec3(e.dxf.end)
        t = max(0.0, min(1.0, (p - a).dot(b - a) / (b - a).magnitude_square))
        return a + (b - a) * t
    if e.dxftype() == "ARC":
        c, r = Vec3(e.dxf.center), e.dxf.radius
        ang = math.degrees(math.atan2(p.y - c.y, p.x - c.x)) % 360
        s, t = e.dxf.start_angle % 360, e.dxf.end_angle % 360
        inside = (s <= ang <= t) if s <= t else (ang >= s or ang <= t)
        if inside:
            return c + (p - c).normalize(r)
        ends = [c + Vec3.from_deg_angle(s, r), c + Vec3.from_deg_angle(t, r)]
        return min(ends, key=lambda q: q.distance(p))
    tool = e.construction_tool()
    t0, t1 = tool.knots()[0], tool.knots()[-1]
    ts = [t0 + (t1 - t0) * i / 400 for i in range(401)]
    t = min(ts, key=lambda u: tool.point(u).distance(p))
    for _ in range(50):
        pt, d1, d2 = tool.derivative(t, 2)
        f, fp = (pt - p).dot(d1), d1.dot(d1) + (pt - p).dot(d2)
        if fp <= 0:
            break
        t = max(t0, min(t1, t - f / fp))
    return tool.point(t)

def along(e, f):
    if e.dxftype() == "LINE":
        return Vec3(e.dxf.start).lerp(Vec3(e.dxf.end), f)
    if e.dxftype() == "ARC":
        s, t = e.dxf.start_angle, e.dxf.end_angle
        if t < s:
            t += 360
        return Vec3(e.dxf.center) + Vec3.from_deg_angle(s + (t - s) * f, e.dxf.radius)
    tool = e.construction_tool()
    t0, t1 = tool.knots()[0], tool.knots()[-1]
    return tool.point(t0 + (t1 - t0) * f)

def ends(e):
    if e.dxftype() == "LINE":
        return [Vec3(e.dxf.start), Vec3(e.dxf.end)]
    if e.dxftype() == "ARC":
        return [along(e, 0.0), along(e, 1.0)]
    return [Vec3(e.control_points[0]), Vec3(e.control_points[-1])]

def has_line(cuts, a, b, tol=1e-6):
    return any(c.dxftype() == "LINE" and
               ((Vec3(c.dxf.start).distance(a) < tol and Vec3(c.dxf.end).distance(b) < tol) or
                (Vec3(c.dxf.start).distance(b) < tol and Vec3(c.dxf.end).distance(a) < tol)) for c in cuts)

def ends_at(cuts, p, tol):
    return sum(1 for c in cuts for q in ends(c) if q.distance(p) < tol)

for seam_layer, size in sizes.items():
    cuts = [e for e in msp if layer(e) == seam_layer + "'"]
    kinds = sorted(e.dxftype() for e in cuts)
    assert kinds == ["ARC"] + ["LINE"] * 6 + ["SPLINE"], (size, kinds)
    for c in cuts:
        assert group_of.get(c.dxf.handle) == f"Przód|{size}", (size, c.dxftype(), "not in the part")
    seams = [e for e in msp if layer(e) == seam_layer and e.dxftype() != "INSERT"]
    assert len(seams) == 6, (size, len(seams))
    for s in seams:
        hem = s.dxftype() == "LINE" and abs(s.dxf.start.y) < 1e-9 and abs(s.dxf.end.y) < 1e-9
        want = 20.0 if hem else 10.0
        for i in range(50):
            p = along(s, 0.2 + 0.6 * i / 49)
            d = min(closest(c, p).distance(p) for c in cuts)
            assert abs(d - want) < 1e-6, (size, s.dxftype(), i, d)
    # The centre-front corner (45 degrees) and the side corner (mirror).
    assert has_line(cuts, Vec3(-10, 0), Vec3(10, -20)), (size, "45-degree closing line")
    assert ends_at(cuts, Vec3(-10, 0), 1e-6) == 2 and ends_at(cuts, Vec3(10, -20), 1e-6) == 2, (size, "G1")
    p, x1 = (Vec3(115.034662, 0), Vec3(113.367996, -20)) if size == "42" else (Vec3(110.008677, 0), Vec3(109.175344, -20))
    assert has_line(cuts, p, x1), (size, "mirror closing line")
    assert ends_at(cuts, p, 1e-6) == 2 and ends_at(cuts, x1, 1e-6) == 2, (size, "G2")
    # The neck arc meets the centre front; the other joints meet end to end.
    assert ends_at(cuts, Vec3(-10, 180 - math.sqrt(300)), 1e-9) == 2, (size, "neck")
    arc = next(c for c in cuts if c.dxftype() == "ARC")
    assert abs(arc.dxf.radius - 20) < 1e-9 and Vec3(arc.dxf.center).distance(Vec3(0, 180)) < 1e-9, (size, "neck arc")
    all_ends = [q for c in cuts for q in ends(c)]
    for q in all_ends:
        assert sum(1 for r in all_ends if r.distance(q) < 1e-9) >= 2 or q.distance(p) < 1e-6 or \
            q.distance(x1) < 1e-6 or q.distance(Vec3(-10, 0)) < 1e-6 or q.distance(Vec3(10, -20)) < 1e-6, (size, q)

# The growth table: its position and the texts of its cells.
table = tables[0]
texts, marked, position = [], False, None
for sub in table.xtags.subclasses:
    if sub[0].value == "AcDbBlockReference":
        position = Vec3(sub.get_first_value(10))
    for tag in sub:
        if tag.code == 171:
            marked = True
        elif tag.code == 1 and marked:
            texts.append(tag.value)
            marked = False
assert position is not None and position.distance(Vec3(200, 0)) < 1e-9, position
assert texts == ["Rozmiar", "+", "+", "Różnica", "38", "220.1", "150.0", "70.1", "40", "220.1", "150.0", "70.1",
                 "42", "225.4", "150.0", "75.4"], texts
PY
