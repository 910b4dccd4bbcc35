#!/usr/bin/env bash
# Puts the shipped model script of the plot test in the place of the case script's marker,
# and makes the description's date and author the same every day (as part_description does).
set -euo pipefail
tmp=$1
bash "$(dirname "$0")/../part_description/prepare.sh" "$tmp"
python3 - "$tmp/script.scr" "$tmp/install/Tests/T_2018.scr" <<'PY'
import sys
script, model = sys.argv[1], sys.argv[2]
text = open(script, encoding="utf-8").read()
with open(model, encoding="utf-8") as f:
    text = text.replace("#T_2018.scr\n", f.read())
open(script, "w", encoding="utf-8").write(text)
PY
