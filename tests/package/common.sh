# Shared by the package tests (sourced). Exit 77 means "skipped": a tool is missing.
set -euo pipefail

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
    local t
    for t in "$@"; do
        command -v "$t" >/dev/null 2>&1 || skip "missing tool: $t"
    done
}

# The tools building and reading the package: every package test needs them, so that a
# machine without them skips the lot instead of failing on the missing package.
need dpkg dpkg-deb dpkg-buildpackage dpkg-parsechangelog dh

VIRDO_ARCH=$(dpkg --print-architecture)
VIRDO_VERSION=1.00
VIRDO_DEB_NAME="virdo_${VIRDO_VERSION}_${VIRDO_ARCH}.deb"
VIRDO_DBGSYM_NAME="virdo-dbgsym_${VIRDO_VERSION}_${VIRDO_ARCH}.deb"
VIRDO_APP_ID="fr.virdo.virdo"
VIRDO_GAME_FILES=(Enfants.bmp chiffres.bmp victoire.wav Son2.wav)
VIRDO_ICON_SIZES=(16 32 48 64 128 256)
# The main window's caption, which the menu entry and the software-centre description quote.
VIRDO_CAPTION="Pivolane - Logique et calcul mental par  Quenbrel"
# Where the package puts the command, the program and the game files (packaging/layout.cmake).
VIRDO_COMMAND=usr/games/virdo
VIRDO_PROGRAM=usr/lib/games/virdo/virdo
VIRDO_SOUND_PLUGIN=usr/lib/games/virdo/libvirdosound.so
VIRDO_VOICE_PLUGIN=usr/lib/games/virdo/libvirdovoix.so
VIRDO_DATA_DIR=usr/share/games/virdo

# deb_in DIR: the package the fixture built into DIR.
deb_in() {
    local deb="$1/$VIRDO_DEB_NAME"
    [ -f "$deb" ] || fail "no package at $deb"
    echo "$deb"
}

# scratch_dir NAME: a fresh folder, removed by scratch_cleanup; sets SCRATCH.
VIRDO_SCRATCH=()
scratch_cleanup() { local d; for d in "${VIRDO_SCRATCH[@]}"; do rm -rf "$d"; done; }
scratch_dir() {
    SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/virdo-$1.XXXXXX")
    VIRDO_SCRATCH+=("$SCRATCH")
}

# extract_deb DEB: unpacks the package into a fresh scratch root; sets ROOT.
extract_deb() {
    scratch_dir paquet
    ROOT=$SCRATCH
    dpkg -x "$1" "$ROOT"
}

# desktop_key FILE KEY [GROUP]: the value of KEY in the group (by default [Desktop Entry]).
desktop_key() {
    awk -v key="$2" -v want="[${3:-Desktop Entry}]" '
        /^\[/ { group = $0; next }
        group == want && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$1"
}
