#!/usr/bin/env bash
# The model drawing saved by SAVEAS holds the line only; the drawing saved after NEW holds
# the circle only; both pass another DXF library's audit; the failed save left nothing.
set -euo pipefail
tmp=$1
[ ! -e "$tmp/missing" ] || { echo "the failed save made something"; exit 1; }
/usr/bin/python3 - "$tmp/model.dwg" "$tmp/layout.dxf" <<'PY'
import sys, ezdxf
model, layout = (ezdxf.readfile(p) for p in sys.argv[1:3])
for doc in (model, layout):
    errors = [e.message for e in doc.audit().errors]
    assert not errors, errors
assert [e.dxftype() for e in model.modelspace()] == ["LINE"]
line = model.modelspace()[0]
assert tuple(line.dxf.start) == (0, 0, 0) and tuple(line.dxf.end) == (100, 0, 0)
assert [e.dxftype() for e in layout.modelspace()] == ["CIRCLE"]
circle = layout.modelspace()[0]
assert tuple(circle.dxf.center) == (10, 10, 0) and circle.dxf.radius == 5
PY
