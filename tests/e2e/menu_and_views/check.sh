#!/usr/bin/env bash
# The named view saved from the zoom window is in the saved drawing, once, with that
# window's centre and size; the cancelled UCS left the origin where it was.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
assert not doc.audit().has_errors
views = [(v.dxf.name, tuple(v.dxf.center)[:2], v.dxf.width, v.dxf.height) for v in doc.views]
assert views == [("Przód", (80.0, 45.0), 160.0, 90.0)], views
assert tuple(doc.header.get("$UCSORG", (0, 0, 0))) == (0.0, 0.0, 0.0)
PY
