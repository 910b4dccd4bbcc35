#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit; the grid moved grade point 3 (100,150) to
# (105,154) in 42 and (95,146) in 38, the "MX" paste moved point 4 (0,150) to (-5,150) in
# 42 and (5,150) in 38, y kept; the base size and the master stayed; each group's top line
# runs from its point 3 to its point 4.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
want = {"0": {3: (100, 150), 4: (0, 150)}, "40": {3: (100, 150), 4: (0, 150)},
        "42": {3: (105, 154), 4: (-5, 150)}, "38": {3: (95, 146), 4: (5, 150)}}
for size, places in want.items():
    group = list(doc.groups.get(f"Przód|{size}"))
    points = {int(next(a.dxf.text for a in e.attribs if a.dxf.tag == "NUMER")): e.dxf.insert
              for e in group if e.dxftype() == "INSERT" and e.dxf.name == "GradePoint"}
    for number, (x, y) in places.items():
        p = points[number]
        assert abs(p.x - x) < 1e-6 and abs(p.y - y) < 1e-6, (size, number, p)
    top = [e for e in group if e.dxftype() == "LINE" and
           {(round(e.dxf.start.x, 6), round(e.dxf.start.y, 6)), (round(e.dxf.end.x, 6), round(e.dxf.end.y, 6))} ==
           {(round(points[3].x, 6), round(points[3].y, 6)), (round(points[4].x, 6), round(points[4].y, 6))}]
    assert len(top) == 1, (size, "top line")
PY
