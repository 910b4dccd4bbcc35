#!/usr/bin/env bash
# The saved drawing reads back with ezdxf and holds what the dialog changed: layer Przód
# is off (its colour negative), layer Tył has colour 5 and is on.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
przod, tyl = doc.layers.get("Przód"), doc.layers.get("Tył")
assert przod.is_off(), przod.dxf.color
assert tyl.is_on() and tyl.color == 5, tyl.dxf.color
PY
