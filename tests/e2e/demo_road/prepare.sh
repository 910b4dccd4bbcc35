#!/usr/bin/env bash
# Puts the demo script in the place of the case script's marker, and makes the
# descriptions' date and author the same every day (as part_description does).
set -euo pipefail
tmp=$1
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/../part_description/prepare.sh" "$tmp"
/usr/bin/python3 - "$tmp/script.scr" "$here/../../../demo/demo.scr" <<'PY'
import sys
script, demo = sys.argv[1], sys.argv[2]
text = open(script, encoding="utf-8").read()
with open(demo, encoding="utf-8") as f:
    text = text.replace("#demo.scr\n", f.read())
open(script, "w", encoding="utf-8").write(text)
PY
