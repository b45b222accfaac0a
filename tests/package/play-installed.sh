#!/usr/bin/env bash
# The installed game, started the way its menu entry starts it, plays a whole game and shows
# the victory picture from the installed game files and plays the victory tune through the
# installed sound plugin, which the sound server knows as VIRDO with the game's icon; its
# window class is the one the menu entry names; F1 asks the desktop's browser (a stand-in
# xdg-open) for the installed guide. Then the guide's local menu entry for a silent classroom
# is made as the guide says: the menu takes it before the package's, it starts what the
# entry's action "Jouer sans le son" starts, and it plays a game to its victory without a
# sound: nothing is heard, the game never connects to the sound server and never loads the
# sound plugin.
# The game without --voix never maps the speech libraries; the third action, "Jouer avec la
# voix", loads the installed voice plugin and plays to the end. Before the X server starts,
# the game on the dead display exits 1.
#
# The package is unpacked into a scratch root; Exec= and Path= are read from the installed
# desktop entry and pointed into that root; the game runs on a private X server (:54 or the
# next free one).
# Program 1 (to 100 by 1 to 10), the computer starts, the player always answers 1: the
# computer wins, and its victory window must show the installed chiffres.bmp.
#   play-installed.sh DEB_DIR SOURCE_DIR LOG_DIR CONTROLS
# CONTROLS is the virdo_controls tool, which gives the places of the controls to click.
source "$(dirname "$0")/common.sh"
need Xvfb xdotool xwininfo xprop import compare identify
deb=$(deb_in "$1")
src=$2
logs=$3
VIRDO_CONTROLS=$4
# shellcheck source-path=SCRIPTDIR source=../../scripts/play-env.sh
source "$src/scripts/play-env.sh"
pulse_env_tools_present || skip "missing PulseAudio tools"
mkdir -p "$logs"
rm -f "$logs"/*.png "$logs"/*.log
# The game with its voice starts speech-dispatcher, which keeps its PID in the game's
# runtime folder, the scratch home.
speechd_cleanup() {
    local sd
    sd=$(cat "$home/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null) && kill "$sd" 2>/dev/null
    return 0
}
trap 'env_cleanup; speechd_cleanup; scratch_cleanup' EXIT
# A private sound server whose output is recorded.
pulse_env_start || fail "no private PulseAudio"

extract_deb "$deb"
root=$ROOT
scratch_dir maison
home=$SCRATCH
chmod 700 "$home"

# ---- The command lines of the menu entry, inside the scratch root -------------------
desktop="$root/usr/share/applications/$VIRDO_APP_ID.desktop"
[ -f "$desktop" ] || fail "no installed desktop entry"
# menu_command EXEC: the words of a menu command, its program looked for in the scratch root.
menu_command() {
    local words found dir
    # Field codes (%f, %u, ...) stand for files handed over by the menu: none here.
    read -r -a words <<<"$(sed -E 's/(^| )%[a-zA-Z]//g' <<<"$1")"
    [ ${#words[@]} -ge 1 ] || fail "empty Exec="
    case "${words[0]}" in
        /*) words[0]="$root${words[0]}" ;;
        *)
            found=''
            for dir in usr/bin usr/games bin; do
                [ -x "$root/$dir/${words[0]}" ] && { found="$root/$dir/${words[0]}"; break; }
            done
            [ -n "$found" ] || fail "${words[0]} of Exec= is not installed by the package"
            words[0]=$found
            ;;
    esac
    printf '%s\n' "${words[@]}"
}
exec_line=$(desktop_key "$desktop" Exec)
silent_line=$(desktop_key "$desktop" Exec "Desktop Action muet")
voice_line=$(desktop_key "$desktop" Exec "Desktop Action voix")
path_key=$(desktop_key "$desktop" Path)
echo "Exec=$exec_line"
echo "Exec=$silent_line (Jouer sans le son)"
echo "Path=$path_key"
mapfile -t argv < <(menu_command "$exec_line")
mapfile -t silent_argv < <(menu_command "$silent_line")
mapfile -t voice_argv < <(menu_command "$voice_line")
[ ${#argv[@]} -ge 1 ] && [ ${#silent_argv[@]} -ge 1 ] || fail "no command in the menu entry"
# A menu starts the program in Path= when given, else in the home folder: an empty one here,
# without any game file.
if [ -n "$path_key" ]; then
    workdir="$root$path_key"
else
    workdir=$home
fi
[ -d "$workdir" ] || fail "Path=$path_key is not installed"

# ---- The display this test owns, before its server runs: nothing answers there -------
n=$(x_env_free_display 54)
status=0
out=$(cd "$workdir" && DISPLAY=":$n" QT_QPA_PLATFORM=xcb timeout 20 "${argv[@]}" 2>&1) || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <<<"$out")" -eq 1 ] && grep -q "affichage graphique" <<<"$out" \
    || fail "on a dead display the game gives status $status and '$out', not 1 and one French line"
echo "dead display: $out"

x_env_start "$logs" "$n" 1024x768 || fail "no X server"

# start_game ARGV...: starts the game as the menu does; sets game (its PID) and main.
start_game() {
    : >"$logs/game.log"
    HOME="$home" XDG_RUNTIME_DIR="$home" GAME_LOG="$logs/game.log" game_start "$workdir" "$@"
    game=$game_pid
    main=$(window '^Pivolane - Logique') || die "the main window does not open"
    # It is the installed game that runs, in the installed game folder.
    local exe cwd
    exe=$(readlink -f "/proc/$game/exe")
    [[ "$exe" == "$root/"* ]] || die "the running program is $exe, not one from the package"
    cwd=$(readlink -f "/proc/$game/cwd")
    [ "$cwd" = "$(readlink -f "$root/$VIRDO_DATA_DIR")" ] || die "the game runs in $cwd, not in the installed /$VIRDO_DATA_DIR"
    echo "running $exe in $cwd"
}

on_failure() {
    import -silent -window root "png:$logs/failure-screen.png" 2>/dev/null || true
    echo "--- game output ---" >&2
    cat "$logs/game.log" >&2 || true
}
die() { on_failure; fail "$@"; }

# F1 asks the desktop for the installed guide: here a stand-in xdg-open (what Qt's desktop
# services start for a file on a desktop it does not know) writes down the address.
scratch_dir navigateur
browser=$SCRATCH
printf '#!/bin/sh\necho "$@" >>"%s/asked"\n' "$browser" >"$browser/xdg-open"
chmod +x "$browser/xdg-open"
PATH="$browser:$PATH" start_game "${argv[@]}"
guide_url="file://$(readlink -f "$root/usr/share/doc/virdo/guide.html")"
xdotool key --window "$main" F1
asked_guide() { [ "$(cat "$browser/asked" 2>/dev/null)" = "$guide_url" ]; }
wait_until 10 asked_guide || die "F1 asks the browser for '$(cat "$browser/asked" 2>/dev/null)', not $guide_url"
echo "F1 opens $guide_url"

# Docks tie the window to the menu entry by the class part of WM_CLASS.
wm_class=$(xprop -id "$main" WM_CLASS | sed -nE 's/^WM_CLASS\(STRING\) = "[^"]*", "([^"]*)"$/\1/p')
startup=$(desktop_key "$desktop" StartupWMClass)
[ -n "$wm_class" ] && [ "$wm_class" = "$startup" ] || die "window class '$wm_class', StartupWMClass '$startup'"
echo "window class $wm_class = StartupWMClass"

# ---- One game: program 1, the computer starts, the player answers 1 each time ----------
# play_to_victory: plays that game in the main window; sets eureka, the victory window.
play_to_victory() {
    click_control "$main" ndj
    xdotool type --delay 40 "Camille"
    click_control "$main" Identite
    play_to_the_end "$main" || die "no victory"
    eureka=$(window '^Victoire finale$') || die "no victory window"
    echo "victory window after $turns turns of the computer"
    [ "$turns" -eq 10 ] || die "the computer won after $turns moves; by 11s from 1 to 100 it takes 10"
}

play_to_victory

# ---- The victory window shows the installed chiffres.bmp -----------------------------
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
# shows_picture: the window, once painted, holds the picture's block; sets match.
shows_picture() {
    import -silent -window "$eureka" +repage "png:$logs/eureka.png" || return 1
    for dy in 0 1 2 3 4; do
        for dx in 0 1 2 3 4; do
            [ "$(compare_block "$picture" "$dx" "$dy")" = 0 ] && { match="$dx $dy"; return 0; }
        done
    done
    return 1
}
match=''
wait_until 10 shows_picture || die "the victory window does not show the installed chiffres.bmp"
read -r dx dy <<<"$match"
echo "chiffres.bmp shown at +$dx+$dy in the victory window"
# The check can tell the two pictures apart.
diff=$(compare_block "$other" "$dx" "$dy")
[ "$diff" != 0 ] || die "the window matches Enfants.bmp as well: the check proves nothing"

# ---- The victory tune is heard, played by the installed plugin ---------------------------
pulse_env_record "$PULSE_ENV_DIR/capture.wav" || die "the sound cannot be recorded"
pulse_env_wait_recorded "$PULSE_ENV_DIR/capture.wav" 1.6 || die "the recording stalls"
pulse_env_stop_recording
rms=$(pulse_env_rms "$PULSE_ENV_DIR/capture.wav" 0.3 1.2)
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.05) }' || die "no victory tune heard (RMS ${rms:-none})"
grep -q 'module de son' "$logs/game.log" && die "the installed game did not load its sound plugin"
echo "victory tune heard (RMS $rms)"
# The desktop's sound settings show the game by its name and icon.
inputs=$(pactl list sink-inputs)
grep -q 'application.name = "VIRDO"' <<<"$inputs" && grep -q "application.icon_name = \"$VIRDO_APP_ID\"" <<<"$inputs" \
    || die "the sound server does not know the game as VIRDO with its icon: $(grep -E 'application\.(name|icon_name)' <<<"$inputs")"
echo "the sound server knows the game as VIRDO, icon $VIRDO_APP_ID"

# ---- FIN, then NON: the game ends by itself ------------------------------------------
# end_game: FIN, then NON; the game must end with status 0.
end_game() {
    local rejouer status
    click_control "$main" FIN
    rejouer=$(window '^Relancer le jeu$') || die "FIN does not bring the replay window"
    click_control "$rejouer" NON Rejouer
    wait_until 10 ended "$game" || die "the game still runs after NON"
    wait "$game" && status=0 || status=$?
    game_pid=""
    [ "$status" -eq 0 ] || die "the game ended with status $status"
}
# The speech libraries are never mapped without --voix.
maps=$(cat "/proc/$game/maps")
grep -Eq 'libvirdovoix|libQt6TextToSpeech|libspeechd' <<<"$maps" \
    && die "the game without --voix loaded $(grep -Eo 'libvirdovoix[^ ]*|libQt6TextToSpeech[^ ]*|libspeechd[^ ]*' <<<"$maps" | sort -u | tr '\n' ' ')"
end_game
echo "installed game played to the end OK"

# ---- A silent classroom: the guide's local entry, which the menu takes first ---------
# xdg_entry: the entry a menu takes for the game, the first along the data folders of XDG's
# default (/usr/local/share/ before /usr/share/), inside the scratch root.
xdg_entry() {
    local dir
    for dir in /usr/local/share /usr/share; do
        [ -f "$root$dir/applications/$VIRDO_APP_ID.desktop" ] && { echo "$root$dir/applications/$VIRDO_APP_ID.desktop"; return 0; }
    done
    return 1
}
[ "$(xdg_entry)" = "$desktop" ] || die "without a local entry the menu takes $(xdg_entry), not the package's"
# The guide's own commands, with their folders inside the scratch root.
recipe=$(xmllint --html --xpath 'string(//pre[@id="classe-muette"])' "$root/usr/share/doc/virdo/guide.html")
[ -n "$recipe" ] || die "the guide has no commands for a silent classroom"
bash -euc "$(sed -E "s#(^|[ >])/usr/#\1$root/usr/#g" <<<"$recipe")" || die "the guide's commands fail: $recipe"
classroom=$(xdg_entry)
[ "$classroom" = "$root/usr/local/share/applications/$VIRDO_APP_ID.desktop" ] || die "the menu takes $classroom, not the local entry"
classroom_line=$(desktop_key "$classroom" Exec)
[ "$classroom_line" = "$silent_line" ] || die "the local entry starts '$classroom_line', not what « Jouer sans le son » starts"
mapfile -t classroom_argv < <(menu_command "$classroom_line")
echo "the menu takes the local entry: Exec=$classroom_line"

# ---- The main entry, silent: a game to its victory, and no sound anywhere --------------
start_game "${classroom_argv[@]}"
play_to_victory
pulse_env_record "$PULSE_ENV_DIR/silence.wav" || die "the sound cannot be recorded"
pulse_env_wait_recorded "$PULSE_ENV_DIR/silence.wav" 1.6 || die "the recording stalls"
pulse_env_stop_recording
rms=$(pulse_env_rms "$PULSE_ENV_DIR/silence.wav" 0.3 1.2)
awk -v r="${rms:-1}" 'BEGIN { exit !(r < 0.001) }' || die "a sound is heard in the silent game (RMS ${rms:-none})"
# Never a client of the sound server, never the plugin nor the multimedia libraries loaded.
clients=$(pactl list clients 2>/dev/null | grep -c "application.process.id = \"$game\"" || true)
[ "$clients" -eq 0 ] || die "the silent game is a client of the sound server"
maps=$(cat "/proc/$game/maps")
grep -Eq 'libvirdosound|libQt6Multimedia|libpulse' <<<"$maps" \
    && die "the silent game loaded $(grep -Eo 'libvirdosound[^ ]*|libQt6Multimedia[^ ]*|libpulse[^ ]*' <<<"$maps" | sort -u | tr '\n' ' ')"
grep -q 'module de son' "$logs/game.log" && die "the silent game spoke of its sound module"
end_game
echo "silent game played to the end OK, nothing heard (RMS $rms)"

# ---- Jouer avec la voix: the installed voice plugin is loaded, and the game plays ---------
start_game "${voice_argv[@]}"
voice_loaded() { grep -q 'libvirdovoix' "/proc/$game/maps"; }
wait_until 10 voice_loaded || die "the game with the voice does not load the installed voice plugin"
play_to_victory
grep -q 'module de la voix' "$logs/game.log" && die "the installed game did not find its voice plugin"
end_game
echo "the game with the voice loaded /$VIRDO_VOICE_PLUGIN and played to the end"
