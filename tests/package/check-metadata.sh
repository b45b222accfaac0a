#!/usr/bin/env bash
# The installed menu entry and software-centre description: valid for desktop-file-validate
# and appstreamcli (no network), and consistent with each other and with the installed files.
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

# desktop-file-validate: exit 0 and no error or warning (hints, such as the two main
# categories Game and Education, are fine).
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || echo "$out"
grep -Eiq ': (error|warning):' <<<"$out" && fail "desktop-file-validate complains: $out"

[ "$(desktop_key "$desktop" Type)" = Application ] || fail "Type is not Application"
[ "$(desktop_key "$desktop" Name)" = VIRDO ] || fail "Name is not VIRDO"
[ "$(desktop_key "$desktop" Terminal)" = false ] || fail "Terminal is not false"
comment=$(desktop_key "$desktop" Comment)
grep -q 'calcul mental' <<<"$comment" || fail "Comment '$comment' is not the French one"
categories=";$(desktop_key "$desktop" Categories)"
for c in Education Game Math; do
    [[ "$categories" == *";$c;"* ]] || fail "Categories lack $c: $categories"
done
icon=$(desktop_key "$desktop" Icon)
for n in "${VIRDO_ICON_SIZES[@]}"; do
    [ -f "$root/usr/share/icons/hicolor/${n}x${n}/apps/$icon.png" ] || fail "Icon=$icon has no ${n}x${n} picture installed"
done
program=$(desktop_key "$desktop" Exec | awk '{ print $1 }')
case "$program" in
    /*) [ -x "$root$program" ] || fail "Exec program $program is not installed" ;;
    *) [ -x "$root/usr/bin/$program" ] || [ -x "$root/usr/games/$program" ] || fail "Exec program $program is not installed on the PATH" ;;
esac

# appstreamcli: the file alone (pedantic) and the whole installed tree (desktop entry and
# icons found for the component).
for args in "validate --no-net --pedantic $metainfo" "validate-tree --no-net $root"; do
    # shellcheck disable=SC2086
    out=$(appstreamcli $args 2>&1) || fail "appstreamcli $args: $out"
    echo "$out"
    grep -Eq '^ *[EW]: ' <<<"$out" && fail "appstreamcli $args complains: $out"
done

meta() { python3 -c 'import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); print("\n".join((e.text or "").strip() if sys.argv[3] == "" else e.get(sys.argv[3], "") for e in r.iterfind(sys.argv[2])))' "$metainfo" "$@"; }
[ "$(meta id '')" = "$VIRDO_APP_ID" ] || fail "metainfo id is '$(meta id '')'"
[ "$(meta name '')" = VIRDO ] || fail "metainfo name is '$(meta name '')'"
[ "$(meta launchable '')" = "$VIRDO_APP_ID.desktop" ] || fail "metainfo launches '$(meta launchable '')'"
[ "$(meta releases/release version)" = "1.00" ] || fail "metainfo release is '$(meta releases/release version)', not 1.00"
[ -n "$(meta releases/release date)" ] || fail "metainfo release has no date"
[ -n "$(meta content_rating type)" ] || fail "metainfo has no content rating"
grep -q 'calcul mental' <<<"$(meta summary '')" || fail "metainfo summary '$(meta summary '')' is not the French one"
shot=$(meta screenshots/screenshot/image '')
[ "${shot##*/}" = virdo-main.png ] || fail "metainfo screenshot is '$shot', not our virdo-main.png"
echo "metadata OK"
