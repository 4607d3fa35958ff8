#!/usr/bin/env bash
# Builds the Debian package with scripts/package.sh and checks it: the files it must hold,
# that it unpacks, that its desktop entry and AppStream data validate, that lintian finds no
# error or warning, and that the menu's launcher starts the game in the user's data folder.
# Any failure ends the script with a non-zero status.
# Usage: scripts/check-package.sh [output folder, dist/ by default]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-dist}"

# The checking tools, installed when missing (with sudo when not root).
tools=(lintian desktop-file-utils appstream)
scripts/install-missing.sh "${tools[@]}"

deb="$(scripts/package.sh "$out" | tail -n 1)"
[ -f "$deb" ] || { echo "FAIL: no package at '$deb'" >&2; exit 1; }
echo "Checking $deb ($(du -k "$deb" | cut -f1) KiB)"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The files the package must hold; the programs executable.
listing="$(dpkg-deb -c "$deb")"
for f in usr/games/tarvolenka usr/games/tarvolenka-launch; do
  grep -Eq "^-rwxr-xr-x .* \./$f\$" <<<"$listing" || fail "no executable /$f in the package"
done
for f in usr/share/applications/tarvolenka.desktop \
  usr/share/metainfo/io.github.tarvolenka.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/tarvolenka.svg \
  usr/share/man/man6/tarvolenka.6.gz \
  usr/share/doc/tarvolenka/copyright; do
  grep -Eq "^-.* \./$f\$" <<<"$listing" || fail "no /$f in the package"
done

# Unpacked into a scratch root, the files validate.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x could not unpack the package"
root="$scratch/root"
desktop="$root/usr/share/applications/tarvolenka.desktop"
metainfo="$root/usr/share/metainfo/io.github.tarvolenka.metainfo.xml"
if [ -f "$desktop" ]; then
  # desktop-file-validate fails only on errors; warnings count as failures here too.
  report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
  grep -qx 'Exec=tarvolenka-launch' "$desktop" || fail "the desktop entry does not run the launcher"
fi
if [ -f "$metainfo" ]; then
  # Errors fail appstreamcli; warnings, infos and pedantic notes count as failures here.
  report="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" ||
    fail "appstreamcli validate: $report"
  ! grep -Eq '^[[:space:]]*[EWIP]: ' <<<"$report" || fail "appstreamcli validate: $report"
fi
# The unpacked tree as a software centre reads it: the metainfo with its desktop entry.
report="$(appstreamcli validate-tree --pedantic --no-net "$root" 2>&1)" ||
  fail "appstreamcli validate-tree: $report"
! grep -Eq '^[[:space:]]*[EWIP]: ' <<<"$report" || fail "appstreamcli validate-tree: $report"
icon="$root/usr/share/icons/hicolor/scalable/apps/tarvolenka.svg"
if ! [ -s "$icon" ] || ! grep -q '<svg' "$icon"; then
  fail "the icon is not an SVG picture"
fi

# Lintian: no error, and no warning that debian/tarvolenka.lintian-overrides does not explain.
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

# The launcher, unpacked, starts the unpacked program in $XDG_DATA_HOME/tarvolenka (here a
# scratch home's default), which saves its game there at the latest on SIGTERM.
home="$scratch/home"
mkdir -p "$home" "$scratch/elsewhere"
(cd "$scratch/elsewhere" &&
  exec env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$root/usr/games/tarvolenka-launch") >"$scratch/game.log" 2>&1 &
game=$!
# A new game saves as it starts; once the save is there, SIGTERM saves again and ends it.
save="$home/.local/share/tarvolenka/Tarvolenka.cfg"
deadline=$((SECONDS + 120))
while [ ! -s "$save" ] && kill -0 "$game" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
kill -TERM "$game" 2>/dev/null || fail "the game had ended before SIGTERM: $(cat "$scratch/game.log")"
wait "$game" || true
[ -s "$home/.local/share/tarvolenka/Tarvolenka.cfg" ] ||
  fail "no save file in the data folder after the launcher: $(cat "$scratch/game.log")"
[ ! -e "$scratch/elsewhere/Tarvolenka.cfg" ] || fail "the launcher saved in the working folder"

if ((failures)); then
  echo "The package check found $failures fault(s)." >&2
  exit 1
fi
echo "The package check passed: $deb"
