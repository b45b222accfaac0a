#!/usr/bin/env bash
# The package's control fields: name, version, architecture, section, maintainer, the
# dependencies found by dpkg-shlibdeps plus the ones the game needs without linking them,
# and a description in French.
#   check-control.sh DEB_DIR
source "$(dirname "$0")/common.sh"
deb=$(deb_in "$1")

dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = virdo ] || fail "Package is '$(field Package)', not virdo"
[ "$(field Version)" = 1.00 ] || fail "Version is '$(field Version)', not 1.00"
[ "$(field Architecture)" = "$VIRDO_ARCH" ] || fail "Architecture is '$(field Architecture)', not $VIRDO_ARCH"
case "$(field Section)" in
    games | education) ;;
    *) fail "Section is '$(field Section)', neither games nor education" ;;
esac
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Installed-Size)" ] || fail "no Installed-Size"

# Depends: every name, alternatives included, versions dropped.
depends=$(field Depends)
[ -n "$depends" ] || fail "no Depends"
mapfile -t names < <(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/:any//; s/^ +//; s/ +$//' | grep -v '^$')
# Here-strings, not pipes, into grep -q: under pipefail its early exit fails the pipeline.
has() { grep -qx -- "$1" <<<"$(printf '%s\n' "${names[@]}")"; }
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
         qt6-qpa-plugins fonts-liberation fonts-quicksand fonts-dancingscript fonts-dejavu-core; do
    has "$p" || fail "Depends lacks $p: $depends"
done
# Versioned library dependencies only come from dpkg-shlibdeps.
grep -Eq '(^|, )libqt6widgets6 \(>= [0-9.]+\)' <<<"$depends" || fail "no versioned libqt6widgets6: dpkg-shlibdeps did not run"
# Each dependency is a package this Debian knows (here, installed by scripts/packages.sh).
for p in "${names[@]}"; do
    grep -q 'install ok installed' <<<"$(dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null)" \
        || grep -qx -- "$p" <<<"$(dpkg-query -W -f='${Provides}\n' 2>/dev/null | tr ',' '\n' | sed -E 's/\(.*\)//; s/ //g')" \
        || fail "dependency $p is not installed here: a name Debian does not have?"
done

# Description: a French synopsis, then a long French text.
description=$(field Description)
synopsis=$(head -n1 <<<"$description")
long=$(tail -n +2 <<<"$description")
[ -n "$synopsis" ] || fail "empty synopsis"
[ "${#synopsis}" -le 80 ] || fail "synopsis longer than 80 characters: $synopsis"
[ "$(wc -l <<<"$long")" -ge 3 ] || fail "long description under three lines"
grep -q 'calcul mental' <<<"$synopsis$long" || fail "description does not mention 'calcul mental'"
for word in ' est ' ' un ' ' et ' ' le ' ' la '; do
    grep -q -- "$word" <<<"$long" || fail "long description not in French (no '$word')"
done
grep -q '[éèàç]' <<<"$long" || fail "long description has no French accents"
! grep -Eiq '\b(the|and|game)\b' <<<"$synopsis$long" || fail "description has English words"
echo "control fields OK"
