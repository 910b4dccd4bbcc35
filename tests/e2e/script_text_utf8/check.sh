#!/usr/bin/env bash
# The layer made from the malformed name holds two replacement characters where the bytes
# were (written as \U+FFFD escapes in the file's code page), and the line drawn after it
# lies on that layer.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import re, sys, ezdxf
def text(s):
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), s)
doc = ezdxf.readfile(sys.argv[1])
wanted = "Ty\u0142\ufffd\ufffdA"
names = {text(layer.dxf.name) for layer in doc.layers}
assert wanted in names, names
assert not any("/" in n for n in names), names
lines = doc.modelspace().query("LINE")
assert [text(e.dxf.layer) for e in lines] == [wanted], [e.dxf.layer for e in lines]
PY
