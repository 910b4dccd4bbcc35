#!/usr/bin/env bash
# The graded piece: sizes 38, 40 (base), 42 and 44 (43 renamed), each with its group of
# "Przód" holding grade points 1 to 6 once on its tech layer and only lines on its seam
# layer; point 5 put by AddPoint at 30 along the bottom in every size, point 3 graded in the
# grid, point 4 pasted with x mirrored, point 6 where the crossing line meets each size's
# own right side; every group's lines run corner to corner through its own points.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
layers = {l.dxf.name.replace("^ ", "^") for l in doc.layers}
assert not {"43", "43'", "43~"} & layers, layers
assert doc.groups.get("Przód|43") is None
close = lambda p, x, y: abs(p[0] - x) < 1e-6 and abs(p[1] - y) < 1e-6
seams = {"0": "0", "38": "38", "40": "^40", "42": "42", "44": "44"}
want = {
    "0": {3: (100, 150), 4: (0, 150), 6: (100, 75)},
    "40": {3: (100, 150), 4: (0, 150), 6: (100, 75)},
    "42": {3: (105, 154), 4: (-5, 150), 6: (100 + 375 / 154, 75)},
    "44": {3: (110, 158), 4: (-10, 150), 6: (100 + 750 / 158, 75)},
    "38": {3: (95, 146), 4: (5, 150), 6: (100 - 375 / 146, 75)},
}
grouped = set()
for size, seam in seams.items():
    group = list(doc.groups.get(f"Przód|{size}"))
    grouped |= {e.dxf.handle for e in group}
    refs = [e for e in group if e.dxftype() == "INSERT" and e.dxf.name == "GradePoint"]
    numbers = sorted(int(next(a.dxf.text for a in e.attribs if a.dxf.tag == "NUMER")) for e in refs)
    assert numbers == [1, 2, 3, 4, 5, 6], (size, numbers)
    tech = (seam + "~")
    assert all(e.dxf.layer.replace("^ ", "^") == tech for e in refs), size
    points = {int(next(a.dxf.text for a in e.attribs if a.dxf.tag == "NUMER")): (e.dxf.insert.x, e.dxf.insert.y) for e in refs}
    assert close(points[1], 0, 0) and close(points[2], 100, 0), (size, points)
    assert close(points[5], 30, 0), (size, points[5])
    for number, (x, y) in want[size].items():
        assert close(points[number], x, y), (size, number, points[number])
    on_seam = [e for e in group if e.dxf.layer.replace("^ ", "^") == seam]
    assert all(e.dxftype() == "LINE" for e in on_seam), size
    ends = {frozenset(((round(e.dxf.start.x, 6), round(e.dxf.start.y, 6)), (round(e.dxf.end.x, 6), round(e.dxf.end.y, 6)))) for e in on_seam}
    r = lambda n: (round(points[n][0], 6), round(points[n][1], 6))
    for a, b in ((1, 5), (5, 2), (2, 6), (6, 3), (3, 4), (4, 1)):
        assert frozenset((r(a), r(b))) in ends, (size, a, b)
    assert len(on_seam) == 6, (size, len(on_seam))
outside = [e for e in doc.modelspace().query("INSERT[name=='GradePoint']") if e.dxf.handle not in grouped]
assert not outside, len(outside)
crossing = [e for e in doc.modelspace().query("LINE") if e.dxf.handle not in grouped]
assert len(crossing) == 1 and crossing[0].dxf.layer == "0", len(crossing)
PY
