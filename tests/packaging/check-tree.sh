#!/usr/bin/env bash
# Checks an installed tree the way a desktop finds the program: the entry by
# its id, the program by the entry's Exec, the icon by the entry's Icon; and
# the way a software centre reads it.
# Usage: check-tree.sh ROOT APP_ID  (ROOT holds usr/)
set -euo pipefail
tree=$1
root=$tree/usr
id=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

entry=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
icons=$root/share/icons/hicolor
[ -f "$entry" ] || fail "no desktop entry at ${entry#"$root"/}"
[ -f "$metainfo" ] || fail "no metainfo at ${metainfo#"$root"/}"

exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -x "$root/bin/${exec_line%% *}" ] || fail "Exec=$exec_line names no program in bin/"

icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$icons/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no SVG in hicolor/scalable/apps"

if ! report=$(appstreamcli validate-tree --no-net "$tree" 2>&1); then
  echo "$report" >&2
  fail "appstreamcli validate-tree"
fi

# Each PNG is as big as the folder it sits in says, and both ends of the
# range are there.
for size in 16 256; do
  [ -f "$icons/${size}x$size/apps/$icon.png" ] || fail "no ${size}x$size PNG icon"
done
for png in "$icons"/*x*/apps/"$icon".png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  read -r -a ihdr < <(od -An -tu1 -j16 -N8 "$png")
  width=$(( (ihdr[0] << 24) | (ihdr[1] << 16) | (ihdr[2] << 8) | ihdr[3] ))
  height=$(( (ihdr[4] << 24) | (ihdr[5] << 16) | (ihdr[6] << 8) | ihdr[7] ))
  [ "${width}x$height" = "$folder" ] || fail "$folder/apps/$icon.png is ${width}x$height"
done
