#!/usr/bin/env bash
# Sets up, builds and starts the game. The save file Tarvolenka.cfg is kept in the folder you
# start this from. Arguments go to the game (--help, --version).
set -euo pipefail
here="$(pwd)"
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
build="${TARVOLENKA_BUILD_DIR:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
# The build names where it put the program.
program="$(cat "$build/program-path")"
cd "$here"
exec "$program" "$@"
