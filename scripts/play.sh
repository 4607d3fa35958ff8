#!/usr/bin/env bash
# Sets up, builds and starts the game. The save file Tarvolenka.cfg is kept in the directory
# you start this from.
set -euo pipefail
here="$(pwd)"
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cd "$here"
exec "$root/build/tarvolenka"
