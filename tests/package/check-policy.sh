#!/usr/bin/env bash
# What a distribution checks: lintian, on the source package and on the binary packages,
# with every tag shown (-I --pedantic --display-experimental), finds nothing at any level
# but what debian/ overrides with its reason; hardening-check finds every hardening of
# dpkg-buildflags in the program and in the sound plugin; the sources are REUSE-compliant,
# every file with its copyright and licence; and no file names a placeholder address.
#   check-policy.sh DEB_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"
need lintian reuse hardening-check
deb=$(deb_in "$1")
src=$2
changes="$1/virdo_${VIRDO_VERSION}_${VIRDO_ARCH}.changes"
[ -f "$changes" ] || fail "no $changes"

# The .changes brings the source package, virdo and virdo-dbgsym. --show-overrides prints the
# overridden tags (O:) among the others, so that the log says what was waived; lintian then
# counts them in its exit status too, so the verdict is read from the tags it prints.
out=$(lintian -I -E --pedantic --display-experimental --show-overrides --fail-on none "$changes" 2>&1) \
    || fail "lintian does not run: $out"
echo "--- lintian -I -E --pedantic --display-experimental ---"
echo "${out:-(nothing)}"
tags=$(grep -E '^[EWIPX]: ' <<<"$out" || true)
[ -z "$tags" ] || fail "lintian tags that debian/ does not override: $tags"
# Every override carries a reason: a comment line right above it.
for file in "$src"/debian/source/lintian-overrides "$src"/debian/*.lintian-overrides; do
    [ -f "$file" ] || continue
    awk -v f="${file#"$src"/}" '
        /^[^#[:space:]]/ && prev !~ /^# ./ { printf "FAIL: %s:%d overrides without a reason\n", f, NR; bad = 1 }
        { prev = $0 }
        END { exit bad }' "$file" >&2 || exit 1
done

# hardening-check on the installed program and plugins: yes for each hardening that Debian
# 12's hardening=+all gives (stack clash protection and control flow integrity are printed,
# not judged: that dpkg has no flag for them). A plugin, a shared object, is position-
# independent by nature, which the check reports as ignored; it may call no fortifiable
# function at all, and have no checked call among those it calls only while debian/
# overrides lintian's tag for that, with the reason.
trap scratch_cleanup EXIT
extract_deb "$deb"
for elf in "$VIRDO_PROGRAM" "$VIRDO_SOUND_PLUGIN" "$VIRDO_VOICE_PLUGIN"; do
    waived=$(grep -s "^virdo: hardening-no-fortify-functions \\[$elf\\]\$" "$src/debian/virdo.lintian-overrides" || true)
    report=$(hardening-check "$ROOT/$elf" 2>&1) || true
    echo "--- hardening-check /$elf ---"
    sed 1d <<<"$report"
    for feature in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
        'Read-only relocations' 'Immediate binding'; do
        line=$(grep "^ $feature: " <<<"$report" || true)
        case "$line" in
            *": yes"*) ;;
            *": no, regular shared library (ignored)" | *": unknown, no protectable libc functions used")
                [ "$elf" != "$VIRDO_PROGRAM" ] || fail "/$elf: $line" ;;
            *": no, only unprotected functions found!")
                [ "$elf" != "$VIRDO_PROGRAM" ] && [ -n "$waived" ] || fail "/$elf: $line" ;;
            *) fail "/$elf lacks a hardening: ${line:-no line for $feature}" ;;
        esac
    done
done

out=$(reuse --root "$src" lint 2>&1) || fail "reuse lint: $out"
tail -n 3 <<<"$out"

# Addresses: no placeholder domain in any file of the sources (but in these checks' patterns).
found=$(cd "$src" && git ls-files -z -- . ':!tests/package' 2>/dev/null | xargs -0 -r grep -sIlE 'example\.(org|com|net)|\.example\b|\.invalid\b' || true)
[ -z "$found" ] || fail "placeholder addresses in: $found"
echo "policy OK"
