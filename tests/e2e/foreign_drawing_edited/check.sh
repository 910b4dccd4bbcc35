#!/usr/bin/env bash
# Drawings made by ezdxf in three DXF versions are opened, edited (a line erased, a move of
# everything refused for the entities kept as read, layers made and turned off, a circle
# refused whose centre no number holds) and saved by cadhost; ezdxf reads the result without
# an error: what was erased is gone, the kept entities stayed as read, the layers are as set.
set -euo pipefail
tmp=$1
/usr/bin/python3 -c 'import ezdxf' 2>/dev/null || exit 0
here=$(cd "$(dirname "$0")" && pwd)
tool=$here/../../platform/dxf/ezdxf_foreign.py
for version in R12 R2000 R2018; do
  /usr/bin/python3 "$tool" make $version "$tmp/$version.dxf"
  "$tmp/install/cadhost" --install "$tmp/install" --appdata "$tmp/appdata" --script "$here/edit.scr" \
    --open "$tmp/$version.dxf" --save "$tmp/$version-edited.dxf" > "$tmp/$version.out" 2>&1 \
    || { echo "cadhost failed on $version"; cat "$tmp/$version.out"; exit 1; }
  grep -q "kept as read cannot be moved; nothing was changed." "$tmp/$version.out" \
    || { echo "$version: the move over kept entities was not refused"; cat "$tmp/$version.out"; exit 1; }
  grep -q "The object would reach beyond the largest coordinates." "$tmp/$version.out" \
    || { echo "$version: the circle without a centre was not refused"; cat "$tmp/$version.out"; exit 1; }
  /usr/bin/python3 - "$tmp/$version.dxf" "$tmp/$version-edited.dxf" <<'PY' || { echo "$version: wrong edit"; exit 1; }
import sys, ezdxf
source, doc = ezdxf.readfile(sys.argv[1]), ezdxf.readfile(sys.argv[2])
errors = [e.message for e in doc.audit().errors]
assert not errors, errors
kinds = lambda d: sorted(e.dxftype() for e in d.modelspace())
before, after = kinds(source), kinds(doc)
lines = [e for e in doc.modelspace() if e.dxftype() == "LINE"]
assert len(lines) == 1 and tuple(lines[0].dxf.end) == (10, 10, 0), [(l.dxf.start, l.dxf.end) for l in lines]
# the line erased, the one drawn after in its place
assert before == after, (before, after)
assert not doc.layers.get("Foreign").is_on() and doc.layers.has_entry("Inna")
assert doc.header["$CLAYER"] == "Nowa" and lines[0].dxf.layer == "Nowa"
solid = doc.modelspace().query("SOLID")[0]  # kept as read: not moved
assert tuple(solid.dxf.vtx0)[:2] == (0, 0), solid.dxf.vtx0
PY
done
