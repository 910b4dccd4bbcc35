#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit and holds one description, put into the part
# "Przód": the shipped title block at (25,95), scale 1.5, once in the part's group of each
# size on that size's tech layer, with the part's name, that size, the texts the dialog
# showed and the material chosen; none outside the part (the point in no part left nothing).
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
refs = doc.modelspace().query("INSERT[name=='PartDescription']")
assert len(refs) == 3, len(refs)
for size, tech in (("0", "0~"), ("38", "38~"), ("40", "^40~")):
    group = [e for e in doc.groups.get(f"Przód|{size}") if e.dxftype() == "INSERT" and e.dxf.name == "PartDescription"]
    assert len(group) == 1, (size, len(group))
    ref = group[0]
    # A caret is written "^ " in DXF text, which ezdxf reads as it stands.
    assert ref.dxf.layer.replace("^ ", "^") == tech, (size, ref.dxf.layer)
    assert abs(ref.dxf.insert.x - 25) < 1e-9 and abs(ref.dxf.insert.y - 95) < 1e-9, ref.dxf.insert
    assert abs(ref.dxf.xscale - 1.5) < 1e-9 and abs(ref.dxf.yscale - 1.5) < 1e-9
    texts = {a.dxf.tag: a.dxf.text for a in ref.attribs}
    want = {"CZESC": "Przód", "ROZMIAR": size, "MATERIAL": "Len", "MODEL": "Bluzka",
            "DATA": "%Y-%m-%d", "AUTOR": "{AUTOR}", "ROZMIARY": "38,40", "BAZOWY": "40"}
    assert texts == want, (size, texts)
assert all(e.dxf.layer == "0" for e in doc.blocks["PartDescription"]), "the block stays on layer 0"
PY
