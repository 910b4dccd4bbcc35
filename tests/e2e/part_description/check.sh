#!/usr/bin/env bash
# The saved drawing passes ezdxf's audit and holds one description: the shipped title
# block at (25,95), scale 1.5, with the texts the dialog showed and the material chosen.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
assert not auditor.has_errors, [str(e) for e in auditor.errors]
refs = doc.modelspace().query("INSERT")
assert len(refs) == 1, len(refs)
ref = refs[0]
assert ref.dxf.name == "PartDescription", ref.dxf.name
assert abs(ref.dxf.insert.x - 25) < 1e-9 and abs(ref.dxf.insert.y - 95) < 1e-9, ref.dxf.insert
assert abs(ref.dxf.xscale - 1.5) < 1e-9 and abs(ref.dxf.yscale - 1.5) < 1e-9
texts = {a.dxf.tag: a.dxf.text for a in ref.attribs}
want = {"CZESC": "{CZESC}", "ROZMIAR": "{ROZMIAR}", "MATERIAL": "Len", "MODEL": "Bluzka",
        "DATA": "%Y-%m-%d", "AUTOR": "{AUTOR}", "ROZMIARY": "38,40", "BAZOWY": "40"}
assert texts == want, texts
assert all(e.dxf.layer == "0" for e in doc.blocks["PartDescription"]), "the block stays on layer 0"
PY
