#!/usr/bin/env bash
# The drawing saved from the R12 file, read with ezdxf: the size ^40 kept its name (no layer
# read as a control character); the heavy polyline stands where it was seen (x 0..100, its
# arc bulging out to x 115, its widths kept) in every size with a cut line around it; the
# arc of the -Z plane closes the back over the top; the Cyrillic text and the reference to
# the other drawing and the array of buttons (rows and columns of a block) are as they were.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import re, sys, ezdxf
from ezdxf import bbox
doc = ezdxf.readfile(sys.argv[1])
errors = [e.message for e in doc.audit().errors]
assert not errors, errors
caret = lambda name: name.replace("^ ", "^")  # a caret is written "^ " in DXF text
layers = sorted(caret(l.dxf.name) for l in doc.layers)
assert {"38", "38'", "^40", "^40'", "^40~"} <= set(layers) and not any(n.startswith("t") for n in layers), layers
for size, seam in (("38", "38"), ("40", "^40")):
    front = list(doc.groups.get(f"Przód|{size}"))
    outline = [e for e in front if e.dxftype() == "POLYLINE"]
    assert len(outline) == 1 and caret(outline[0].dxf.layer) == seam, (size, [e.dxftype() for e in front])
    corners = [(round(v.dxf.location.x, 6), round(v.dxf.location.y, 6), v.dxf.bulge) for v in outline[0].vertices]
    assert corners == [(0, 0, 0), (100, 0, 0.2), (100, 150, 0), (0, 150, 0)], (size, corners)
    assert all(v.dxf.start_width == 0.5 and v.dxf.end_width == 0.5 for v in outline[0].vertices), size
    cut = [e for e in doc.modelspace() if caret(e.dxf.layer) == seam + "'"]
    assert cut, (size, "no cut line")
    cut_box = bbox.extents(cut)
    assert abs(cut_box.extmin.x + 10) < 1e-6 and abs(cut_box.extmin.y + 10) < 1e-6 and cut_box.extmax.x > 124, (size, cut_box)
    back = list(doc.groups.get(f"Tył|{size}"))
    arcs = [e for e in back if e.dxftype() == "ARC"]
    assert len(arcs) == 1, (size, [e.dxftype() for e in back])
    arc_box = bbox.extents(arcs)
    assert abs(arc_box.extmin.x - 200) < 1e-6 and abs(arc_box.extmax.y - 200) < 1e-6, (size, arc_box)
# the drawing's code page lacks Cyrillic: it is written "\U+XXXX", which ezdxf leaves as it stands
unicode = lambda t: re.sub(r"\\U\+([0-9A-F]{4})", lambda m: chr(int(m.group(1), 16)), t)
texts = [unicode(caret(e.dxf.text)) for e in doc.modelspace().query("TEXT")]
assert texts == ["Пола \\S1^2;"], texts
buttons = [e for e in doc.modelspace().query("INSERT") if e.dxf.name == "GUZIK"]
assert [(e.dxf.column_count, e.dxf.row_count, e.dxf.column_spacing, e.dxf.row_spacing) for e in buttons] == [(3, 2, 10, 8)], buttons
plan = doc.blocks.get("PLAN").block
assert plan.dxf.flags & 4 and plan.dxf.xref_path == "rzuty\\plan.dxf", (plan.dxf.flags, plan.dxf.get("xref_path"))
PY
