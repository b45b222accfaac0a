# shellcheck shell=bash disable=SC2034 # clicked_at, turns, PULSE_ENV_DIR are the callers' to read
# Sourced (bash) by whatever plays the game in its real windows: the end-to-end checks, the
# package test and packaging/make-screenshot. A private X server, a window manager when
# asked, a private PulseAudio, the game, and xdotool helpers that find the game's windows and
# click its controls where the window tables put them, in twips.
#
# Sourcing it sets traps: on exit, env_cleanup ends everything started here, each process
# with its group, TERM then KILL past a deadline. A caller with more to end traps its own
# function on EXIT and calls env_cleanup from it.
#
#   wait_until SECONDS COMMAND...      runs COMMAND every 0.1 s until it succeeds; 1 at the
#                                      deadline
#   x_env_start DIR FIRST SIZE [openbox]
#                                      Xvfb at 96 dpi (15 twips a pixel) on the first free
#                                      display from VIRDO_E2E_DISPLAY, else FIRST; exports
#                                      DISPLAY; DIR gets x.log; with X_ENV_SERVER=Xvnc, a
#                                      screen that xrandr -s resizes; X_ENV_DEPTH sets
#                                      Xvfb's colour depth (24)
#   x_env_free_display FIRST           that display's number, without starting it
#   x_env_stop                         ends the game, openbox and the X server
#   game_start FOLDER COMMAND...       the game run in FOLDER on this display, its output
#                                      added to GAME_LOG; sets game_pid
#   window NAME [SECONDS], shown NAME, gone NAME
#                                      the game's window of that title (a regular expression)
#   click WINDOW LEFT TOP WIDTH HEIGHT the middle of a control given in twips; sets clicked_at
#   control CONTROL [TABLE]            "LEFT TOP WIDTH HEIGHT" of a control of VIRDO (the
#                                      main window), Rejouer or Eureka, read from the game's
#                                      tables by the virdo_controls tool: VIRDO_CONTROLS, else
#                                      the one beside the game game_start ran
#   click_control WINDOW CONTROL [TABLE]
#                                      click, at that control's place; a control or a tool
#                                      not found ends the caller (status 2)
#   pixels WINDOW LEFT TOP WIDTH HEIGHT
#                                      a checksum of what a control shows
#   play_to_the_end MAIN [ticked]      program 1, the computer starts, the player answers 1:
#                                      the computer wins; clicked_at is the winning click,
#                                      turns the computer's moves; "ticked": program 1 is
#                                      already chosen
#   win_quickly MAIN                   the name confirmed, program 3, the computer starts and
#                                      wins in seven moves, clicked in a few quick runs
#   pulse_env_tools_present, pulse_env_start (or pulse_env_prepare then pulse_env_serve)
#                                      a private PulseAudio whose null sink is the default;
#                                      exports XDG_RUNTIME_DIR, PULSE_SERVER, sets PULSE_ENV_DIR
#   pulse_env_record FILE, pulse_env_wait_recorded FILE SECONDS, pulse_env_stop_recording
#                                      records the sink's monitor
#   pulse_env_rms, pulse_env_onset, pulse_env_sound_end, pulse_env_min_rms
#                                      measure a recording with sox
#   pulse_env_heard_after FILE START, pulse_env_quiet FILE SECONDS
#                                      a recording still being made: sound after START
#                                      seconds; none in its last SECONDS
#   wayland_env_tools_present compositor|drive
#                                      mutter, dbus-run-session, Qt's Wayland plugin; with
#                                      drive, also what tests/e2e/wayland-drive needs
#   wayland_env_start DIR SOCKET       a headless mutter (1024x768, no Xwayland) on a session
#                                      bus of its own; exports XDG_RUNTIME_DIR (in DIR), sets
#                                      WAYLAND_ENV_BUS, WAYLAND_ENV_MUTTER_PID
#   wayland_drive_start, ask REQUEST   the keyboard and AT-SPI eyes of tests/e2e/wayland-drive
#                                      on that bus; ask sets answer

X_ENV_XVFB_PID=""
X_ENV_WM_PID=""
PULSE_ENV_DIR=""
PULSE_ENV_SERVER_PID=""
PULSE_ENV_KEEPALIVE_PID=""
PULSE_ENV_RECORD_PID=""
WAYLAND_ENV_SESSION_PID=""
WAYLAND_ENV_MUTTER_PID=""
WAYLAND_ENV_BUS=""
WAYLAND_DRIVE_PID=""
WAYLAND_PYTHON=python3
game_pid=""
game_controls=""
controls_table=""
clicked_at=""
answer=""
turns=0
# The X servers run at 96 dpi: a twip is a fifteenth of a pixel.
X_ENV_TWIPS_PER_PIXEL=15

wait_until() {
    local end=$((${EPOCHREALTIME//[.,]/} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME//[.,]/}" -lt "$end" ] || return 1
        sleep 0.1
    done
}
ended() { ! kill -0 "$1" 2>/dev/null; }

# env_end PID...: each process and its group (it leads one when started here): TERM, then
# KILL if it is still there after 5 s.
env_end() {
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true
        wait_until 5 ended "$pid" || kill -9 -- "-$pid" 2>/dev/null || kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

env_cleanup() {
    # A sound server stopped by a check would never take its TERM.
    [ -z "$PULSE_ENV_SERVER_PID" ] || kill -CONT "$PULSE_ENV_SERVER_PID" 2>/dev/null || true
    x_env_stop
    pulse_env_stop
    wayland_env_stop
}
trap env_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- The X server ------------------------------------------------------------------------

x_env_free_display() {
    local n=${VIRDO_E2E_DISPLAY:-$1}
    n=${n#:}
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
    echo "$n"
}

x_env_start() {
    local log=$1/x.log n
    n=$(x_env_free_display "$2")
    if [ "${X_ENV_SERVER:-Xvfb}" = Xvnc ]; then
        # Xvfb's screen keeps its size; Xvnc's has RandR modes. No VNC port, no password.
        setsid Xvnc ":$n" -geometry "$3" -depth 24 -dpi 96 -SecurityTypes None -rfbport -1 -nolisten tcp \
            >>"$log" 2>&1 &
    else
        setsid Xvfb ":$n" -screen 0 "${3}x${X_ENV_DEPTH:-24}" -dpi 96 -nolisten tcp -noreset >>"$log" 2>&1 &
    fi
    X_ENV_XVFB_PID=$!
    export DISPLAY=":$n"
    wait_until 20 x_env_answers_or_ended && x_env_answers ||
        { echo "x-env: the X server does not start on $DISPLAY" >&2; cat "$log" >&2; return 1; }
    # The screen's size in millimetres stays when xrandr changes its pixels: the game is
    # told 96 dpi, so that a twip stays a fifteenth of a pixel.
    [ "${X_ENV_SERVER:-Xvfb}" != Xvnc ] || xrdb -merge <<<"Xft.dpi: 96"
    [ "${4:-}" = openbox ] || return 0
    # Its settings from /etc/xdg only: a private home, no session manager.
    mkdir -p "$1/wm-home"
    HOME="$1/wm-home" XDG_CONFIG_HOME="$1/wm-home/.config" setsid openbox --sm-disable >>"$log" 2>&1 &
    X_ENV_WM_PID=$!
    # Ready once it manages windows and has published its work area, which it sets a moment
    # later and which the game and the checks place windows on.
    wait_until 20 x_env_wm_ready && return 0
    echo "x-env: openbox does not start" >&2
    cat "$log" >&2
    return 1
}
x_env_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
x_env_answers_or_ended() { x_env_answers || ended "$X_ENV_XVFB_PID"; }
x_env_wm_ready() {
    local props
    props=$(xprop -root _NET_SUPPORTING_WM_CHECK _NET_WORKAREA 2>/dev/null) || return 1
    grep -q 'window id' <<<"$props" && grep -Eq '^_NET_WORKAREA.* = [0-9]' <<<"$props"
}

x_env_stop() {
    env_end "$game_pid" "$X_ENV_WM_PID" "$X_ENV_XVFB_PID"
    game_pid="" X_ENV_WM_PID="" X_ENV_XVFB_PID=""
}

# --- The game and its windows -------------------------------------------------------------

game_start() {
    local dir=$1
    shift
    (cd "$dir" && exec setsid env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@") \
        >>"${GAME_LOG:-/dev/null}" 2>&1 &
    game_pid=$!
    # The controls' tool beside the game, for a caller that does not name it (a wrapper or
    # the game's options may stand around the game in the command).
    local word
    for word in "$@"; do
        [ -x "$(dirname -- "$word")/virdo_controls" ] || continue
        game_controls=$(dirname -- "$word")/virdo_controls
        break
    done
}

# owned WINDOW: whether the game shows it, itself or as the child of a tracer that runs it.
owned() {
    local pid
    pid=$(xdotool getwindowpid "$1" 2>/dev/null) || return 1
    [ "$pid" = "$game_pid" ] || [ "$(ps -o ppid= -p "$pid" 2>/dev/null | tr -d ' ')" = "$game_pid" ]
}
shown() {
    local w
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        owned "$w" && { echo "$w"; return 0; }
    done
    return 1
}
gone() { ! shown "$1" >/dev/null; }
# The window, or nothing once the game has ended.
shown_or_ended() { shown "$1" || ended "$game_pid"; }
window() {
    local w
    w=$(wait_until "${2:-20}" shown_or_ended "$1") && [ -n "$w" ] && echo "$w"
}

# "X Y" of the window's client area on the screen, inside any frame (xdotool gives it
# from the frame's corner once a window manager has framed the window).
origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        END { print x, y }'
}
# at WINDOW LEFT TOP WIDTH HEIGHT: "X Y" on the screen of the middle of a control in twips.
at() {
    local x y t=$X_ENV_TWIPS_PER_PIXEL
    read -r x y < <(origin "$1")
    echo $((x + ($2 + $4 / 2) / t)) $((y + ($3 + $5 / 2) / t))
}

# No --sync: xdotool then waits for a pointer that is already in place to move, as when
# Envoi is clicked twice.
click() {
    local x y
    read -r x y < <(at "$@")
    xdotool mousemove "$x" "$y" click 1
    clicked_at=$(date +%s.%N)
}

# The tool's lines, read once in the shell that clicks (control runs in subshells).
controls_read() {
    [ -z "$controls_table" ] || return 0
    local tool=${VIRDO_CONTROLS:-$game_controls}
    if [ -z "$tool" ] || [ ! -x "$tool" ]; then
        echo "no virdo_controls tool: VIRDO_CONTROLS names it, else it stands beside the game" >&2
        return 1
    fi
    controls_table=$("$tool") && [ -n "$controls_table" ]
}
control() {
    controls_read || return 1
    awk -v window="${2:-VIRDO}" -v name="$1" '
        $1 == window && $2 == name { print $3, $4, $5, $6; found = 1; exit }
        END { if (!found) exit 1 }' <<<"$controls_table" || { echo "unknown control: $1" >&2; return 1; }
}
# A check that cannot find its clicks cannot go on.
click_control() {
    local place
    if ! controls_read || ! place=$(control "$2" "${3:-}"); then
        exit 2
    fi
    # shellcheck disable=SC2086 # four numbers
    click "$1" $place
}

# Twips, relative to the window's client area, for import's -crop.
pixels() {
    local t=$X_ENV_TWIPS_PER_PIXEL
    import -window "$1" -crop "$(($4 / t))x$(($5 / t))+$(($2 / t))+$(($3 / t))" rgb:- 2>/dev/null | md5sum
}

# The total shown under the game: every move the game takes changes it.
total_shown() {
    local place
    place=$(control Nombre) || return 1
    # shellcheck disable=SC2086 # four numbers
    pixels "$1" $place
}
# moved MAIN TOTAL: the game has answered the last Envoi: a new total, a victory, an error.
moved() {
    [ "$(total_shown "$1")" != "$2" ] || shown '^Victoire finale$' >/dev/null || shown '^Erreur$' >/dev/null
}
# envoi MAIN: Envoi clicked, and its answer awaited.
envoi() {
    local before
    controls_read || return 1
    before=$(total_shown "$1")
    click_control "$1" Envoi || return 1
    wait_until 10 moved "$1" "$before" || { echo "FAIL: Envoi got no answer" >&2; return 1; }
    ! shown '^Erreur$' >/dev/null || { echo "FAIL: an Erreur box came up" >&2; return 1; }
}

play_to_the_end() {
    controls_read || return 1
    [ "${2:-}" = ticked ] || click_control "$1" Check1 # moves of 1 to 10, target 100
    click_control "$1" Ordinateur
    for turns in $(seq 15); do
        envoi "$1" || return 1                 # the computer plays
        shown '^Victoire finale$' >/dev/null && return 0
        click_control "$1" nbj
        xdotool type --delay 60 "1"
        envoi "$1" || return 1                 # the player's 1
        shown '^Victoire finale$' >/dev/null &&
            { echo "FAIL: the player won at turn $turns, answering 1 each time" >&2; return 1; }
    done
    echo "FAIL: no victory window after 15 turns" >&2
    return 1
}

# For the checks that need many victories. The game handles each click before the next one
# arrives, in order, so the clicks of a run need no pause; a run ends with the player's 1
# typed into nbj, which has the focus then.
win_quickly() {
    local identite check3 ordinateur envoi nbj
    # xdotool's words for a click on a control.
    # shellcheck disable=SC2086 # the control's four numbers
    words() { local place; place=$(control "$2") && echo mousemove "$(at "$1" $place)" click 1; }
    controls_read || return 1
    identite=$(words "$1" Identite) || return 1
    check3=$(words "$1" Check3) || return 1           # moves of 1 to 15, target 100: the
    ordinateur=$(words "$1" Ordinateur) || return 1   # computer's key totals are 4, 20, 36 ... 100
    envoi=$(words "$1" Envoi) || return 1
    nbj=$(words "$1" nbj) || return 1
    # shellcheck disable=SC2086 # each holds several words
    {
        xdotool $identite $check3 $ordinateur $envoi $nbj type 1
        for _ in 1 2 3 4 5; do xdotool $envoi $envoi $nbj type 1; done
        xdotool $envoi $envoi
    }
}

# --- A private PulseAudio with a null sink, whose monitor can be recorded -----------------

pulse_env_tools_present() {
    local tool
    for tool in pulseaudio pactl pacat parecord sox; do
        command -v "$tool" >/dev/null 2>&1 || { echo "pulse-env: $tool is not installed" >&2; return 1; }
    done
}

pulse_env_start() {
    pulse_env_prepare && pulse_env_serve
}

# The private folder and the clients' settings: from here on, a client looks for the
# private server, which is not there yet.
pulse_env_prepare() {
    PULSE_ENV_DIR=$(mktemp -d "${TMPDIR:-/tmp}/virdo-pulse.XXXXXX") || return 1
    # A runtime folder of its own: never the user's server, never another check's.
    export XDG_RUNTIME_DIR="$PULSE_ENV_DIR/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
    # No cookie, no D-Bus, no autospawn of a second server by a client.
    export PULSE_CLIENTCONFIG="$PULSE_ENV_DIR/client.conf"
    printf 'autospawn = no\n' >"$PULSE_CLIENTCONFIG"
}

# The server, with its null sink the default one. It stays a child of the script (not a
# daemon), so a runner that kills the process tree on a timeout takes it as well.
pulse_env_serve() {
    # Its HOME is the private folder, where it may leave a cookie.
    HOME="$PULSE_ENV_DIR" setsid pulseaudio --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
        --disallow-exit=yes -n --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=nullsink" \
        >"$PULSE_ENV_DIR/pulseaudio.log" 2>&1 &
    PULSE_ENV_SERVER_PID=$!
    if ! { wait_until 20 pulse_env_answers_or_ended && pulse_env_answers; }; then
        echo "pulse-env: pulseaudio does not answer:" >&2
        cat "$PULSE_ENV_DIR/pulseaudio.log" >&2
        return 1
    fi
    pactl set-default-sink nullsink >/dev/null 2>&1
    # A stream of silence keeps the sink running, so the recording's clock never pauses.
    setsid pacat --playback --device=nullsink --format=s16le --rate=44100 --channels=2 /dev/zero &
    PULSE_ENV_KEEPALIVE_PID=$!
    wait_until 20 pulse_env_sink_running || { echo "pulse-env: the null sink does not run" >&2; return 1; }
}
pulse_env_answers() { pactl info >/dev/null 2>&1; }
pulse_env_answers_or_ended() { pulse_env_answers || ended "$PULSE_ENV_SERVER_PID"; }
pulse_env_sink_running() { pactl list short sinks 2>/dev/null | grep -q '^[0-9]*[[:space:]]nullsink[[:space:]].*RUNNING'; }

# Seconds of sound in a recording: 44-byte header, 44100 Hz, two channels of 16 bits.
pulse_env_recorded() { awk -v s="$(stat -c %s "$1" 2>/dev/null || echo 44)" 'BEGIN { printf "%.3f\n", (s - 44) / 176400 }'; }
pulse_env_holds() { awk -v r="$(pulse_env_recorded "$1")" -v w="$2" 'BEGIN { exit !(r >= w) }'; }
# pulse_env_wait_recorded FILE SECONDS: until the recording holds that much sound, on the
# sound server's clock.
pulse_env_wait_recorded() {
    wait_until 60 pulse_env_holds "$1" "$2" || { echo "pulse-env: the recording stalls" >&2; return 1; }
}

pulse_env_record() {
    setsid parecord -d nullsink.monitor --latency-msec=20 --format=s16le --rate=44100 --channels=2 \
        --file-format=wav "$1" &
    PULSE_ENV_RECORD_PID=$!
    # The monitor gives only what is played after the stream connects, which can take a
    # second or two on a busy machine: return once sound data reaches the file.
    pulse_env_wait_recorded "$1" 0.1
}

pulse_env_stop_recording() {
    [ -n "$PULSE_ENV_RECORD_PID" ] || return 0
    # SIGINT lets parecord write the WAV header's lengths before it goes.
    kill -INT "$PULSE_ENV_RECORD_PID" 2>/dev/null || true
    wait_until 10 ended "$PULSE_ENV_RECORD_PID" || true
    env_end "$PULSE_ENV_RECORD_PID"
    PULSE_ENV_RECORD_PID=""
}

pulse_env_stop() {
    pulse_env_stop_recording
    env_end "$PULSE_ENV_KEEPALIVE_PID" "$PULSE_ENV_SERVER_PID"
    PULSE_ENV_KEEPALIVE_PID="" PULSE_ENV_SERVER_PID=""
    [ -z "$PULSE_ENV_DIR" ] || rm -rf "$PULSE_ENV_DIR"
    PULSE_ENV_DIR=""
}

# RMS amplitude (0 to 1) of LEN seconds of FILE from START seconds: pulse_env_rms FILE START LEN
pulse_env_rms() {
    sox "$1" -n trim "$2" "$3" stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }'
}

# Seconds from the start of FILE to the first sound (above 1 % for 20 ms), or the file's
# length when it holds none: pulse_env_onset FILE
pulse_env_onset() {
    local total rest
    total=$(soxi -D "$1")
    rest=$(sox "$1" -n silence 1 0.02 1% stat 2>&1 | awk '/^Length/ { print $3 }')
    awk -v t="$total" -v r="${rest:-0}" 'BEGIN { printf "%.3f\n", t - r }'
}

# Seconds from the start of FILE to the end of its last sound: pulse_env_sound_end FILE
pulse_env_sound_end() {
    sox "$1" -n reverse silence 1 0.02 1% stat 2>&1 | awk '/^Length/ { printf "%.3f\n", $3 }'
}

# The lowest RMS over windows of WINDOW seconds within LEN seconds of FILE from START, all
# channels mixed: a gap in the sound shows as a window near 0. pulse_env_min_rms FILE START LEN WINDOW
pulse_env_min_rms() {
    sox "$1" -t dat - trim "$2" "$3" remix - 2>/dev/null | awk -v w="$4" '
        /^;/ && /Sample Rate/ { n = int($4 * w); next }
        /^;/ { next }
        { s += $2 * $2; c++
          if (c == n) { r = sqrt(s / c); if (min == "" || r < min) min = r; s = 0; c = 0 } }
        END { if (min == "") min = 0; printf "%.4f\n", min }'
}

# Seconds of sound in FILE after START (a recording still being made is read as far as it
# goes): pulse_env_sound_after FILE START
pulse_env_sound_after() {
    # "trim 0" of a file whose header has no length yet reads nothing.
    local start
    start=$(awk -v s="$2" 'BEGIN { printf "%.3f\n", (s < 0.001) ? 0.001 : s }')
    sox -V1 "$1" -n trim "$start" silence 1 0.02 1% stat 2>&1 | awk '/^Length/ { print $3 }'
}
pulse_env_heard_after() {
    awk -v r="$(pulse_env_sound_after "$1" "$2")" 'BEGIN { exit !(r + 0 > 0) }'
}
pulse_env_quiet() {
    local from
    from=$(awk -v r="$(pulse_env_recorded "$1")" -v s="$2" 'BEGIN { printf "%.3f\n", (r > s) ? r - s : 0 }')
    pulse_env_holds "$1" "$2" && ! pulse_env_heard_after "$1" "$from"
}

# --- A headless GNOME compositor, for the game on native Wayland -------------------------

wayland_env_tools_present() {
    local tool python
    for tool in mutter dbus-run-session qtpaths6; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; return 1; }
    done
    [ -e "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so" ] ||
        { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; return 1; }
    [ "${1:-}" = drive ] || return 0
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; return 1; }
    # Debian's python3 has the Debian modules; another one first on PATH may not.
    for python in python3 /usr/bin/python3; do
        "$python" -c 'import dbus, pyatspi' 2>/dev/null && { WAYLAND_PYTHON=$python; return 0; }
    done
    echo "SKIP: python3-dbus or python3-pyatspi is not installed"
    return 1
}

wayland_env_start() {
    local log=$1/mutter.log
    export XDG_RUNTIME_DIR=$1/run
    [ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
    rm -f "$1/bus"
    # The bus's address is written out for the game and the driver; mutter takes its place.
    # shellcheck disable=SC2016 # expanded by that shell
    setsid dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0.new" && mv "$0.new" "$0" &&
        exec mutter --headless --wayland --no-x11 --wayland-display="$1" --virtual-monitor 1024x768' \
        "$1/bus" "$2" >>"$log" 2>&1 &
    WAYLAND_ENV_SESSION_PID=$!
    wayland_env_socket=$XDG_RUNTIME_DIR/$2
    wait_until 20 wayland_env_ready_or_ended && [ -S "$wayland_env_socket" ] ||
        { echo "wayland-env: mutter does not start" >&2; cat "$log" >&2; return 1; }
    WAYLAND_ENV_BUS=$(cat "$1/bus")
    WAYLAND_ENV_MUTTER_PID=$(ps -o pid=,comm= --ppid "$WAYLAND_ENV_SESSION_PID" | awk '$2 == "mutter" { print $1 }')
}
wayland_env_ready_or_ended() { [ -S "$wayland_env_socket" ] || ended "$WAYLAND_ENV_SESSION_PID"; }

wayland_env_stop() {
    env_end "$WAYLAND_DRIVE_PID" "$WAYLAND_ENV_SESSION_PID"
    WAYLAND_DRIVE_PID="" WAYLAND_ENV_SESSION_PID="" WAYLAND_ENV_MUTTER_PID=""
}

wayland_drive_start() {
    local here
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    # Bash sets WAYLAND_DRIVE_PID.
    coproc WAYLAND_DRIVE { DBUS_SESSION_BUS_ADDRESS=$WAYLAND_ENV_BUS exec "$WAYLAND_PYTHON" "$here/../tests/e2e/wayland-drive"; }
    read -r -t 20 -u "${WAYLAND_DRIVE[0]}" answer && [ "$answer" = ready ] ||
        { echo "wayland-env: no remote keyboard on the compositor" >&2; return 1; }
}
# A line of the driver's answer; "state" answers several, up to a line ".".
ask() {
    echo "$*" >&"${WAYLAND_DRIVE[1]}" && IFS= read -r -t 10 -u "${WAYLAND_DRIVE[0]}" answer
}
