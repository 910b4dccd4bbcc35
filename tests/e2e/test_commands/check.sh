#!/usr/bin/env bash
# After the test commands ran twice and were refused: the drawing holds the line alone, on
# layer "0", with no other layer, no group and no block definition of its own; the remade
# model holds part "Przód" in size 38.
set -euo pipefail
/usr/bin/python3 - "$1" <<'PY'
import sys
import ezdxf

tmp = sys.argv[1]
doc = ezdxf.readfile(f"{tmp}/drawing.dxf")
entities = list(doc.modelspace())
assert len(entities) == 1 and entities[0].dxftype() == "LINE", [e.dxftype() for e in entities]
assert entities[0].dxf.layer == "0"
layers = {layer.dxf.name.upper() for layer in doc.layers}
assert layers <= {"0", "DEFPOINTS"}, layers
assert len(doc.groups) == 0, [name for name, _ in doc.groups]
blocks = [b.name for b in doc.blocks if not b.name.upper().startswith(("*MODEL_SPACE", "*PAPER_SPACE"))]
assert not blocks, blocks

model = ezdxf.readfile(f"{tmp}/install/Tests/T_2018.dwg")
assert "Przód|38" in [name for name, _ in model.groups], [name for name, _ in model.groups]
print("test commands: drawing and model checked")
PY
