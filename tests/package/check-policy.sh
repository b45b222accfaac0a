#!/usr/bin/env bash
# What a distribution checks: lintian finds no error and no warning in the package (info,
# pedantic and experimental tags are printed, and allowed), and the sources are
# REUSE-compliant, every file with its copyright and licence.
#   check-policy.sh DEB_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"
need lintian reuse
deb=$(deb_in "$1")
src=$2

lintian --fail-on error,warning --info --pedantic --display-experimental "$deb" \
    || fail "lintian finds errors or warnings in the package"

out=$(reuse --root "$src" lint 2>&1) || fail "reuse lint: $out"
tail -n 3 <<<"$out"
echo "policy OK"
