#!/usr/bin/env bash
# Fixture: builds the Debian package from the build tree with CPack into OUT_DIR.
#   build-deb.sh CPACK_CONFIG OUT_DIR
source "$(dirname "$0")/common.sh"
config=$1 out=$2
[ -f "$config" ] || fail "no CPack configuration at $config"

rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$config" -B "$out"

deb="$out/$VIRDO_DEB_NAME"
[ -f "$deb" ] || fail "cpack made no $VIRDO_DEB_NAME: $(ls "$out")"
dpkg-deb --info "$deb" >/dev/null || fail "$deb is no Debian package"
echo "built $deb"
