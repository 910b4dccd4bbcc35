#!/usr/bin/env bash
# The saved drawing holds the parts the script made: records of "Przód" (single) and "Tył"
# (mirrored horizontally), one group per part and size with the outline on the size's seam
# layer and numbered grade points on its tech layer; the circle and the traced lines stay
# outside every part, and no region is left.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
errors = [str(e) for e in doc.audit().errors]
assert not errors, errors
msp = doc.modelspace()
for name, scale, ltype in (("0'", 1.0, "CONTINUOUS"), ("0~", 5.0, "HIDDEN")):
    layer = doc.layers.get(name)
    x = layer.get_xdata("Fastrelle_Linetype")
    assert x[0] == (1040, scale), (name, x)
    assert doc.entitydb[x[1][1]].dxf.name.upper() == ltype, (name, x)

records = doc.rootdict["Fastrelle"]
assert sorted(records.keys()) == ["Przód", "Tył"], list(records.keys())
for name, kind in (("Przód", 0), ("Tył", 2)):
    x = records[name].get_xdata("FastrellePart")
    assert list(x) == [(1000, name), (1071, kind), (1071, 1)], x

sizes = {"0": "0", "38": "38", "40": "^40", "42": "42"}
expected_groups = sorted(f"{p}|{s}" for p in ("Przód", "Tył") for s in sizes)
assert sorted(name for name, _ in doc.groups) == expected_groups, sorted(name for name, _ in doc.groups)

def layer(e):
    # A caret is written "^ " in DXF text, which ezdxf reads as it stands.
    return e.dxf.layer.replace("^ ", "^")

def near(a, b):
    return abs(a[0] - b[0]) < 1e-6 and abs(a[1] - b[1]) < 1e-6

in_groups = set()
corners = {}
for size, seam in sizes.items():
    front = list(doc.groups.get(f"Przód|{size}"))
    in_groups |= {e.dxf.handle for e in front}
    lines = [e for e in front if e.dxftype() == "LINE"]
    plines = [e for e in front if e.dxftype() == "LWPOLYLINE"]
    refs = [e for e in front if e.dxftype() == "INSERT"]
    assert len(lines) == 4 and len(plines) == 1 and len(refs) == 6 and len(front) == 11, size
    assert all(layer(e) == seam for e in lines + plines), size
    assert plines[0].closed and len(plines[0]) == 2 and all(abs(abs(p[4]) - 1) < 1e-9 for p in plines[0].get_points())
    assert all(r.dxf.name == "GradePoint" and layer(r) == seam + "~" for r in refs), size
    numbers = {int(r.get_attrib_text("NUMER")): (r.dxf.insert.x, r.dxf.insert.y) for r in refs}
    for n, p in {1: (0, 0), 2: (100, 0), 3: (100, 150), 4: (0, 150), 5: (40, 75), 6: (60, 75)}.items():
        assert near(numbers[n], p), (size, n, numbers)
    back = list(doc.groups.get(f"Tył|{size}"))
    in_groups |= {e.dxf.handle for e in back}
    lines = [e for e in back if e.dxftype() == "LINE"]
    refs = [e for e in back if e.dxftype() == "INSERT"]
    assert len(lines) == 5 and len(refs) == 5 and len(back) == 10, (size, [e.dxftype() for e in back])
    assert all(layer(e) == seam for e in lines), size
    assert not any(abs(e.dxf.start.x - 300) < 1e-6 and abs(e.dxf.end.x - 300) < 1e-6 for e in lines), size
    ends = {(round(e.dxf.start.x, 6), round(e.dxf.start.y, 6)) for e in lines}
    assert ends == {(200, 0), (300, 0), (360, 75), (300, 150), (200, 150)}, ends
    for r in refs:
        n = int(r.get_attrib_text("NUMER"))
        assert 7 <= n <= 11, n
        corners.setdefault(n, (r.dxf.insert.x, r.dxf.insert.y))
        assert near(corners[n], (r.dxf.insert.x, r.dxf.insert.y)), (size, n)
        assert layer(r) == seam + "~"
assert len(corners) == 5

outside = [e for e in msp if e.dxf.handle not in in_groups]
kinds = sorted(e.dxftype() for e in outside)
assert kinds == ["CIRCLE"] + ["LINE"] * 7, kinds
assert all(e.dxf.layer == "0" for e in outside)
assert not msp.query("REGION")
PY
