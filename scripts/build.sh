# Sourced by the scripts that build the game (not run): the one way they configure and
# build it, with Ninja, in a folder of their own.
#
#   virdo_build FOLDER [TARGET...] [-- CMAKE_OPTION...]
#       configures FOLDER (RelWithDebInfo) and builds the targets named, or everything.

VIRDO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=packages.sh
source "$VIRDO_ROOT/scripts/packages.sh"

virdo_build() {
    local build=$1
    shift
    local targets=() options=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        targets+=(--target "$1")
        shift
    done
    [ $# -gt 0 ] && shift
    options=("$@")
    cmake -S "$VIRDO_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
    cmake --build "$build" "${targets[@]}"
}
