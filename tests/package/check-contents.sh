#!/usr/bin/env bash
# What the package installs: the launcher in /usr/games and the game in its private folder,
# the four game files exactly as in the sources, the menu entry, the icons at every size, the
# software-centre description, the copyright and changelog, the manual pages, which render.
#   check-contents.sh DEB_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"
need file identify cmp man readelf
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
for f in "${VIRDO_GAME_FILES[@]}"; do expect "$VIRDO_DATA_DIR/$f" -rw-r--r--; done
expect "usr/share/applications/$VIRDO_APP_ID.desktop" -rw-r--r--
expect "usr/share/metainfo/$VIRDO_APP_ID.metainfo.xml" -rw-r--r--
for n in "${VIRDO_ICON_SIZES[@]}"; do
    expect "usr/share/icons/hicolor/${n}x${n}/apps/$VIRDO_APP_ID.png" -rw-r--r--
done
for f in copyright changelog.gz; do expect "usr/share/doc/virdo/$f" -rw-r--r--; done
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
grep -q '^#!' <<<"$(head -n1 "$root/$VIRDO_COMMAND")" || grep -q '^ELF' <<<"$(file -b "$root/$VIRDO_COMMAND")" || fail "/$VIRDO_COMMAND is neither a script nor a program"
for f in "${VIRDO_GAME_FILES[@]}"; do
    cmp "$src/assets/$f" "$root/$VIRDO_DATA_DIR/$f" || fail "/$VIRDO_DATA_DIR/$f differs from assets/$f"
done
for n in "${VIRDO_ICON_SIZES[@]}"; do
    icon="$root/usr/share/icons/hicolor/${n}x${n}/apps/$VIRDO_APP_ID.png"
    got=$(identify -format '%m %wx%h' "$icon")
    [ "$got" = "PNG ${n}x${n}" ] || fail "icon ${n}x${n} is '$got'"
done

# The copyright in Debian's machine-readable format, the GPL of the sources' COPYING.
copyright="$root/usr/share/doc/virdo/copyright"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' <<<"$(head -n1 "$copyright")" || fail "the copyright is not machine-readable"
grep -q '^Copyright: .*Équipe VIRDO' "$copyright" || fail "the copyright does not name Équipe VIRDO"
grep -Eq '^License: GPL-3\+$' "$copyright" && grep -q 'version 3 of the License' "$src/COPYING" || fail "the copyright and COPYING disagree on GPL-3+"
grep -q '^virdo (1\.00) ' <<<"$(gzip -dc "$root/usr/share/doc/virdo/changelog.gz" | sed -n 1p)" || fail "changelog.gz does not start with version 1.00"

# The manual pages render without groff warnings, each in its language.
for page in "man6/virdo.6.gz NAME logic" "fr/man6/virdo.6.gz NOM jeu"; do
    read -r path heading word <<<"$page"
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/$path" 2>&1) || fail "man -l $path: $out"
    grep -Eq '^(troff|man|mandoc|<standard input>):' <<<"$out" && fail "man -l $path warns: $out"
    grep -q "^$heading\$" <<<"$out" || fail "$path has no $heading section"
    grep -Eq "^ +virdo +- +$word " <<<"$out" || fail "$path does not render its whatis line"
done
echo "contents OK"
