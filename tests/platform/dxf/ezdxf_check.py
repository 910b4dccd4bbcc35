#!/usr/bin/python3
# Checks a DXF file written by the database with ezdxf, a DXF library we did not write:
# the audit must find no error, and the layers, the block with attributes, the group,
# the dictionary with its Xrecord and the XData must read back as written.
# Usage: ezdxf_check.py FILE; prints what failed and exits 1, or exits 0.
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
problems = []
auditor = doc.audit()
for e in auditor.errors:
    problems.append("audit error: %s" % (e.message,))

layers = {layer.dxf.name: layer for layer in doc.layers}
if "Przód|38" not in layers or layers["Przód|38"].dxf.color != 1:
    problems.append("layer Przód|38 (red) missing: %s" % sorted(layers))
if "Tył" not in layers or layers["Tył"].is_on():
    problems.append("layer Tył (off) missing")

if "Label" not in doc.blocks:
    problems.append("block Label missing")
else:
    tags = sorted(a.dxf.tag for a in doc.blocks["Label"].query("ATTDEF"))
    if tags != ["KIND", "NOTE", "NUM"]:
        problems.append("attribute definitions: %s" % tags)
inserts = doc.modelspace().query("INSERT")
if len(inserts) != 1 or [(a.dxf.tag, a.dxf.text) for a in inserts[0].attribs] != [("NUM", "42")]:
    problems.append("the reference's attributes did not read back")

group = doc.groups.get("Przód|38")
if group is None:
    problems.append("group Przód|38 missing")
else:
    # this ezdxf keeps a group's members as a set: the order is checked by our own reader
    kinds = sorted(e.dxftype() for e in group)
    if kinds != ["ARC", "LINE", "LWPOLYLINE"]:
        problems.append("group members: %s" % kinds)

parts = doc.rootdict.get("Fastrelle")
if parts is None or parts.get("Przód") is None:
    problems.append("dictionary Fastrelle with Xrecord Przód missing")
else:
    tags = [(t.code, t.value) for t in parts.get("Przód").tags]
    if (1, "Przód") not in tags or (70, 2) not in tags:
        problems.append("Xrecord data: %s" % tags)

line = doc.modelspace().query("LINE")[0]
xd = [(t.code, t.value) for t in line.get_xdata("Fastrelle")]
if xd[:2] != [(1000, "Przód"), (1071, 7)]:
    problems.append("XData Fastrelle: %s" % xd)
if [(t.code, t.value) for t in line.get_xdata("FastrellePart")] != [(1070, -3)]:
    problems.append("XData FastrellePart did not read back")

# the table's cells as raw tags (ezdxf keeps them): row 0 merged over both columns, the
# cell (2,0) aligned middle left
tables = doc.modelspace().query("ACAD_TABLE")
if len(tables) != 1:
    problems.append("tables: %d" % len(tables))
else:
    raw = [(t.code, t.value) for t in tables[0].xtags.get_subclass("AcDbTable")]
    cells = []
    for code, value in raw:
        if code == 171:
            cells.append({})
        elif cells and code in (170, 173, 175, 176):
            cells[-1][code] = value
    want = [{173: 1, 175: 2, 176: 1, 170: 1}, {173: 1, 170: 1}, {173: 0, 170: 1}, {173: 0, 170: 1},
            {173: 0, 170: 4}, {173: 0, 170: 1}]
    if cells != want:
        problems.append("table cells: %s" % cells)

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
