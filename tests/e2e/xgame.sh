# Helpers to run the game on a private X server and work its main window with xdotool.
# Sourced (bash) by packaging/make-screenshot and by the package tests; not run on its own.
#
# Needs: Xvfb, xdotool, xdpyinfo. Every process started here is recorded in XGAME_PIDS;
# xgame_cleanup ends them, by PID, and the caller traps it on EXIT.

XGAME_DISPLAY=${XGAME_DISPLAY:-:54}
XGAME_PIDS=()
# virdo_controls, built with the tests, prints the controls' places from the game's tables.
XGAME_CONTROLS=${XGAME_CONTROLS:-"$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/tests/support/virdo_controls"}

xgame_cleanup() {
    local pid i
    for ((i = ${#XGAME_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${XGAME_PIDS[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${XGAME_PIDS[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XGAME_PIDS=()
}

# Starts Xvfb on XGAME_DISPLAY (1024x768, 24 bits) and waits until it answers.
xgame_start_x() {
    local n=${XGAME_DISPLAY#:}
    if [ -e "/tmp/.X${n}-lock" ] && kill -0 "$(tr -d ' ' <"/tmp/.X${n}-lock")" 2>/dev/null; then
        echo "display $XGAME_DISPLAY is taken" >&2
        return 1
    fi
    Xvfb "$XGAME_DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >"${XGAME_LOG:-/dev/null}" 2>&1 &
    XGAME_PIDS+=($!)
    export DISPLAY=$XGAME_DISPLAY
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "${XGAME_PIDS[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb does not start on $XGAME_DISPLAY" >&2
    return 1
}

# xgame_find_window PID NAME-PATTERN [TRIES]: id of a visible window of that process whose
# title matches; waits for it.
xgame_find_window() {
    local pid=$1 pattern=$2 tries=${3:-100} w
    for _ in $(seq "$tries"); do
        # By name only: with --pid as well, xdotool takes windows matching either.
        for w in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true); do
            [ "$(xdotool getwindowpid "$w" 2>/dev/null || true)" = "$pid" ] && { echo "$w"; return 0; }
        done
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# xgame_main_window PID: id of the game's main window (the widest window the process shows
# at start); waits for it.
xgame_main_window() {
    local pid=$1 w best area max
    for _ in $(seq 100); do
        best='' max=0
        for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
            # The search also yields the root window: keep the process's own windows.
            [ "$(xdotool getwindowpid "$w" 2>/dev/null || true)" = "$pid" ] || continue
            read -r _ _ W H < <(xgame_geometry "$w")
            area=$((W * H))
            [ "$area" -gt "$max" ] && { max=$area; best=$w; }
        done
        [ "$max" -gt 10000 ] && { echo "$best"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# xgame_geometry WID: prints "X Y WIDTH HEIGHT" of the window on the screen.
xgame_geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X $Y $WIDTH $HEIGHT"
}

# xgame_centre CONTROL [WINDOW]: centre of a control, in window pixels, from the game's
# tables (positions in twips, 15 twips to the pixel); WINDOW is VIRDO (the main window,
# by default), Rejouer or Eureka.
xgame_centre() {
    "$XGAME_CONTROLS" | awk -v window="${2:-VIRDO}" -v name="$1" '
        $1 == window && $2 == name {
            printf "%d %d\n", ($3 + $5 / 2) / 15, ($4 + $6 / 2) / 15
            found = 1
            exit
        }
        END { if (!found) exit 1 }'
}

# xgame_click WID CONTROL [WINDOW]: clicks the middle of a control of that window.
xgame_click() {
    local xy
    xy=$(xgame_centre "$2" "${3:-}") || { echo "unknown control: $2" >&2; return 1; }
    # shellcheck disable=SC2086
    xdotool mousemove --window "$1" $xy click 1
    sleep 0.3
}

# xgame_type TEXT: types into the control that has the focus.
xgame_type() {
    xdotool type --delay 40 -- "$1"
    sleep 0.2
}
