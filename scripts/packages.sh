# Debian packages the game needs, shared by scripts/play and scripts/test (sourced, not run).

# Build and run: compiler, CMake, Qt 6, and the free faces the windows' fonts map to.
VIRDO_RUN_PACKAGES=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libqt6multimedia6 qt6-qpa-plugins
    fonts-liberation fonts-quicksand fonts-dancingscript fonts-dejavu-core
    pulseaudio-utils
)

# Tests: a real display, window manager and sound server for the end-to-end checks,
# and the tools that drive and measure them.
VIRDO_TEST_PACKAGES=(
    xvfb openbox xdotool x11-utils imagemagick
    pulseaudio sox
    # The screen reader check: Orca on its own accessibility bus (a private D-Bus session),
    # speaking through speech-dispatcher, whose output modules need its audio plugins.
    orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core dbus-daemon
    strace
    dpkg-dev file desktop-file-utils appstream
    # What a distribution checks: the package's policy, the licences, the manual pages.
    lintian reuse man-db
    # The fuzz targets (clang's libFuzzer with its sanitizers) and the benchmark's driver.
    clang libclang-rt-14-dev python3
)

# Installs the packages of the list that are missing, without questions.
virdo_install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = 'install ok installed' ] || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installation des paquets manquants : ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
