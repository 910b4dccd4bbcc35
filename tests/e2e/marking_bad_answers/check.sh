#!/usr/bin/env bash
# The saved drawing holds the part "Przód" as the form made it and nothing else: sizes 38
# and 40 (the base) with their layers, in each group four seam lines and grade points 1 to
# 4, nothing outside the groups.
set -euo pipefail
/usr/bin/python3 - "$1" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1] + "/drawing.dxf")
errors = [str(e) for e in doc.audit().errors]
assert not errors, errors
layers = sorted(l.dxf.name.replace("^ ", "^") for l in doc.layers)
assert layers == sorted(["0", "0'", "0~", "Defpoints", "38", "38'", "38~", "^40", "^40'", "^40~"]), layers
groups = sorted(name for name, _ in doc.groups)
assert groups == ["Przód|0", "Przód|38", "Przód|40"], groups
in_groups = set()
for size, seam in {"0": "0", "38": "38", "40": "^40"}.items():
    members = list(doc.groups.get(f"Przód|{size}"))
    in_groups |= {e.dxf.handle for e in members}
    lines = [e for e in members if e.dxftype() == "LINE"]
    refs = [e for e in members if e.dxftype() == "INSERT"]
    assert len(lines) == 4 and len(members) == 8, (size, [e.dxftype() for e in members])
    assert all(e.dxf.layer.replace("^ ", "^") == seam for e in lines), size
    assert sorted(int(r.get_attrib_text("NUMER")) for r in refs) == [1, 2, 3, 4], size
outside = [e.dxftype() for e in doc.modelspace() if e.dxf.handle not in in_groups]
assert not outside, outside
PY
