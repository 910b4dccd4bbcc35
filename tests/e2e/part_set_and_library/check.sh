#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit; the part record holds quantity 2 and the vertical
# pair; outside every group stand the set description at (150,150), scale 5, its table at
# (150,85) (the frame's bottom 90, less the gap 5) with the list's values, merged title and
# total rows and the total label middle left, the free text at (150,52), and the skirt from
# the library at (400,0).
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
msp = doc.modelspace()
record = doc.rootdict["Fastrelle"]["Przód"]
assert [(t.code, t.value) for t in record.xdata.get("FastrellePart")][1:] == [(1000, "Przód"), (1071, 1), (1071, 2)]
grouped = {e.dxf.handle for _, g in doc.groups for e in g}
def near(p, x, y):
    return abs(p.x - x) < 1e-6 and abs(p.y - y) < 1e-6
sets = msp.query("INSERT[name=='PartSetDescription']")
assert len(sets) == 1 and sets[0].dxf.handle not in grouped
ref = sets[0]
assert near(ref.dxf.insert, 150, 150) and abs(ref.dxf.xscale - 5) < 1e-9, ref.dxf.insert
texts = {a.dxf.tag: a.dxf.text for a in ref.attribs}
assert texts == {"MODEL": "Bluzka", "KLIENT": "Atelier", "DATA": "%Y-%m-%d", "ROZMIARY": "38,40"}, texts
tables = msp.query("ACAD_TABLE")
assert len(tables) == 1
tags = tables[0].xtags.get_subclass("AcDbTable")
values = [(t.code, t.value) for t in tags]
def first(code):
    return next(v for c, v in values if c == code)
position = tables[0].xtags.get_subclass("AcDbBlockReference").get_first_value(10)
assert near(ezdxf.math.Vec3(position), 150, 85), position
assert (first(91), first(92)) == (4, 5), (first(91), first(92))
heights = [v for c, v in values if c == 141]
widths = [v for c, v in values if c == 142]
assert heights == [7.0] * 4, heights
assert [round(w, 6) for w in widths] == [15, 52.5, 37.5, 30, 15], widths
cells = []  # one dict per cell, row by row: each begins at group 171
for c, v in values:
    if c == 171:
        cells.append({})
    elif cells:
        cells[-1][c] = v
want = ["Zestawienie części", "", "", "", "", "lp.", "Część", "Materiał", "Tryb", "Ilość",
        "1", "Przód", "Len", "para w pionie", "2", "RAZEM:", "", "", "", "4"]
assert [cell.get(1) for cell in cells] == want, [cell.get(1) for cell in cells]
assert all(cell.get(140) == 5.0 for cell in cells)
for row in (0, 3):  # merged over columns 0-3, the quantity column apart
    assert (cells[row * 5].get(175), cells[row * 5].get(176)) == (4, 1), cells[row * 5]
    assert [cells[row * 5 + c].get(173) for c in range(5)] == [1, 1, 1, 1, 0], row
assert cells[15].get(170) == 4, cells[15]
mtexts = msp.query("MTEXT")
assert len(mtexts) == 1 and mtexts[0].text == "Próba pierwsza", [m.text for m in mtexts]
assert near(mtexts[0].dxf.insert, 150, 52) and abs(mtexts[0].dxf.char_height - 5) < 1e-9, mtexts[0].dxf.insert
skirts = msp.query("INSERT[name=='Spódnica']")
assert len(skirts) == 1 and near(skirts[0].dxf.insert, 400, 0), [s.dxf.insert for s in skirts]
PY
