#!/usr/bin/env bash
# Only a mirror chosen at the second question makes a mirrored part: "A" (Enter), "C"
# (cancel at the type) and "D" (cancel at the mirror) are single, "B" is mirrored
# vertically; each has its groups in sizes 0 and 38.
set -euo pipefail
/usr/bin/python3 - "$1/drawing.dxf" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
records = doc.rootdict["Fastrelle"]
types = {name: list(records[name].get_xdata("FastrellePart"))[1][1] for name in records.keys()}
assert types == {"A": 0, "B": 1, "C": 0, "D": 0}, types
assert sorted(n for n, _ in doc.groups) == sorted(f"{p}|{s}" for p in "ABCD" for s in ("0", "38"))
PY
