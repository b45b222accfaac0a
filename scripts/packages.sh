# Debian packages the game needs, shared by scripts/play and scripts/test (sourced, not run).

# Build and run: compiler, CMake, Qt 6, the PulseAudio client library (the sound plugin asks
# the server itself whether it answers), pandoc (the guide and the manual pages), and the free
# faces the windows' fonts map to.
# The voice (virdo --voix): Qt's speech module, whose headers need the QML integration
# headers, over speech-dispatcher and its espeak-ng French voice.
VIRDO_RUN_PACKAGES=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libqt6multimedia6 qt6-qpa-plugins libpulse-dev pkgconf pandoc
    fonts-liberation fonts-quicksand fonts-dancingscript fonts-dejavu-core
    pulseaudio-utils
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
    speech-dispatcher speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins
)

# Tests: a real display, window manager and sound server for the end-to-end checks,
# and the tools that drive and measure them.
VIRDO_TEST_PACKAGES=(
    xvfb openbox xdotool x11-utils imagemagick
    # A screen that changes size: Xvnc has RandR modes, xrandr picks one.
    tigervnc-standalone-server x11-xserver-utils
    pulseaudio sox
    # The screen reader check: Orca on its own accessibility bus (a private D-Bus session),
    # speaking through speech-dispatcher, whose output modules need its audio plugins.
    orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core dbus-daemon
    # and its braille display: BRLTTY (with its Virtual driver), which Orca reaches through BrlAPI.
    brltty python3-brlapi
    strace
    # A full-screen window of another program over the game's (GTK 3 from Python).
    python3-gi gir1.2-gtk-3.0
    # The game natively on Wayland, on a headless GNOME compositor: Qt's Wayland plugin, mutter,
    # and what drives it there: keys through mutter's D-Bus interface, the windows read by AT-SPI.
    qt6-wayland mutter python3-dbus python3-pyatspi
    # The Debian package, built as scripts/paquet builds it (debian/control's Build-Depends
    # are the build list above, plus debhelper), and what reads it.
    dpkg-dev debhelper file desktop-file-utils appstream libxml2-utils librsvg2-bin
    # What a distribution checks: the package's policy and hardening (hardening-check is in
    # devscripts), the licences, the manual pages; the guide printed to PDF, its pages counted.
    lintian devscripts reuse man-db weasyprint poppler-utils
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
