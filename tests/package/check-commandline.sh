#!/usr/bin/env bash
# The installed command without any display: --help and --version answer in French and
# exit 0 (the help names --muet, --voix, the manual page and the guide), an unknown option or
# argument gets one French line and exit 2, and the game itself, with or without --muet or
# --voix, with no display to open, says so in one French line and exits 1.
# (A display that does not answer is tried by play-installed.sh, which owns :54.)
#   check-commandline.sh DEB_DIR
source "$(dirname "$0")/common.sh"
deb=$(deb_in "$1")
trap scratch_cleanup EXIT
extract_deb "$deb"
virdo=$ROOT/$VIRDO_COMMAND

# run ARGS...: runs the command with no display at all; sets STATUS, OUT and ERR.
run() {
    OUT=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$virdo" "$@" 2>"$ROOT/stderr") \
        && STATUS=0 || STATUS=$?
    ERR=$(cat "$ROOT/stderr")
}
# one_french_line TEXT WORD: TEXT is one line, in French (it holds WORD).
one_french_line() {
    [ "$(wc -l <<<"$1")" -eq 1 ] && grep -q -- "$2" <<<"$1"
}

run --version
[ "$STATUS" -eq 0 ] && [ "$OUT" = "VIRDO 1.00" ] && [ -z "$ERR" ] || fail "--version: status $STATUS, '$OUT', '$ERR'"
run -v
[ "$STATUS" -eq 0 ] && [ "$OUT" = "VIRDO 1.00" ] || fail "-v: status $STATUS, '$OUT'"
for option in --help -h; do
    run "$option"
    [ "$STATUS" -eq 0 ] && [ -z "$ERR" ] || fail "$option: status $STATUS, '$ERR'"
    grep -q '^Usage : virdo' <<<"$OUT" && grep -q -- '--version.*affiche la version' <<<"$OUT" \
        && grep -q -- '^  -m, --muet  *joue sans aucun son$' <<<"$OUT" \
        && grep -q -- '^  -V, --voix  *dit à voix haute chaque message du jeu$' <<<"$OUT" \
        || fail "$option does not print the French help with --muet and --voix: $OUT"
done
# The help names the manual page and the guide's page, the one the package installs.
named=$(grep -Eo '/[^ ]*/guide\.html' <<<"$OUT" || true)
grep -q '« man virdo »' <<<"$OUT" && [ -n "$named" ] && [ -f "$ROOT$named" ] \
    || fail "the help does not name 'man virdo' and the installed guide (${named:-none}): $OUT"
for wrong in --jouer -x -hx -mx --muette fichier; do
    run "$wrong"
    [ "$STATUS" -eq 2 ] && [ -z "$OUT" ] && one_french_line "$ERR" "« $wrong »" \
        || fail "$wrong: status $STATUS, '$OUT', '$ERR' (expected 2 and one French line)"
done
for silent in '' --muet -m --voix -V; do
    run $silent
    [ "$STATUS" -eq 1 ] && one_french_line "$ERR" "affichage graphique" \
        || fail "'virdo $silent' without a display: status $STATUS, '$ERR' (expected 1 and one French line)"
done
echo "command line OK"
