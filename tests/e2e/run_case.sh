#!/usr/bin/env bash
# Runs one end-to-end case: cadhost on the case's script, from a fresh copy of the install
# tree and an empty per-user folder. The transcript (with the temporary folder written as
# <tmp>) must equal expected.txt; a failure leaves transcript.out and transcript.diff beside it.
# A case may hold check.sh, run afterwards (executable or not) with the temporary folder as
# its argument: it checks the outcome, such as the saved drawing read by python3-ezdxf.
set -uo pipefail
install_dir=$1
case_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$install_dir" "$tmp/install"
mkdir -p "$tmp/appdata"
cd "$tmp"
args=(--install "$tmp/install" --appdata "$tmp/appdata" --script "$case_dir/script.scr")
[ -f "$case_dir/args" ] && while read -r a; do args+=("${a//@CASE@/$case_dir}"); done < "$case_dir/args"
"$tmp/install/cadhost" "${args[@]}" > "$tmp/out.raw" 2>&1
status=$?
sed "s|$tmp|<tmp>|g" "$tmp/out.raw" > "$tmp/transcript.out"
rm -f "$case_dir/transcript.out" "$case_dir/transcript.diff"
if [ $status -ne 0 ]; then
  cp "$tmp/transcript.out" "$case_dir/transcript.out"
  echo "cadhost exited with $status"; cat "$tmp/transcript.out"; exit 1
fi
if ! diff -u "$case_dir/expected.txt" "$tmp/transcript.out" > "$tmp/transcript.diff"; then
  cp "$tmp/transcript.out" "$tmp/transcript.diff" "$case_dir/"
  cat "$tmp/transcript.diff"; exit 1
fi
if [ -e "$case_dir/check.sh" ]; then
  bash "$case_dir/check.sh" "$tmp" || { echo "check.sh failed"; exit 1; }
fi
exit 0
