#!/usr/bin/env bash
# The saved drawing reads back with ezdxf, passes its audit and holds what the script drew:
# the closed outline with its arc on layer Konstrukcja, the spline, the line and the moved
# circle; the erased circle is gone; both layers exist.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
msp = doc.modelspace()
kinds = sorted(e.dxftype() for e in msp)
assert kinds == ["CIRCLE", "LINE", "LWPOLYLINE", "SPLINE"], kinds
assert all(e.dxf.layer == "Konstrukcja" for e in msp), [e.dxf.layer for e in msp]
outline = msp.query("LWPOLYLINE")[0]
assert outline.closed and len(outline) == 5
assert abs(outline.get_points()[1][4] + 0.414213562) < 1e-6  # the quarter arc turns clockwise
circle = msp.query("CIRCLE")[0]
assert abs(circle.dxf.center.x - 35) < 1e-9 and abs(circle.dxf.radius - 1.5) < 1e-9
assert len(msp.query("SPLINE")[0].fit_points) == 4
line = msp.query("LINE")[0]
assert tuple(line.dxf.start) == (0, 45, 0) and tuple(line.dxf.end) == (60, 45, 0)
assert {"Konstrukcja", "Pomocnicze"} <= {layer.dxf.name for layer in doc.layers}
PY
