#!/usr/bin/env bash
# The installed menu entry and software-centre description: valid for desktop-file-validate
# and for appstreamcli --pedantic (which checks any address it finds, when it can reach it)
# without a single remark; in English with French translations; consistent with each other
# and with the installed files; both name the window's caption, and the entry has a second
# action that starts the game without sound.
#   check-metadata.sh DEB_DIR
source "$(dirname "$0")/common.sh"
need desktop-file-validate appstreamcli python3
deb=$(deb_in "$1")
trap scratch_cleanup EXIT
extract_deb "$deb"
root=$ROOT

desktop="$root/usr/share/applications/$VIRDO_APP_ID.desktop"
metainfo="$root/usr/share/metainfo/$VIRDO_APP_ID.metainfo.xml"
[ -f "$desktop" ] || fail "no installed $VIRDO_APP_ID.desktop"
[ -f "$metainfo" ] || fail "no installed $VIRDO_APP_ID.metainfo.xml"

# desktop-file-validate: exit 0 and nothing to say, not even a hint, but the one that says
# what is meant: the entry is both under Games and under Education.
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
out=$(grep -v 'hint: value "Game;KidsGame;LogicGame;Education;Math;" for key "Categories" in group "Desktop Entry" contains more than one main category; application might appear more than once in the application menu$' <<<"$out" || true)
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"

[ "$(desktop_key "$desktop" Type)" = Application ] || fail "Type is not Application"
[ "$(desktop_key "$desktop" Name)" = VIRDO ] || fail "Name is not VIRDO"
[ "$(desktop_key "$desktop" Terminal)" = false ] || fail "Terminal is not false"
[ "$(desktop_key "$desktop" 'Name[fr]')" = VIRDO ] || fail "Name[fr] is not VIRDO"
# English by default, French for [fr]; each comment quotes the main window's caption exactly.
comment=$(desktop_key "$desktop" Comment)
comment_fr=$(desktop_key "$desktop" 'Comment[fr]')
grep -q 'race to a total' <<<"$comment" || fail "Comment '$comment' is not the English one"
grep -q 'calcul mental' <<<"$comment_fr" || fail "Comment[fr] '$comment_fr' is not the French one"
for c in "$comment" "$comment_fr"; do
    [[ "$c" == *"$VIRDO_CAPTION"* ]] || fail "comment '$c' does not quote the caption '$VIRDO_CAPTION'"
done
[ -n "$(desktop_key "$desktop" 'GenericName[fr]')" ] || fail "no GenericName[fr]"
[ -n "$(desktop_key "$desktop" 'Keywords[fr]')" ] || fail "no Keywords[fr]"
# Under Games (children's and logic games) and under Education (mathematics), in the menu
# and in the software centres alike.
[ "$(desktop_key "$desktop" Categories)" = "Game;KidsGame;LogicGame;Education;Math;" ] || fail "Categories are '$(desktop_key "$desktop" Categories)'"
# The two actions: the same command with --muet, and with --voix.
[ "$(desktop_key "$desktop" Actions)" = "muet;voix;" ] || fail "Actions are '$(desktop_key "$desktop" Actions)', not muet;voix;"
for action in "muet:Jouer sans le son" "voix:Jouer avec la voix"; do
    group="Desktop Action ${action%%:*}"
    [ "$(desktop_key "$desktop" 'Name[fr]' "$group")" = "${action#*:}" ] || fail "the action is not named « ${action#*:} »"
    [ "$(desktop_key "$desktop" Exec "$group")" = "$(desktop_key "$desktop" Exec) --${action%%:*}" ] \
        || fail "the action's Exec '$(desktop_key "$desktop" Exec "$group")' is not the entry's with --${action%%:*}"
done
icon=$(desktop_key "$desktop" Icon)
for n in "${VIRDO_ICON_SIZES[@]}"; do
    [ -f "$root/usr/share/icons/hicolor/${n}x${n}/apps/$icon.png" ] || fail "Icon=$icon has no ${n}x${n} picture installed"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no scalable picture installed"
program=$(desktop_key "$desktop" Exec | awk '{ print $1 }')
case "$program" in
    /*) [ -x "$root$program" ] || fail "Exec program $program is not installed" ;;
    *) [ -x "$root/usr/bin/$program" ] || [ -x "$root/usr/games/$program" ] || fail "Exec program $program is not installed on the PATH" ;;
esac

# appstreamcli: the file alone (pedantic, addresses checked) and the whole installed tree
# (desktop entry and icons found for the component), with no remark of any level.
for args in "validate --pedantic $metainfo" "validate-tree --pedantic $root"; do
    # shellcheck disable=SC2086
    out=$(appstreamcli $args 2>&1) || fail "appstreamcli $args: $out"
    echo "$out"
    grep -Eq '^ *[EWIP]: ' <<<"$out" && fail "appstreamcli $args has remarks: $out"
done

meta() { python3 -c 'import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); print("\n".join((e.text or "").strip() if sys.argv[3] == "" else e.get(sys.argv[3], "") for e in r.iterfind(sys.argv[2])))' "$metainfo" "$@"; }
[ "$(meta categories/category '' | tr '\n' ';')" = "Game;KidsGame;LogicGame;Education;Math;" ] || fail "metainfo categories are '$(meta categories/category '' | tr '\n' ';')'"
[ "$(meta id '')" = "$VIRDO_APP_ID" ] || fail "metainfo id is '$(meta id '')'"
[ "$(meta name '' | sort -u)" = VIRDO ] || fail "metainfo names are '$(meta name '')', not VIRDO"
[ "$(meta launchable '')" = "$VIRDO_APP_ID.desktop" ] || fail "metainfo launches '$(meta launchable '')'"
[ "$(meta releases/release version)" = "$VIRDO_VERSION" ] || fail "metainfo release is '$(meta releases/release version)', not $VIRDO_VERSION"
[ -n "$(meta releases/release date)" ] || fail "metainfo release has no date"
[ -n "$(meta content_rating type)" ] || fail "metainfo has no content rating"
# summary: the English one, then the French one; both say the window is titled Pivolane.
mapfile -t summaries < <(meta summary '')
mapfile -t languages < <(meta summary '{http://www.w3.org/XML/1998/namespace}lang')
[ "${#summaries[@]}" -eq 2 ] && [ -z "${languages[0]}" ] && [ "${languages[1]}" = fr ] || fail "summaries: ${summaries[*]} (${languages[*]})"
grep -q 'mental arithmetic' <<<"${summaries[0]}" && grep -q 'calcul mental' <<<"${summaries[1]}" || fail "summaries: ${summaries[*]}"
for summary in "${summaries[@]}"; do
    [[ "$summary" == *"${VIRDO_CAPTION%% *}"* ]] || fail "summary '$summary' does not name the window ${VIRDO_CAPTION%% *}"
done
grep -qF "$VIRDO_CAPTION" "$metainfo" || fail "the description does not quote the caption"
[ "$(meta 'name[@{http://www.w3.org/XML/1998/namespace}lang="fr"]' '')" = VIRDO ] || fail "no French name"

echo "metadata OK"
