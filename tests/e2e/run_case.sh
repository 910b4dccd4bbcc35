#!/usr/bin/env bash
# Runs one end-to-end case: cadhost on the case's script, from a fresh copy of the install
# tree and an empty per-user folder. The transcript (with the temporary folder written as
# <tmp>) must equal expected.txt; a failure leaves transcript.out and transcript.diff beside it.
# A case may hold check.sh, run afterwards with the temporary folder as its argument.
set -uo pipefail
install_dir=$1
case_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$install_dir" "$tmp/install"
mkdir -p "$tmp/appdata"
cd "$tmp"
# "@CASE@" in the script and the args names the case folder, "@INSTALL@" in the args the
# built install tree (modules of the tests' own lie beside it).
sed "s|@CASE@|$case_dir|g" "$case_dir/script.scr" > "$tmp/script.scr"
args=(--install "$tmp/install" --appdata "$tmp/appdata" --script "$tmp/script.scr")
[ -f "$case_dir/args" ] && while read -r a; do a="${a//@CASE@/$case_dir}"; args+=("${a//@INSTALL@/$install_dir}"); done < "$case_dir/args"
"$tmp/install/cadhost" "${args[@]}" > "$tmp/out.raw" 2>&1
status=$?
sed -e "s|$tmp|<tmp>|g" -e "s|$case_dir|<case>|g" "$tmp/out.raw" > "$tmp/transcript.out"
rm -f "$case_dir/transcript.out" "$case_dir/transcript.diff"
if [ $status -ne 0 ]; then
  cp "$tmp/transcript.out" "$case_dir/transcript.out"
  echo "cadhost exited with $status"; cat "$tmp/transcript.out"; exit 1
fi
if ! diff -u "$case_dir/expected.txt" "$tmp/transcript.out" > "$tmp/transcript.diff"; then
  cp "$tmp/transcript.out" "$tmp/transcript.diff" "$case_dir/"
  cat "$tmp/transcript.diff"; exit 1
fi
if [ -x "$case_dir/check.sh" ]; then
  "$case_dir/check.sh" "$tmp" || exit 1
fi
exit 0
