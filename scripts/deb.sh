# shellcheck shell=bash
# Sourced by scripts/paquet and the package tests (not run): the one way they build the Debian
# package, with dpkg-buildpackage from debian/, in a folder of their own.
#
#   virdo_deb_install_build_deps [LIST]
#       installs what building the package needs (its Build-Depends) through one metapackage,
#       virdo-build-deps, asking apt only when something is missing; every package this
#       installed is added to the file LIST, one a line. Then virdo_deb_build_deps_removal LIST
#       prints the one command that purges them all again.
#   virdo_deb_build FOLDER [DPKG-BUILDPACKAGE OPTION...]
#       copies the game's sources into FOLDER/virdo-VERSION and builds there, without the
#       tests; the packages land in FOLDER. Sets VIRDO_DEB (the path of virdo_VERSION_ARCH.deb).

VIRDO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)

# The packages installed now, one a line, sorted.
virdo_deb_installed() {
    dpkg-query -W -f='${db:Status-Status} ${Package}\n' | awk '$1 == "installed" { print $2 }' | sort -u
}

virdo_deb_install_build_deps() {
    local list=${1:-}
    if command -v dpkg-checkbuilddeps >/dev/null 2>&1 \
        && (cd "$VIRDO_ROOT" && dpkg-checkbuilddeps >/dev/null 2>&1); then
        return 0
    fi
    local sudo=() tools=() p before
    before=$(virdo_deb_installed)
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installation de ce qu'il faut pour construire le paquet…"
    "${sudo[@]}" apt-get update -qq
    # mk-build-deps (devscripts, with equivs) makes the metapackage. Installed here, the two
    # are marked as installed for something else, so that they go with the build dependencies.
    for p in devscripts equivs; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = 'install ok installed' ] || tools+=("$p")
    done
    if [ ${#tools[@]} -gt 0 ]; then
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${tools[@]}"
        "${sudo[@]}" apt-mark auto "${tools[@]}" >/dev/null
    fi
    # Made in a folder of its own (it leaves its .buildinfo and .changes behind).
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/virdo-build-deps.XXXXXX")
    (cd "$work" && "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive mk-build-deps --install --remove \
        --tool 'apt-get -y -q --no-install-recommends' "$VIRDO_ROOT/debian/control")
    rm -rf "$work"
    # apt's autoremove would keep much of it: what apt or tar suggest (dpkg-dev, gnupg) stays,
    # and what those recommend with it (build-essential, the compiler). The list names it all.
    if [ -n "$list" ]; then
        mkdir -p "$(dirname "$list")"
        { [ -f "$list" ] && cat "$list"; comm -13 <(echo "$before") <(virdo_deb_installed); } | sort -u >"$list.new"
        mv "$list.new" "$list"
    fi
}

# The command that purges the packages LIST names: those installed to build the package.
virdo_deb_build_deps_removal() {
    local list=$1
    [ -s "$list" ] || return 0
    local as_root=''
    [ "$(id -u)" -eq 0 ] || as_root='sudo '
    echo "Pour retirer ensuite tout ce qui a été installé pour construire le paquet (le jeu installé reste) :"
    echo "  ${as_root}apt-get purge \$(cat '$list') && rm '$list'"
}

# The files of the sources: those git knows (tracked, or new and not ignored), so that no
# build folder of the developer's goes into the source package; all of them outside a clone.
virdo_deb_copy_sources() {
    local to=$1
    mkdir -p "$to"
    if [ "$(git -C "$VIRDO_ROOT" rev-parse --show-toplevel 2>/dev/null)" = "$VIRDO_ROOT" ]; then
        (cd "$VIRDO_ROOT" && git ls-files -z --cached --others --exclude-standard \
            | while IFS= read -r -d '' f; do [ -e "$f" ] || [ -L "$f" ] && printf '%s\0' "$f"; done \
            | xargs -0 -r cp -P --parents -t "$to")
    else
        tar -C "$VIRDO_ROOT" --exclude='./build*' --exclude=./paquet --exclude=./.git -cf - . | tar -C "$to" -xf -
    fi
}

virdo_deb_build() {
    local folder=$1
    shift
    local version arch
    version=$(dpkg-parsechangelog -l "$VIRDO_ROOT/debian/changelog" -S Version)
    arch=$(dpkg --print-architecture)
    local tree="$folder/virdo-$version"
    rm -rf "$tree"
    virdo_deb_copy_sources "$tree"
    # No compiler launcher or flags of the developer's shell: the flags are dpkg-buildflags'
    # alone, and the same on every machine. nocheck: the package is built without its tests.
    (cd "$tree" && env -u CMAKE_CXX_COMPILER_LAUNCHER -u CXXFLAGS -u CFLAGS -u LDFLAGS -u CPPFLAGS \
        DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc "$@")
    VIRDO_DEB="$folder/virdo_${version}_${arch}.deb"
    [ -f "$VIRDO_DEB" ]
}
