#!/usr/bin/env bash
# Reproducible: the same sources built again, in another folder, later (the copied sources
# carry the dates of the copy), in another time zone and under another umask, give
# byte-identical binary packages (the game's and its -dbgsym) to the fixture's.
# SOURCE_DATE_EPOCH comes from debian/changelog, so no date of the build goes in.
#   check-reproducible.sh DEB_DIR WORK_DIR
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../../scripts/deb.sh"
first=$1
deb_in "$first" >/dev/null
# A folder name of another length, so that a path left in a file would show.
second="$2/deuxieme-construction"
rm -rf "$2"
mkdir -p "$second"

start=$(date +%s)
(
    umask 0002
    export TZ=Pacific/Kiritimati
    virdo_deb_build "$second" --build=binary
) >"$second/build.log" 2>&1 || { tail -n 60 "$second/build.log" >&2; fail "the second build failed"; }
echo "second build: $(($(date +%s) - start)) s"

status=0
for name in "$VIRDO_DEB_NAME" "$VIRDO_DBGSYM_NAME"; do
    a="$first/$name" b="$second/$name"
    [ -f "$b" ] || fail "the second build made no $name"
    if cmp -s "$a" "$b"; then
        echo "$name: identical ($(sha256sum <"$a" | cut -c1-16)…, $(stat -c %s "$a") bytes)"
        continue
    fi
    status=1
    echo "FAIL: $name differs between the two builds" >&2
    # Say where: the control parts, then the file list with dates, then each file.
    diff <(dpkg-deb --info "$a") <(dpkg-deb --info "$b") >&2 || true
    diff <(dpkg-deb --contents "$a") <(dpkg-deb --contents "$b") >&2 || true
    mkdir -p "$second/x/a" "$second/x/b"
    dpkg -x "$a" "$second/x/a"
    dpkg -x "$b" "$second/x/b"
    diff -rq "$second/x/a" "$second/x/b" >&2 || true
    rm -rf "$second/x"
done
[ "$status" -eq 0 ] || fail "the package is not reproducible"
rm -rf "$2"
echo "reproducible OK"
