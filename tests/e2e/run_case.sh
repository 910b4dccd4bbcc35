#!/usr/bin/env bash
# Runs one end-to-end case: cadhost on the case's script, from a fresh copy of the install
# tree and an empty per-user folder. The transcript (with the temporary folder written as
# <tmp>) must equal expected.txt; a failure leaves transcript.out and transcript.diff beside it.
# A case may hold check.sh, run afterwards (executable or not) with the temporary folder as
# its argument: it checks the outcome, such as the saved drawing read by python3-ezdxf;
# prepare.sh, run before cadhost with the same argument, to make what the arguments name
# (written @TMP@ there) such as a pipe or a file nobody may read; status, the exit status
# expected instead of 0; and files/, copied into the working folder, so that the script and
# the arguments name the drawings kept with the case by relative path (files/x.dwg).
# cadhost runs as an ordinary user would, without the power to read what a file's mode
# forbids, even when the tests run as root, and is stopped after five minutes: nothing may
# wait forever.
set -uo pipefail
install_dir=$1
case_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$install_dir" "$tmp/install"
mkdir -p "$tmp/appdata"
if [ -d "$case_dir/files" ]; then cp -r "$case_dir/files" "$tmp/files"; fi
cd "$tmp"
# "@CASE@" in the script and the args names the case folder, "@INSTALL@" in the args the
# built install tree (modules of the tests' own lie beside it), "@TMP@" the temporary folder.
sed "s|@CASE@|$case_dir|g" "$case_dir/script.scr" > "$tmp/script.scr"
args=(--install "$tmp/install" --appdata "$tmp/appdata" --script "$tmp/script.scr")
[ -f "$case_dir/args" ] && while read -r a; do
  a="${a//@CASE@/$case_dir}"; a="${a//@INSTALL@/$install_dir}"; args+=("${a//@TMP@/$tmp}")
done < "$case_dir/args"
expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(cat "$case_dir/status")
if [ -x "$case_dir/prepare.sh" ]; then
  "$case_dir/prepare.sh" "$tmp" || { echo "prepare.sh failed"; exit 1; }
fi
runner=()
unprivileged=(setpriv --bounding-set=-dac_override,-dac_read_search)
if [ "$(id -u)" = 0 ] && "${unprivileged[@]}" true 2>/dev/null; then runner=("${unprivileged[@]}"); fi
timeout 300 "${runner[@]}" "$tmp/install/cadhost" "${args[@]}" > "$tmp/out.raw" 2>&1
status=$?
# The temporary folder reaches the transcript in both forms: "/tmp/x" and, through the
# system's Windows paths, "\tmp\x".
tmp_windows=${tmp//\//\\\\}
sed -e "s|$tmp|<tmp>|g" -e "s|$tmp_windows|<tmp>|g" -e "s|$case_dir|<case>|g" "$tmp/out.raw" > "$tmp/transcript.out"
rm -f "$case_dir/transcript.out" "$case_dir/transcript.diff"
if [ "$status" -ne "$expected_status" ]; then
  cp "$tmp/transcript.out" "$case_dir/transcript.out"
  echo "cadhost exited with $status, not $expected_status"; cat "$tmp/transcript.out"; exit 1
fi
if ! diff -u "$case_dir/expected.txt" "$tmp/transcript.out" > "$tmp/transcript.diff"; then
  cp "$tmp/transcript.out" "$tmp/transcript.diff" "$case_dir/"
  cat "$tmp/transcript.diff"; exit 1
fi
if [ -e "$case_dir/check.sh" ]; then
  bash "$case_dir/check.sh" "$tmp" || { echo "check.sh failed"; exit 1; }
fi
exit 0
