#!/usr/bin/env bash
# Fixture: builds the source package and the binary packages from debian/ with
# dpkg-buildpackage (as scripts/paquet does, without the tests) into OUT_DIR.
#   build-deb.sh OUT_DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../../scripts/deb.sh"
out=$1
(cd "$VIRDO_ROOT" && dpkg-checkbuilddeps) || skip "build dependencies missing (scripts/paquet installs them)"

rm -rf "$out"
mkdir -p "$out"
start=$(date +%s)
virdo_deb_build "$out" >"$out/build.log" 2>&1 || { tail -n 60 "$out/build.log" >&2; fail "dpkg-buildpackage failed"; }
echo "dpkg-buildpackage took $(($(date +%s) - start)) s"

for f in "$VIRDO_DEB_NAME" "$VIRDO_DBGSYM_NAME" "virdo_${VIRDO_VERSION}.dsc" "virdo_${VIRDO_VERSION}_${VIRDO_ARCH}.changes"; do
    [ -f "$out/$f" ] || fail "dpkg-buildpackage made no $f: $(ls "$out")"
done
dpkg-deb --info "$out/$VIRDO_DEB_NAME" >/dev/null || fail "$VIRDO_DEB_NAME is no Debian package"
# Built without the tests: no QtTest was compiled.
grep -q -- '-DBUILD_TESTING=OFF' "$out/build.log" || fail "the package build configured the tests"
echo "built $out/$VIRDO_DEB_NAME"
