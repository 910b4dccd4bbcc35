#!/usr/bin/env bash
# Makes the transcript the same on every day and for every user: the date format becomes
# a literal text ("%%" gives "%") and the author's token becomes one the template does not
# hold, so that row keeps its own.
set -euo pipefail
/usr/bin/python3 - "$1/install/Config/Construction.ini" <<'PY'
import sys
path = sys.argv[1]
text = open(path, encoding="utf-16").read()
text = text.replace("DateFormat=%Y-%m-%d", "DateFormat=%%Y-%%m-%%d").replace("VarLogin={AUTOR}", "VarLogin={LOGIN}")
open(path, "w", encoding="utf-16", newline="").write(text)
PY
