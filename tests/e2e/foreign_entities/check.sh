#!/usr/bin/env bash
# Drawings made by ezdxf in three DXF versions, holding hatches, dimensions, solids, 3D faces,
# rays, construction lines and multilines, and dimension styles, UCSs and viewports, go through
# `cadhost --open ... --save ... --svg`:
# every entity and table record comes back group by group, and the picture outlines the kept kinds.
set -euo pipefail
tmp=$1
/usr/bin/python3 -c 'import ezdxf' 2>/dev/null || exit 0
here=$(cd "$(dirname "$0")" && pwd)
tool=$here/../../platform/dxf/ezdxf_foreign.py
: > "$tmp/none.scr"
for version in R12 R2000 R2018; do
  /usr/bin/python3 "$tool" make $version "$tmp/$version.dxf"
  "$tmp/install/cadhost" --install "$tmp/install" --appdata "$tmp/appdata" --script "$tmp/none.scr" \
    --open "$tmp/$version.dxf" --save "$tmp/$version-saved.dxf" --svg "$tmp/$version.svg" > "$tmp/$version.out" 2>&1 \
    || { echo "cadhost failed on $version"; cat "$tmp/$version.out"; exit 1; }
  /usr/bin/python3 "$tool" compare "$tmp/$version.dxf" "$tmp/$version-saved.dxf" || { echo "$version changed"; exit 1; }
  # the solid on layer Foreign (green) is drawn as its outline
  grep -q '<path d="M0,0 L5,0 L5,5 L0,5 Z" stroke="#00FF00"/>' "$tmp/$version.svg" \
    || { echo "$version: the solid's outline is missing from the SVG"; exit 1; }
done
