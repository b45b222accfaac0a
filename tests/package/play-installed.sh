#!/usr/bin/env bash
# The installed game, started the way its menu entry starts it, plays a whole game and shows
# the victory picture from the installed game files and plays the victory tune through the
# installed sound plugin; its window class is the one the menu entry names. Before the X
# server starts, the game on the dead display exits 1.
#
# The package is unpacked into a scratch root; Exec= and Path= are read from the installed
# desktop entry and pointed into that root; the game runs on a private X server (:54).
# Program 1 (to 100 by 1 to 10), the computer starts, the player always answers 1: the
# computer wins, and its victory window must show the installed chiffres.bmp.
#   play-installed.sh DEB_DIR SOURCE_DIR LOG_DIR CONTROLS
# CONTROLS is the virdo_controls tool, which gives the places of the controls to click.
source "$(dirname "$0")/common.sh"
need Xvfb xdotool xdpyinfo xprop import compare identify
# shellcheck source=../e2e/pulse-env
source "$(dirname "$0")/../e2e/pulse-env"
pulse_env_tools_present || skip "missing PulseAudio tools"
deb=$(deb_in "$1")
src=$2
logs=$3
XGAME_CONTROLS=$4
mkdir -p "$logs"
rm -f "$logs"/*.png "$logs"/*.log

XGAME_LOG="$logs/xvfb.log"
source "$src/tests/e2e/xgame.sh"
cleanup() { xgame_cleanup; scratch_cleanup; pulse_env_stop; }
# A private sound server whose output is recorded; it sets its own traps, so ours come after.
pulse_env_start || fail "no private PulseAudio"
trap cleanup EXIT

extract_deb "$deb"
root=$ROOT
scratch_dir maison
home=$SCRATCH
chmod 700 "$home"

# ---- The command line of the menu entry, inside the scratch root ----------------------
desktop="$root/usr/share/applications/$VIRDO_APP_ID.desktop"
[ -f "$desktop" ] || fail "no installed desktop entry"
exec_line=$(desktop_key "$desktop" Exec)
path_key=$(desktop_key "$desktop" Path)
echo "Exec=$exec_line"
echo "Path=$path_key"
# Field codes (%f, %u, ...) stand for files handed over by the menu: none here.
read -r -a argv <<<"$(sed -E 's/(^| )%[a-zA-Z]//g' <<<"$exec_line")"
[ ${#argv[@]} -ge 1 ] || fail "empty Exec="
case "${argv[0]}" in
    /*) argv[0]="$root${argv[0]}" ;;
    *)
        found=''
        for dir in usr/bin usr/games bin; do
            [ -x "$root/$dir/${argv[0]}" ] && { found="$root/$dir/${argv[0]}"; break; }
        done
        [ -n "$found" ] || fail "${argv[0]} of Exec= is not installed by the package"
        argv[0]=$found
        ;;
esac
# A menu starts the program in Path= when given, else in the home folder: an empty one here,
# without any game file.
if [ -n "$path_key" ]; then
    workdir="$root$path_key"
else
    workdir=$home
fi
[ -d "$workdir" ] || fail "Path=$path_key is not installed"

# ---- The display this test owns, before its server runs: nothing answers there -------
n=${XGAME_DISPLAY#:}
[ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || {
    status=0
    out=$(cd "$workdir" && DISPLAY=$XGAME_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "${argv[@]}" 2>&1) || status=$?
    [ "$status" -eq 1 ] && [ "$(wc -l <<<"$out")" -eq 1 ] && grep -q "affichage graphique" <<<"$out" \
        || fail "on a dead display the game gives status $status and '$out', not 1 and one French line"
    echo "dead display: $out"
}

xgame_start_x

(
    cd "$workdir"
    export HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=xcb
    exec "${argv[@]}"
) >"$logs/game.log" 2>&1 &
game=$!
XGAME_PIDS+=("$game")

on_failure() {
    import -silent -window root "png:$logs/failure-screen.png" 2>/dev/null || true
    echo "--- game output ---" >&2
    cat "$logs/game.log" >&2 || true
}
die() { on_failure; fail "$@"; }

main=$(xgame_main_window "$game") || die "the main window does not open"

# It is the installed game that runs, in the installed game folder.
exe=$(readlink -f "/proc/$game/exe")
[[ "$exe" == "$root/"* ]] || die "the running program is $exe, not one from the package"
cwd=$(readlink -f "/proc/$game/cwd")
[ "$cwd" = "$(readlink -f "$root/$VIRDO_DATA_DIR")" ] || die "the game runs in $cwd, not in the installed /$VIRDO_DATA_DIR"
echo "running $exe in $cwd"

# Docks tie the window to the menu entry by the class part of WM_CLASS.
wm_class=$(xprop -id "$main" WM_CLASS | sed -nE 's/^WM_CLASS\(STRING\) = "[^"]*", "([^"]*)"$/\1/p')
startup=$(desktop_key "$desktop" StartupWMClass)
[ -n "$wm_class" ] && [ "$wm_class" = "$startup" ] || die "window class '$wm_class', StartupWMClass '$startup'"
echo "window class $wm_class = StartupWMClass"

# ---- One game: program 1, the computer starts, the player answers 1 each time ----------
sleep 0.5
xgame_click "$main" ndj
xgame_type "Camille"
xgame_click "$main" Identite
xgame_click "$main" Check1
xgame_click "$main" Ordinateur

eureka=''
for turn in $(seq 15); do
    # The computer's move.
    xgame_click "$main" Envoi
    eureka=$(xgame_find_window "$game" "Victoire finale" 10) && break
    # The player's move: 1.
    xgame_click "$main" nbj
    xgame_type "1"
    xgame_click "$main" Envoi
    eureka=$(xgame_find_window "$game" "Victoire finale" 10) && die "the player won at turn $turn, answering 1 each time"
    kill -0 "$game" 2>/dev/null || die "the game stopped during turn $turn"
done
[ -n "$eureka" ] || die "no victory window after 15 turns"
echo "victory window after $turn turns of the computer"
[ "$turn" -eq 10 ] || die "the computer won after $turn moves; by 11s from 1 to 100 it takes 10"

# ---- The victory window shows the installed chiffres.bmp -----------------------------
sleep 1
read -r ex ey ew eh < <(xgame_geometry "$eureka")
import -silent -window root -crop "${ew}x${eh}+${ex}+${ey}" +repage "png:$logs/eureka.png"
picture="$root/$VIRDO_DATA_DIR/chiffres.bmp"
other="$root/$VIRDO_DATA_DIR/Enfants.bmp"
[ -f "$picture" ] && [ -f "$other" ] || die "the package lacks chiffres.bmp or Enfants.bmp"
read -r pw ph < <(identify -format '%w %h\n' "$picture")
# A block from the middle of the picture, looked for at the few places the picture box's
# frame can put it.
bw=$((pw / 2)) bh=$((ph / 2)) bx=$((pw / 4)) by=$((ph / 4))
compare_block() { # compare_block IMAGE DX DY: differing pixels between the block of IMAGE and the window
    compare -metric AE -fuzz 2% "$1[${bw}x${bh}+${bx}+${by}]" \
        "$logs/eureka.png[${bw}x${bh}+$((bx + $2))+$((by + $3))]" null: 2>&1 || true
}
match=''
for dy in 0 1 2 3 4; do
    for dx in 0 1 2 3 4; do
        diff=$(compare_block "$picture" "$dx" "$dy")
        [ "$diff" = 0 ] && { match="$dx $dy"; break 2; }
    done
done
[ -n "$match" ] || die "the victory window does not show the installed chiffres.bmp"
read -r dx dy <<<"$match"
echo "chiffres.bmp shown at +$dx+$dy in the victory window"
# The check can tell the two pictures apart.
diff=$(compare_block "$other" "$dx" "$dy")
[ "$diff" != 0 ] || die "the window matches Enfants.bmp as well: the check proves nothing"

# ---- The victory tune is heard, played by the installed plugin ---------------------------
pulse_env_record "$PULSE_ENV_DIR/capture.wav" || die "the sound cannot be recorded"
sleep 2
pulse_env_stop_recording
rms=$(pulse_env_rms "$PULSE_ENV_DIR/capture.wav" 0.3 1.2)
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.05) }' || die "no victory tune heard (RMS ${rms:-none})"
grep -q 'module de son' "$logs/game.log" && die "the installed game did not load its sound plugin"
echo "victory tune heard (RMS $rms)"

# ---- FIN, then NON: the game ends by itself ------------------------------------------
xgame_click "$main" FIN
rejouer=$(xgame_find_window "$game" "Relancer le jeu" 50) || die "FIN does not bring the replay window"
xgame_click "$rejouer" NON Rejouer
for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null && die "the game still runs after NON"
wait "$game" && status=0 || status=$?
[ "$status" -eq 0 ] || die "the game ended with status $status"
echo "installed game played to the end OK"
