#!/usr/bin/env bash
# The marker the warehouse case saves (marker.dwg), read with ezdxf: a 5000 by 600 border;
# the pieces as asked (the front once in 38, twice in 40 turned 90; the pocket once in each
# size; no sleeve, its row removed), seam outlines closed, inside the border and clear of each
# other, no overlap marker; the last used length and efficiency the warehouse dialog printed
# against the pieces' own outlines. The layout file written holds the width and length typed.
set -euo pipefail
/usr/bin/python3 - "$1" "$(dirname "$0")/.." <<'PY'
import sys
from collections import Counter

import ezdxf

tmp = sys.argv[1]
sys.path.insert(0, sys.argv[2])
import marker_checks as mc

doc = ezdxf.readfile(f"{tmp}/marker.dwg")
assert not doc.audit().has_errors, "audit"
msp = doc.modelspace()
box = mc.border(msp)
assert (box[2] - box[0], box[3] - box[1]) == (5000, 600), box

pieces = mc.pieces(msp)
expected = {"spodnie|Przód|38|S|S": 1, "spodnie|Przód|40|S|S": 2, "bluzka|Kieszeń|38|S|S": 1,
            "bluzka|Kieszeń|40|S|S": 1}
assert Counter(e.dxf.name for e in pieces) == expected, Counter(e.dxf.name for e in pieces)
for e in pieces:
    want = 90.0 if e.dxf.name == "spodnie|Przód|40|S|S" else 0.0
    assert abs(e.dxf.rotation - want) < 1e-9, (e.dxf.name, e.dxf.rotation)
polys = [(e.dxf.name, mc.outline(doc, e)) for e in pieces]
mc.check_apart(polys, box)
assert not list(msp.query("POINT")), "overlap markers"

used, efficiency = mc.measures(polys, box)
mc.check_printed(open(f"{tmp}/transcript.out", encoding="utf-8").read(), used, efficiency)
saved = open(f"{tmp}/layout.frl", "rb").read().decode("utf-16").split()
assert [float(v) for v in saved] == [600, 5000], saved
print(f"warehouse: marker checked, used length {used:.2f}, efficiency {efficiency:.2f} %")
PY
