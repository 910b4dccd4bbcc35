#!/usr/bin/env bash
# The saved layout passes ezdxf's audit and holds: the three overlap markers, once each
# though the check ran twice (the pocket inside the front at its outline's start, the
# other pocket's two crossings with the mirror front); one piece label per piece at the
# centre of its box with the piece's model, part, size and material; the layout's label
# at (0,-100), scale 2, with the layout's width, used length, efficiency, piece count and
# length per garment worked out here.
set -euo pipefail
/usr/bin/python3 - "$1/layout.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
msp = doc.modelspace()
def tags(e):
    return [v for code, v in e.get_xdata("Fastrelle_Layout")] if e.has_xdata("Fastrelle_Layout") else []
markers = sorted((round(p.dxf.location.x, 9), round(p.dxf.location.y, 9)) for p in msp.query("POINT") if "Overlap" in tags(p))
assert markers == [(50, 10), (200, 40), (210, 30)], markers
pieces = {(50, 20): ("Przód", "38", "Bawełna"), (160, 20): ("Przód", "38", "Bawełna"),
          (65, 20): ("Kieszeń", "40", "Len"), (215, 40): ("Kieszeń", "40", "Len")}
labels = msp.query("INSERT[name=='FormDescription']")
assert len(labels) == 4, len(labels)
for label in labels:
    at = (round(label.dxf.insert.x, 9), round(label.dxf.insert.y, 9))
    assert at in pieces, at
    assert "Description" in tags(label)
    part, size, material = pieces.pop(at)
    texts = {a.dxf.tag: a.dxf.text for a in label.attribs}
    assert texts == {"MODEL": "spodnie", "CZESC": part, "ROZMIAR": size, "MATERIAL": material}, texts
layout = msp.query("INSERT[name=='LayoutDescription']")
assert len(layout) == 1
ref = layout[0]
assert abs(ref.dxf.insert.x) < 1e-9 and abs(ref.dxf.insert.y + 100) < 1e-9 and abs(ref.dxf.xscale - 2) < 1e-9
used = 230.0                                  # the right edge of the crossing pocket
area = 2 * 100 * 40 + 2 * 30 * 20
texts = {a.dxf.tag: a.dxf.text for a in ref.attribs}
want = {"SZEROKOSC": "150.00", "DLUGOSC": f"{used:.2f}", "EFEKTYWNOSC": f"{100 * area / (150 * used):.1f} %",
        "ELEMENTY": "4", "NA_SZTUKE": f"{used / 2:.2f}"}  # two garments: two of each part, one cut "S"
assert texts == want, texts
PY
