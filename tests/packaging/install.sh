#!/usr/bin/env bash
# Installs the build under a scratch DESTDIR with prefix /usr, as a package
# would, and checks the tree.
# Usage: install.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1
id=$2
version=$3
here=$(dirname "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/install.log" \
  || { cat "$scratch/install.log"; fail "cmake --install failed"; }
"$here/check-tree.sh" "$root" "$id"

# A new version needs its release entry, or software centres show the old one.
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo has no release $version"

# The program and its desktop files only: no static libraries, test programs
# or build tools.
unexpected=$(cd "$root" && find . -type f \
  ! -path ./usr/bin/tavelo \
  ! -path "./usr/share/applications/$id.desktop" \
  ! -path "./usr/share/metainfo/$id.metainfo.xml" \
  ! -path "./usr/share/icons/hicolor/*/apps/$id.*")
[ -z "$unexpected" ] || fail "installed by mistake: $unexpected"
