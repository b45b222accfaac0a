#!/usr/bin/env bash
# The package's control fields: name, version, architecture, section, maintainer, the
# dependencies found by dpkg-shlibdeps plus the ones the game needs without linking them,
# and a description in English; the source package's Build-Depends.
#   check-control.sh DEB_DIR
source "$(dirname "$0")/common.sh"
deb=$(deb_in "$1")

dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = virdo ] || fail "Package is '$(field Package)', not virdo"
[ "$(field Version)" = "$VIRDO_VERSION" ] || fail "Version is '$(field Version)', not $VIRDO_VERSION"
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
# The voice: its plugin's library found by dpkg-shlibdeps, the synthesizer recommended.
has libqt6texttospeech6 || fail "Depends lacks libqt6texttospeech6: $depends"
for p in qt6-speech-speechd-plugin speech-dispatcher-espeak-ng; do
    grep -q -- "$p" <<<"$(field Recommends)" || fail "Recommends lacks $p: $(field Recommends)"
done
# Versioned library dependencies only come from dpkg-shlibdeps.
grep -Eq '(^|, )libqt6widgets6 \(>= [0-9.]+\)' <<<"$depends" || fail "no versioned libqt6widgets6: dpkg-shlibdeps did not run"
# Each dependency is a package this Debian knows (here, installed by scripts/packages.sh).
for p in "${names[@]}"; do
    grep -q 'install ok installed' <<<"$(dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null)" \
        || grep -qx -- "$p" <<<"$(dpkg-query -W -f='${Provides}\n' 2>/dev/null | tr ',' '\n' | sed -E 's/\(.*\)//; s/ //g')" \
        || fail "dependency $p is not installed here: a name Debian does not have?"
done

# Description: an English synopsis, then a long English text that says the game is in French.
description=$(field Description)
synopsis=$(head -n1 <<<"$description")
long=$(tail -n +2 <<<"$description")
[ -n "$synopsis" ] || fail "empty synopsis"
[ "${#synopsis}" -le 80 ] || fail "synopsis longer than 80 characters: $synopsis"
[ "$(wc -l <<<"$long")" -ge 3 ] || fail "long description under three lines"
grep -q 'mental arithmetic' <<<"$synopsis" || fail "synopsis does not say 'mental arithmetic': $synopsis"
grep -q 'French' <<<"$synopsis$long" || fail "description does not say the game is in French"
for word in ' the ' ' and ' ' is '; do
    grep -q -- "$word" <<<"$long" || fail "long description not in English (no '$word')"
done
grep -Eiq '\b(est|jeu|le|calcul)\b' <<<"$synopsis$long" && fail "description has French words"

# The source package: built with debhelper and CMake against the Qt the game links.
dsc="$(dirname "$deb")/virdo_${VIRDO_VERSION}.dsc"
[ -f "$dsc" ] || fail "no source package $dsc"
build_depends=$(sed -n '/^Build-Depends:/,/^[A-Z]/p' "$dsc" | sed '$d' | tr -d '\n')
for p in debhelper-compat cmake qt6-base-dev qt6-multimedia-dev pandoc qt6-speech-dev; do
    grep -q -- "$p" <<<"$build_depends" || fail "Build-Depends lacks $p: $build_depends"
done
grep -q '^Format: 3.0 (native)$' "$dsc" || fail "the source package is not 3.0 (native)"
echo "control fields OK"
