#!/usr/bin/env bash
# The saved drawing: size 43 was added and renamed 44 with its copy of the part, size 38 was
# deleted with its group, 40 stays the base; the crossing line made grade point 5 at
# (100,75) in every size of the part, the right side split there; the exported list names
# the sizes the dialog showed.
set -euo pipefail
/usr/bin/python3 - "$1" <<'PY'
import sys, ezdxf
folder = sys.argv[1]
doc = ezdxf.readfile(folder + "/drawing.dxf")
errors = [str(e) for e in doc.audit().errors]
assert not errors, errors
layers = sorted(l.dxf.name.replace("^ ", "^") for l in doc.layers)
assert layers == sorted(["0", "0'", "0~", "Defpoints", "^40", "^40'", "^40~", "42", "42'", "42~", "44", "44'", "44~"]), layers
sizes = {"0": "0", "40": "^40", "42": "42", "44": "44"}
groups = sorted(name for name, _ in doc.groups)
assert groups == sorted(f"Przód|{s}" for s in sizes), groups
in_groups = set()
for size, seam in sizes.items():
    members = list(doc.groups.get(f"Przód|{size}"))
    in_groups |= {e.dxf.handle for e in members}
    lines = [e for e in members if e.dxftype() == "LINE"]
    refs = [e for e in members if e.dxftype() == "INSERT"]
    assert len(lines) == 5 and len(refs) == 5, (size, len(lines), len(refs))
    assert all(e.dxf.layer.replace("^ ", "^") == seam for e in lines), size
    numbers = {int(r.get_attrib_text("NUMER")): (r.dxf.insert.x, r.dxf.insert.y) for r in refs}
    assert sorted(numbers) == [1, 2, 3, 4, 5], (size, numbers)
    assert abs(numbers[5][0] - 100) < 1e-6 and abs(numbers[5][1] - 75) < 1e-6, (size, numbers)
    at_point = [e for e in lines if (100, 75) in ((round(e.dxf.start.x, 6), round(e.dxf.start.y, 6)), (round(e.dxf.end.x, 6), round(e.dxf.end.y, 6)))]
    assert len(at_point) == 2 and all(abs(e.dxf.start.x - 100) < 1e-6 and abs(e.dxf.end.x - 100) < 1e-6 for e in at_point), size
outside = [e for e in doc.modelspace() if e.dxf.handle not in in_groups]
assert [e.dxftype() for e in outside] == ["LINE"] and outside[0].dxf.layer == "0", [e.dxftype() for e in outside]
with open(folder + "/sizes.txs", encoding="utf-16") as f:
    lines = f.read().split()
assert lines == ["*40", "7", "42", "7", "44", "7"], lines
PY
