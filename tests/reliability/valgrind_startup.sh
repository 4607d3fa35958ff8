#!/usr/bin/env bash
# Starts the real program under valgrind, headless and mute, in a fresh directory; once it has
# made its save file (during start-up) and run a moment, ends it with SIGTERM, which saves and
# quits through the normal shutdown. Fails on any definite leak outside the system libraries
# listed in the suppression file, and when the program does not end cleanly.
# Usage: valgrind_startup.sh <program> [suppression file]
set -euo pipefail
program="$1"
suppressions=()
[ $# -ge 2 ] && suppressions=(--suppressions="$2")

dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cd "$dir"

QT_QPA_PLATFORM=offscreen TARVOLENKA_MUTE=1 valgrind --leak-check=full \
  --errors-for-leak-kinds=definite --show-leak-kinds=definite --error-exitcode=99 \
  "${suppressions[@]}" "$program" >valgrind.log 2>&1 &
pid=$!

for _ in $(seq 600); do
  [ -s Tarvolenka.cfg ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
sleep 3  # the event loop runs: timers tick, the windows paint
kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?

grep -E "definitely lost|ERROR SUMMARY|Process terminating" valgrind.log || true
if [ "$status" -ne 0 ]; then
  cat valgrind.log
  echo "valgrind run failed with status $status"
  exit 1
fi
[ "$(stat -c %s Tarvolenka.cfg)" -eq 120 ] || { echo "no save file after the run"; exit 1; }
echo "no definite leak; the game saved and ended cleanly"
