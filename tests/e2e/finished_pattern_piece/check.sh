#!/usr/bin/env bash
# The finished piece: ezdxf's audit is clean; the record of "Przód" holds the vertical pair
# and quantity 2; in the part's group of every size, on that size's tech layer, stand the
# two notches, the hole, the grain line, the dart with its grade points and mark, and the
# description; outside every group the set description, its table and text and the skirt.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
msp = doc.modelspace()
record = doc.rootdict["Fastrelle"]["Przód"]
assert [(t.code, t.value) for t in record.xdata.get("FastrellePart")][1:] == [(1000, "Przód"), (1071, 1), (1071, 2)]

def near(p, x, y):
    return abs(p[0] - x) < 1e-6 and abs(p[1] - y) < 1e-6

def layer(e):  # a caret is written "^ " in DXF text, which ezdxf reads as it stands
    return e.dxf.layer.replace("^ ", "^")

for size, tech in (("0", "0~"), ("38", "38~"), ("40", "^40~")):
    group = list(doc.groups.get(f"Przód|{size}"))
    inserts = [e for e in group if e.dxftype() == "INSERT"]
    def one(name, x, y):
        found = [e for e in inserts if e.dxf.name == name and near(e.dxf.insert, x, y)]
        assert len(found) == 1, (size, name, x, y, [(e.dxf.name, e.dxf.insert) for e in inserts])
        assert layer(found[0]) == tech, (size, name, layer(found[0]))
        return found[0]
    assert abs(one("Notch", 30, 0).dxf.xscale - 5) < 1e-6
    assert abs(one("NotchT", 100, 40).dxf.xscale - 5) < 1e-6
    hole = one("Hole", 80, 125)
    assert abs(hole.dxf.xscale - 3) < 1e-6 and abs(hole.dxf.rotation - 30) < 1e-6, (size, hole.dxf.rotation)
    leaders = [e for e in group if e.dxftype() == "LEADER"]
    assert len(leaders) == 1 and near(leaders[0].vertices[0], 15, 120) and near(leaders[0].vertices[-1], 15, 30), size
    lines = {frozenset(((round(e.dxf.start.x, 6), round(e.dxf.start.y, 6)), (round(e.dxf.end.x, 6), round(e.dxf.end.y, 6))))
             for e in group if e.dxftype() == "LINE"}  # either way round
    legs = (frozenset(((40, 150), (50, 110))), frozenset(((50, 110), (60, 150))))
    assert all(leg in lines for leg in legs), (size, lines)
    numbers = {}
    for e in inserts:
        if e.dxf.name == "GradePoint":
            numbers[(round(e.dxf.insert.x, 6), round(e.dxf.insert.y, 6))] = e.get_attrib_text("NUMER")
    assert (numbers.get((40, 150)), numbers.get((60, 150)), numbers.get((50, 110))) == ("5", "6", "7"), (size, numbers)
    one("Dart", 50, 110)
    description = one("PartDescription", 25, 95)
    assert abs(description.dxf.xscale - 1.5) < 1e-6
    texts = {a.dxf.tag: a.dxf.text for a in description.attribs}
    assert texts == {"CZESC": "Przód", "ROZMIAR": size, "MATERIAL": "Len", "MODEL": "Bluzka", "DATA": "%Y-%m-%d",
                     "AUTOR": "{AUTOR}", "ROZMIARY": "38,40", "BAZOWY": "40"}, (size, texts)

grouped = {e.dxf.handle for _, g in doc.groups for e in g}
sets = msp.query("INSERT[name=='PartSetDescription']")
assert len(sets) == 1 and sets[0].dxf.handle not in grouped
assert near(sets[0].dxf.insert, 150, 150) and abs(sets[0].dxf.xscale - 5) < 1e-9
assert {a.dxf.tag: a.dxf.text for a in sets[0].attribs} == {"MODEL": "Bluzka", "KLIENT": "Atelier", "DATA": "%Y-%m-%d",
                                                            "ROZMIARY": "38,40"}
tables = msp.query("ACAD_TABLE")
assert len(tables) == 1 and tables[0].dxf.handle not in grouped
assert near(tables[0].xtags.get_subclass("AcDbBlockReference").get_first_value(10), 150, 85)
values = [(t.code, t.value) for t in tables[0].xtags.get_subclass("AcDbTable")]
assert [v for c, v in values if c == 141] == [7.0] * 4
assert [round(v, 6) for c, v in values if c == 142] == [15, 52.5, 37.5, 30, 15]
cells = []
for c, v in values:
    if c == 171:
        cells.append({})
    elif cells:
        cells[-1][c] = v
assert [cell.get(1) for cell in cells] == ["Zestawienie części", "", "", "", "", "lp.", "Część", "Materiał", "Tryb",
                                           "Ilość", "1", "Przód", "Len", "para w pionie", "2", "RAZEM:", "", "", "", "4"]
assert all(cell.get(140) == 5.0 for cell in cells)
for row in (0, 3):
    assert (cells[row * 5].get(175), cells[row * 5].get(176)) == (4, 1)
assert cells[15].get(170) == 4
mtexts = msp.query("MTEXT")
assert len(mtexts) == 1 and mtexts[0].text == "Próba pierwsza" and near(mtexts[0].dxf.insert, 150, 52)
assert abs(mtexts[0].dxf.char_height - 5) < 1e-9
skirts = msp.query("INSERT[name=='Spódnica']")
assert len(skirts) == 1 and skirts[0].dxf.handle not in grouped and near(skirts[0].dxf.insert, 400, 0)
for name, count in (("Notch", 3), ("NotchT", 3), ("Hole", 3), ("Dart", 3)):
    assert len(msp.query(f"INSERT[name=='{name}']")) == count, name
assert not msp.query("LWPOLYLINE")
PY
