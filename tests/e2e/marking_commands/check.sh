#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit. In each size's group of "Przód", on its tech
# layer: both holes (scale 3, one turned 30 degrees), the grain line, both notches (scale
# 5), the dart's legs, mark and numbered points, the special point (scale 2, turned 45
# degrees); the added line joined every group once on its seam layer.
# Outside the part: the measure (10 + a quarter arc of radius 10) at the point given, the
# smoothed spline with one control point fewer, the aligned line, and no other symbol.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import math, sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
def near(p, x, y):
    return abs(p[0] - x) < 1e-6 and abs(p[1] - y) < 1e-6
for size, seam, tech in (("0", "0", "0~"), ("38", "38", "38~"), ("40", "^40", "^40~")):
    group = list(doc.groups.get(f"Przód|{size}"))
    layer = lambda e: e.dxf.layer.replace("^ ", "^")
    holes = sorted((e for e in group if e.dxftype() == "INSERT" and e.dxf.name == "Hole"), key=lambda e: -e.dxf.insert.y)
    assert len(holes) == 2, (size, len(holes))
    assert near(holes[0].dxf.insert, 80, 125) and abs(holes[0].dxf.rotation - 30) < 1e-6, holes[0].dxf.rotation
    assert near(holes[1].dxf.insert, 80, 25) and abs(holes[1].dxf.rotation) < 1e-6
    assert all(layer(h) == tech and abs(h.dxf.xscale - 3) < 1e-9 for h in holes)
    cross = [e for e in group if e.dxftype() == "INSERT" and e.dxf.name == "Cross"]
    assert len(cross) == 1 and near(cross[0].dxf.insert, 50, 75), (size, len(cross))
    assert abs(cross[0].dxf.rotation - 45) < 1e-6 and abs(cross[0].dxf.xscale - 2) < 1e-9 and layer(cross[0]) == tech
    leaders = [e for e in group if e.dxftype() == "LEADER"]
    assert len(leaders) == 1 and layer(leaders[0]) == tech, size
    v = list(leaders[0].vertices)
    assert {(round(p[0], 6), round(p[1], 6)) for p in v} == {(15, 30), (15, 120)}, v
    for name, x, y in (("Notch", 30, 0), ("NotchT", 100, 40), ("Dart", 50, 110)):
        marks = [e for e in group if e.dxftype() == "INSERT" and e.dxf.name == name]
        assert len(marks) == 1 and near(marks[0].dxf.insert, x, y) and layer(marks[0]) == tech, (size, name)
        assert name == "Dart" or abs(marks[0].dxf.xscale - 5) < 1e-9, (size, name, marks[0].dxf.xscale)
    for a, b in (((40, 150), (50, 110)), ((50, 110), (60, 150))):
        legs = [e for e in group if e.dxftype() == "LINE" and {(round(e.dxf.start.x, 6), round(e.dxf.start.y, 6)),
                (round(e.dxf.end.x, 6), round(e.dxf.end.y, 6))} == {a, b}]
        assert len(legs) == 1 and layer(legs[0]) == tech, (size, a, b)
    numbers = {int(e.get_attrib_text("NUMER")): (round(e.dxf.insert.x, 6), round(e.dxf.insert.y, 6))
               for e in group if e.dxftype() == "INSERT" and e.dxf.name == "GradePoint"}
    assert numbers.get(5) == (40, 150) and numbers.get(6) == (60, 150) and numbers.get(7) == (50, 110), numbers
    added = [e for e in group if e.dxftype() == "LINE" and near(e.dxf.start, 20, 20) and near(e.dxf.end, 40, 20)]
    assert len(added) == 1 and layer(added[0]) == seam, (size, len(added))
msp = doc.modelspace()
for name, count in (("Hole", 6), ("Cross", 3), ("Notch", 3), ("NotchT", 3), ("Dart", 3)):
    assert len(msp.query(f"INSERT[name=='{name}']")) == count, name
assert not msp.query("LWPOLYLINE"), "no preview of the dart's legs stays"
texts = msp.query("MTEXT")
assert len(texts) == 1 and texts[0].text == f"{10 + 5 * math.pi:.1f}" and near(texts[0].dxf.insert, 230, 30), texts[0].text
splines = msp.query("SPLINE")
assert len(splines) == 1 and len(splines[0].control_points) == 6, len(splines[0].control_points)
aligned = [e for e in msp.query("LINE") if near(e.dxf.start, 500, 100)]
assert len(aligned) == 1 and near(aligned[0].dxf.end, 500, 110), aligned
PY
