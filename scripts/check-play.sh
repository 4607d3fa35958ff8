#!/usr/bin/env bash
# The front door, tried as a new player would: scripts/play.sh started from an empty folder on
# a display of its own (Xvfb, or Qt's offscreen platform without it) shows the game, and
# SIGTERM ends it with status 0 and a 120-byte save in that folder. Then --version, --help, a
# wrong argument and a start without a display, none of which may leave a file behind.
# Any failure ends the script with a non-zero status.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
scratch="$(mktemp -d)"
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Waits up to $2 seconds (generous: a loaded machine, a first build) for command $1 to succeed.
await() {
  local deadline=$((SECONDS + $2))
  until eval "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# A home of its own, so that no setting or picture cache of the player's is read or written.
home="$scratch/home"
mkdir -p "$home" "$scratch/play" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
unset XDG_DATA_HOME WAYLAND_DISPLAY

if command -v Xvfb >/dev/null; then
  # Xvfb picks a free display and writes its number to the file.
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  server=$!
  await "[ -s '$scratch/display' ]" 60 || { cat "$scratch/xvfb.log" >&2; echo "FAIL: no Xvfb" >&2; exit 1; }
  export DISPLAY=":$(head -n 1 "$scratch/display")"
  unset QT_QPA_PLATFORM
  echo "The play check runs on Xvfb, display $DISPLAY."
else
  export QT_QPA_PLATFORM=offscreen
  unset DISPLAY
  echo "The play check runs on Qt's offscreen platform (no Xvfb)."
fi

log="$scratch/play.log"
(cd "$scratch/play" && TARVOLENKA_FRAME_MARKS=1 exec "$root/scripts/play.sh") >"$log" 2>&1 &
game=$!
# The first frame, or the end of the game without one: a play command that fails fails at once.
shown() { grep -q '^frame-mark first-frame' "$log" || ! kill -0 "$game" 2>/dev/null; }
if await shown 900 && grep -q '^frame-mark first-frame' "$log" && kill -0 "$game" 2>/dev/null; then
  # Started: its first frame is on the screen. SIGTERM ends it saved, with status 0.
  kill -TERM "$game"
  status=0
  wait "$game" || status=$?
  ((status == 0)) || fail "the game ended with status $status on SIGTERM: $(cat "$log")"
else
  fail "scripts/play.sh did not show the game: $(cat "$log")"
  kill -KILL "$game" 2>/dev/null || true
fi
save="$scratch/play/Tarvolenka.cfg"
if [ -f "$save" ]; then
  size="$(stat -c %s "$save")"
  ((size == 120)) || fail "the save is $size bytes, not 120"
else
  fail "no save in the folder scripts/play.sh was started from"
fi
# Past the frame marks, a start that had nothing to build prints nothing.
if grep -v '^frame-mark ' "$log" | grep -q .; then
  fail "scripts/play.sh printed more than the game: $(cat "$log")"
fi

# The command line opens no window, needs no display and creates no file.
program="$(cat "${TARVOLENKA_BUILD_DIR:-$root/build}/program-path")"
quiet="$scratch/quiet"
mkdir -p "$quiet"
files_before="$(find "$home" "$quiet" | sort)"
run() { (cd "$quiet" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"); }
status=0
out="$(run "$program" --version)" || status=$?
((status == 0)) && [[ "$out" == "Tarvolenka "[0-9]* ]] || fail "--version: status $status, '$out'"
status=0
out="$(run "$program" --help)" || status=$?
((status == 0)) && grep -q '^Usage: tarvolenka' <<<"$out" && grep -q 'Tarvolenka.cfg' <<<"$out" &&
  grep -q 'Space' <<<"$out" || fail "--help: status $status, '$out'"
status=0
out="$(run "$program" --no-such-option 2>&1)" || status=$?
((status == 2)) && grep -q "unknown option '--no-such-option'" <<<"$out" ||
  fail "a wrong option: status $status, '$out'"
status=0
out="$(run "$program" 2>&1)" || status=$?
((status == 1)) && grep -q 'DISPLAY' <<<"$out" || fail "no display: status $status, '$out'"
status=0
out="$(run env DISPLAY=:4095 "$program" 2>&1)" || status=$?
((status == 1)) && grep -q "':4095'" <<<"$out" || fail "a display that does not answer: status $status, '$out'"
files_after="$(find "$home" "$quiet" | sort)"
[ "$files_before" = "$files_after" ] ||
  fail "the command line left files: $(comm -13 <(echo "$files_before") <(echo "$files_after"))"

if ((failures)); then
  echo "The play check found $failures fault(s)." >&2
  exit 1
fi
echo "The play check passed."
