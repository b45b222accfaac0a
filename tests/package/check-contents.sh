#!/usr/bin/env bash
# What the package installs: the launcher and the game, the four game files exactly as in
# the sources, the menu entry, the icons at every size, the software-centre description.
#   check-contents.sh DEB_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"
need file identify cmp
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

expect usr/bin/virdo -rwxr-xr-x
expect usr/lib/virdo/virdo -rwxr-xr-x
for f in "${VIRDO_GAME_FILES[@]}"; do expect "usr/share/virdo/$f" -rw-r--r--; done
expect "usr/share/applications/$VIRDO_APP_ID.desktop" -rw-r--r--
expect "usr/share/metainfo/$VIRDO_APP_ID.metainfo.xml" -rw-r--r--
for n in "${VIRDO_ICON_SIZES[@]}"; do
    expect "usr/share/icons/hicolor/${n}x${n}/apps/$VIRDO_APP_ID.png" -rw-r--r--
done
# Nothing outside /usr, nothing from the build machine's tree.
awk '{ print $6 }' <<<"$listing" | grep -Ev '^\./(usr/.*)?$' && fail "files outside /usr"
grep -Eq '/(build|work|tmp)/' <<<"$listing" && fail "build-tree paths in the package"

trap scratch_cleanup EXIT
extract_deb "$deb"
root=$ROOT

file -b "$root/usr/lib/virdo/virdo" | grep -q '^ELF .* executable' || fail "/usr/lib/virdo/virdo is no executable: $(file -b "$root/usr/lib/virdo/virdo")"
head -n1 "$root/usr/bin/virdo" | grep -q '^#!' || file -b "$root/usr/bin/virdo" | grep -q '^ELF' || fail "/usr/bin/virdo is neither a script nor a program"
for f in "${VIRDO_GAME_FILES[@]}"; do
    cmp "$src/assets/$f" "$root/usr/share/virdo/$f" || fail "/usr/share/virdo/$f differs from assets/$f"
done
for n in "${VIRDO_ICON_SIZES[@]}"; do
    icon="$root/usr/share/icons/hicolor/${n}x${n}/apps/$VIRDO_APP_ID.png"
    got=$(identify -format '%m %wx%h' "$icon")
    [ "$got" = "PNG ${n}x${n}" ] || fail "icon ${n}x${n} is '$got'"
done
echo "contents OK"
