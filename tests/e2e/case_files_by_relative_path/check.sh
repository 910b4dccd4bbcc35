#!/usr/bin/env bash
# The drawing saved into the copied files/ folder holds the opened model's line and the
# circle drawn; the case's own files/ folder is left as it was.
set -euo pipefail
tmp=$1
case_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ ! -e "$case_dir/files/saved.dwg" ] || { echo "the case's own folder was written"; exit 1; }
/usr/bin/python3 - "$tmp/files/saved.dwg" <<'PY'
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
assert sorted(e.dxftype() for e in doc.modelspace()) == ["CIRCLE", "LINE"]
PY
