#!/usr/bin/env bash
# What the package installs: the launcher in /usr/games and the game in its private folder,
# stripped and without RUNPATH, its debugging symbols in the -dbgsym package, the four game
# files exactly as in the sources, the menu entry, the icons at every size and the scalable
# one, the software-centre description, the copyright and changelog, the manual pages, which
# render and tell how to play, and the guide: valid HTML, nothing fetched, no script, printed
# on two A4 pages at most, its key totals those of the rules.
#   check-contents.sh DEB_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"
need file identify compare cmp man readelf xmllint rsvg-convert weasyprint pdfinfo python3
deb=$(deb_in "$1")
src=$2

listing=$(dpkg-deb --contents "$deb")
echo "$listing"
# mode owner size date time path
entry() { awk -v p="./$1" '$6 == p { print $1, $2 }' <<<"$listing"; }
expect() {
    local path=$1 mode=$2 got
    got=$(entry "$path")
    [ -n "$got" ] || fail "the package lacks /$path"
    [ "$got" = "$mode root/root" ] || fail "/$path is '$got', expected '$mode root/root'"
}

expect "$VIRDO_COMMAND" -rwxr-xr-x
expect "$VIRDO_PROGRAM" -rwxr-xr-x
expect "$VIRDO_SOUND_PLUGIN" -rw-r--r--
expect "$VIRDO_VOICE_PLUGIN" -rw-r--r--
for f in "${VIRDO_GAME_FILES[@]}"; do expect "$VIRDO_DATA_DIR/$f" -rw-r--r--; done
expect "usr/share/applications/$VIRDO_APP_ID.desktop" -rw-r--r--
expect "usr/share/metainfo/$VIRDO_APP_ID.metainfo.xml" -rw-r--r--
for n in "${VIRDO_ICON_SIZES[@]}"; do
    expect "usr/share/icons/hicolor/${n}x${n}/apps/$VIRDO_APP_ID.png" -rw-r--r--
done
expect "usr/share/icons/hicolor/scalable/apps/$VIRDO_APP_ID.svg" -rw-r--r--
for f in copyright changelog.gz guide.html; do expect "usr/share/doc/virdo/$f" -rw-r--r--; done
for m in man6 fr/man6; do expect "usr/share/man/$m/virdo.6.gz" -rw-r--r--; done
# Nothing outside /usr, nothing from the build machine's tree.
awk '{ print $6 }' <<<"$listing" | grep -Ev '^\./(usr/.*)?$' && fail "files outside /usr"
grep -Eq '/(build|work|tmp)/' <<<"$listing" && fail "build-tree paths in the package"

trap scratch_cleanup EXIT
extract_deb "$deb"
root=$ROOT

# Here-strings, not pipes, into grep -q: under pipefail its early exit fails the pipeline.
grep -q '^ELF .* executable' <<<"$(file -b "$root/$VIRDO_PROGRAM")" || fail "/$VIRDO_PROGRAM is no executable: $(file -b "$root/$VIRDO_PROGRAM")"
grep -q '^ELF .* shared object' <<<"$(file -b "$root/$VIRDO_SOUND_PLUGIN")" || fail "/$VIRDO_SOUND_PLUGIN is no shared object"
# Starting the game must not pay for Qt Multimedia: only the plugin links it.
grep -q 'libQt6Multimedia' <<<"$(readelf -d "$root/$VIRDO_PROGRAM")" && fail "/$VIRDO_PROGRAM links Qt Multimedia"
grep -q 'libQt6Multimedia' <<<"$(readelf -d "$root/$VIRDO_SOUND_PLUGIN")" || fail "/$VIRDO_SOUND_PLUGIN does not link Qt Multimedia"
# Nor for speech: only the voice plugin links Qt's speech module.
grep -q 'libQt6TextToSpeech' <<<"$(readelf -d "$root/$VIRDO_PROGRAM")" && fail "/$VIRDO_PROGRAM links Qt TextToSpeech"
grep -q 'libQt6TextToSpeech' <<<"$(readelf -d "$root/$VIRDO_VOICE_PLUGIN")" || fail "/$VIRDO_VOICE_PLUGIN does not link Qt TextToSpeech"
grep -q '^#!' <<<"$(head -n1 "$root/$VIRDO_COMMAND")" || grep -q '^ELF' <<<"$(file -b "$root/$VIRDO_COMMAND")" || fail "/$VIRDO_COMMAND is neither a script nor a program"
for f in "${VIRDO_GAME_FILES[@]}"; do
    cmp "$src/assets/$f" "$root/$VIRDO_DATA_DIR/$f" || fail "/$VIRDO_DATA_DIR/$f differs from assets/$f"
done
for n in "${VIRDO_ICON_SIZES[@]}"; do
    icon="$root/usr/share/icons/hicolor/${n}x${n}/apps/$VIRDO_APP_ID.png"
    got=$(identify -format '%m %wx%h' "$icon")
    [ "$got" = "PNG ${n}x${n}" ] || fail "icon ${n}x${n} is '$got'"
done
svg="$root/usr/share/icons/hicolor/scalable/apps/$VIRDO_APP_ID.svg"
cmp "$src/assets/icons/hicolor/scalable/apps/virdo.svg" "$svg" || fail "the scalable icon differs from assets/"
xmllint --noout "$svg" || fail "the scalable icon is not well-formed XML"
# The same picture as the painted icons: drawn at 256 px, it matches the 256 px PNG.
rsvg-convert -w 256 -h 256 "$svg" -o "$ROOT/svg-256.png" || fail "the scalable icon does not render"
rmse=$(compare -metric RMSE "$ROOT/svg-256.png" "$root/usr/share/icons/hicolor/256x256/apps/$VIRDO_APP_ID.png" null: 2>&1 || true)
rmse=$(sed -nE 's/.*\(([0-9.e-]+)\).*/\1/p' <<<"$rmse")
awk -v e="${rmse:-1}" 'BEGIN { exit !(e < 0.02) }' || fail "the scalable icon is not the 256 px icon's picture (RMSE ${rmse:-none})"
echo "scalable icon drawn at 256 px: RMSE $rmse against the PNG"

# Stripped by dh_strip, the symbols in virdo-dbgsym under the same build ids; no RUNPATH.
dbgsym="$(dirname "$deb")/$VIRDO_DBGSYM_NAME"
[ -f "$dbgsym" ] || fail "no $VIRDO_DBGSYM_NAME beside the package"
debug_files=$(dpkg-deb --contents "$dbgsym" | awk '{ print $6 }' | grep '\.debug$' || true)
for elf in "$VIRDO_PROGRAM" "$VIRDO_SOUND_PLUGIN" "$VIRDO_VOICE_PLUGIN"; do
    dynamic=$(readelf -d "$root/$elf")
    grep -Eq '\((RUNPATH|RPATH)\)' <<<"$dynamic" && fail "/$elf has a RUNPATH: $(grep -E 'RUNPATH|RPATH' <<<"$dynamic")"
    sections=$(readelf -S -W "$root/$elf")
    grep -Eq ' \.(debug_info|symtab|comment) ' <<<"$sections" && fail "/$elf is not stripped"
    id=$(readelf -n "$root/$elf" | awk '/Build ID:/ { print $3 }')
    [ -n "$id" ] || fail "/$elf has no build id"
    grep -qx "./usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" <<<"$debug_files" \
        || fail "$VIRDO_DBGSYM_NAME lacks the symbols of /$elf (build id $id)"
done

# The copyright in Debian's machine-readable format, the GPL of the sources' COPYING.
copyright="$root/usr/share/doc/virdo/copyright"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' <<<"$(head -n1 "$copyright")" || fail "the copyright is not machine-readable"
grep -q '^Copyright: .*Équipe VIRDO' "$copyright" || fail "the copyright does not name Équipe VIRDO"
cmp "$src/debian/copyright" "$copyright" || fail "the installed copyright is not debian/copyright"
grep -Eq '^License: GPL-3.0-or-later$' "$copyright" && grep -q 'version 3 of the License' "$src/COPYING" || fail "the copyright and COPYING disagree on GPL-3.0-or-later"
grep -q "^virdo ($VIRDO_VERSION) " <<<"$(gzip -dc "$root/usr/share/doc/virdo/changelog.gz" | sed -n 1p)" || fail "changelog.gz does not start with version $VIRDO_VERSION"

# The manual pages render without groff warnings, each in its language, with the rules and
# the programmes (the French one has the whole guide).
# man_page PATH HEADING WORD SECTION...: the page renders, its first section, whatis line and
# the sections (extended regular expressions) it must have.
man_page() {
    local path=$1 heading=$2 word=$3 out section
    shift 3
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/$path" 2>&1) || fail "man -l $path: $out"
    grep -Eq '^(troff|man|mandoc|<standard input>|warning):' <<<"$out" && fail "man -l $path warns: $out"
    grep -q "^$heading\$" <<<"$out" || fail "$path has no $heading section"
    grep -Eq "^ +virdo +- +$word " <<<"$out" || fail "$path does not render its whatis line"
    for section in "$@"; do
        grep -Eqx -- "$section" <<<"$out" || fail "$path has no section '$section'"
    done
}
man_page man6/virdo.6.gz NAME logic 'HOW TO PLAY' 'THE EIGHT PROGRAMMES'
man_page fr/man6/virdo.6.gz NOM jeu 'COMMENT JOUER' 'LES HUIT PROGRAMMES' 'POUR L.ADULTE.*STRATÉGIE GAGNANTE'

# The guide: valid HTML; no script, nothing fetched from anywhere (fonts, styles, pictures).
guide="$root/usr/share/doc/virdo/guide.html"
out=$(xmllint --html --noout "$guide" 2>&1) && [ -z "$out" ] || fail "the guide is not valid HTML: $out"
grep -Eiq '<script|<link|<img|<iframe|@import|url\(|src=' "$guide" && fail "the guide loads something: $(grep -Eio '<script|<link|<img|<iframe|@import|url\(|src=' "$guide" | sort -u)"
grep -q '@media print' "$guide" && grep -q 'size: A4' "$guide" || fail "the guide has no print style for A4"
# Printed: two A4 pages at most.
weasyprint "$guide" "$ROOT/guide.pdf" 2>&1 | grep -v '^$' >&2 || true
info=$(pdfinfo "$ROOT/guide.pdf") || fail "the guide does not print"
pages=$(awk '/^Pages:/ { print $2 }' <<<"$info")
grep -Eq '^Page size: +595(\.[0-9]+)? x 841(\.[0-9]+)? pts \(A4\)' <<<"$info" || fail "the guide does not print on A4: $info"
[ "${pages:-0}" -ge 1 ] && [ "$pages" -le 2 ] || fail "the guide prints on $pages pages, not 2 at most"
echo "guide printed on $pages A4 pages"
# Its table of key totals is right: the step is the maximum of the programme plus one, the
# first key total the remainder of the target divided by the step, each the one before plus
# the step, the last the target.
python3 - "$guide" <<'PY' || fail "the guide's key totals are wrong"
import re, sys
html = " ".join(open(sys.argv[1], encoding="utf-8").read().split())
rows = re.findall(r"<tr[^>]*>\s*<td[^>]*>(\d)</td>\s*<td[^>]*>(\d+) = (\d+) × (\d+) \+ <strong>(\d+)</strong></td>\s*<td[^>]*>([^<]*)</td>", html)
programmes = re.findall(r"<td[^>]*>(\d)</td>\s*<td[^>]*>de 1 à (\d+)</td>\s*<td[^>]*>(\d+)</td>", html)
assert [r[0] for r in rows] == list("12345678") == [p[0] for p in programmes], (rows, programmes)
for (prog, target, times, step, first, listed), (_, maximum, objectif) in zip(rows, programmes):
    target, times, step, first = int(target), int(times), int(step), int(first)
    assert step == int(maximum) + 1 and target == int(objectif), prog
    assert target == times * step + first and 1 <= first < step, prog
    keys = listed.split(", ")
    assert keys[0] == str(first) and keys[-1] == str(target), prog
    for before, after in zip(keys, keys[1:]):
        if "…" not in (before, after):
            assert int(after) - int(before) == step, (prog, before, after)
        elif after != "…":
            assert (int(after) - first) % step == 0, (prog, after)
PY
echo "contents OK"
