#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit. Sizes 38 and 40: the left corner closed at 45
# degrees, (-10,0)-(10,-20), the left cut line ending at (-10,0) and the hem's at (10,-20).
# Size 40 only: the right corner folded by the mirror, the side's cut line from
# P = (110.008677,0), the hem's ending at X1 = (109.175345,-20) and the closing line P-X1;
# size 38 keeps its mitre there. The master (size 0) is untouched, no mirror copy or other
# entity lies outside the groups, and no named view is left.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import math, sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
L = math.sqrt(14425.0)
P = (100 + 10 * 120 / L + 10 * 5 / L * 5 / 120, 0.0)
X1 = (P[0] - 20 * 5 / 120, -20.0)
MITRE = (P[0] + 20 * 5 / 120, -20.0)
def near(p, q):
    return abs(p[0] - q[0]) < 1e-6 and abs(p[1] - q[1]) < 1e-6
def cuts(size, layer):
    group = list(doc.groups.get(f"Przód|{size}"))
    return [(tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]) for e in group
            if e.dxftype() == "LINE" and e.dxf.layer.replace("^ ", "^") == layer]
def has(lines, a, b):
    return sum(1 for s, e in lines if (near(s, a) and near(e, b)) or (near(s, b) and near(e, a)))
for size, layer in (("38", "38'"), ("40", "^40'")):
    lines = cuts(size, layer)
    assert has(lines, (-10, 130), (-10, 0)) == 1, (size, lines)
    assert has(lines, (-10, 0), (10, -20)) == 1, (size, lines)
    if size == "38":
        assert len(lines) == 4 and has(lines, (10, -20), MITRE) == 1, lines
    else:
        assert len(lines) == 5, lines
        assert has(lines, (10, -20), X1) == 1 and has(lines, P, X1) == 1, lines
        assert sum(1 for s, e in lines if near(s, P) or near(e, P)) == 2, lines
master = cuts("0", "0'")
assert len(master) == 3 and has(master, (-10, -20), MITRE) == 1, master
assert not [e for e in doc.modelspace() if not e.get_reactors()], "entities outside the groups"
assert not list(doc.views), [v.dxf.name for v in doc.views]
PY
