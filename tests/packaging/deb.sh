#!/usr/bin/env bash
# Builds the Debian package, unpacks it, checks its tree and its dependencies,
# and starts the unpacked program.
# Usage: deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
here=$(dirname "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1) \
  || { cat "$scratch/cpack.log"; fail "cpack failed"; }
debs=("$scratch"/cpack/tavelo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single tavelo_*.deb"
deb=${debs[0]}

dpkg-deb -x "$deb" "$scratch/root"
"$here/check-tree.sh" "$scratch/root" "$id"

# Package names alone, one a line, from "a (>= 1), b | c".
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/:any//; s/[[:space:]]//g')
for needed in libqt6widgets6 libqt6printsupport6 libcups2 libqt6svg6; do
  grep -qx "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
done
! grep -- '-dev$' <<<"$names" || fail "Depends names a development package: $depends"

"$here/starts.sh" "$scratch/root/usr/bin/tavelo"
