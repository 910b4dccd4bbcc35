#!/usr/bin/env bash
# The manual the commands open is installed, and is a PDF; the tests left nothing behind: the
# drawing holds the line drawn after them alone, on layer "0", with no other layer, no group
# and no block definition of its own.
set -euo pipefail
head -c 5 "$1/install/Fastrelle.pdf" | grep -q '%PDF-'
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
assert not doc.audit().has_errors, "audit"
entities = list(doc.modelspace())
assert [e.dxftype() for e in entities] == ["LINE"], [e.dxftype() for e in entities]
line = entities[0]
assert line.dxf.layer == "0" and tuple(line.dxf.start) == (0, 0, 0) and tuple(line.dxf.end) == (10, 0, 0)
# ezdxf adds a "Defpoints" layer of its own to a drawing read without one.
layers = [l.dxf.name for l in doc.layers]
if "defpoints" not in open(sys.argv[1], encoding="utf-8").read().lower():
    layers.remove("Defpoints")
assert layers == ["0"], layers
assert not list(doc.groups), [name for name, _ in doc.groups]
own = [b.name for b in doc.blocks if not b.name.startswith("*")]
assert not own, own
print("base and tests: the drawing holds the line alone")
PY
