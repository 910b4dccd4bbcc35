#!/usr/bin/env bash
# The saved drawing keeps the three entities on their layers, with their geometry, colour
# and text, and passes another DXF library's audit; the picture shows the line, the red
# arc and the text.
set -euo pipefail
tmp=$1
grep -q "<path d=\"M0,0 L100,0\" stroke=\"#000000\"/>" "$tmp/out.svg" || { echo "line missing from the SVG"; exit 1; }
grep -q "stroke=\"#FF0000\"" "$tmp/out.svg" || { echo "red arc missing from the SVG"; exit 1; }
grep -q ">Przód 38</text>" "$tmp/out.svg" || { echo "text missing from the SVG"; exit 1; }
/usr/bin/python3 - "$tmp/out.dwg" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
errors = [e.message for e in doc.audit().errors]
msp = doc.modelspace()
kinds = sorted((e.dxftype(), e.dxf.layer) for e in msp)
assert not errors, errors
assert kinds == [("ARC", "Seam"), ("LINE", "Seam"), ("TEXT", "0")], kinds
line, arc, text = msp.query("LINE")[0], msp.query("ARC")[0], msp.query("TEXT")[0]
assert tuple(line.dxf.start) == (0, 0, 0) and tuple(line.dxf.end) == (100, 0, 0)
assert tuple(arc.dxf.center) == (50, 0, 0) and arc.dxf.radius == 50
assert (arc.dxf.start_angle, arc.dxf.end_angle, arc.dxf.color) == (0, 180, 1)
assert text.dxf.text == "Przód 38" and tuple(text.dxf.insert) == (0, -10, 0) and text.dxf.height == 5
PY
