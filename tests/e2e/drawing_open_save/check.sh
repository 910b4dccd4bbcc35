#!/usr/bin/env bash
# The saved drawing keeps the three entities on their layers and passes another DXF
# library's audit; the picture shows the line, the red arc and the text.
set -euo pipefail
tmp=$1
grep -q "<path d=\"M0,0 L100,0\" stroke=\"#000000\"/>" "$tmp/out.svg" || { echo "line missing from the SVG"; exit 1; }
grep -q "stroke=\"#FF0000\"" "$tmp/out.svg" || { echo "red arc missing from the SVG"; exit 1; }
grep -q ">Przód 38</text>" "$tmp/out.svg" || { echo "text missing from the SVG"; exit 1; }
if /usr/bin/python3 -c 'import ezdxf' 2>/dev/null; then
  /usr/bin/python3 - "$tmp/out.dwg" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
errors = [e.message for e in doc.audit().errors]
kinds = sorted((e.dxftype(), e.dxf.layer) for e in doc.modelspace())
assert not errors, errors
assert kinds == [("ARC", "Seam"), ("LINE", "Seam"), ("TEXT", "0")], kinds
assert doc.modelspace().query("TEXT")[0].dxf.text == "Przód 38"
PY
fi
