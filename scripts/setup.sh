#!/usr/bin/env bash
# Installs the Debian packages the game needs (when missing) and builds it into build/, or into
# $TARVOLENKA_BUILD_DIR (relative to the project's folder) when that is set.
#   scripts/setup.sh          what building and playing need; builds the game and its sound module
#   scripts/setup.sh --tests  also the test tools; builds everything: tests, benchmarks and tools
# Quiet: a build with work to do says so in a line (a percentage on a terminal) and a summary, a
# build that fails shows its whole log, and an up-to-date one prints nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

tests=""
[ "${1:-}" = "--tests" ] && tests=1

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-multimedia-dev libjpeg-dev zlib1g-dev)
# The tests, the sanitizers and fuzzer, the format check, and the play check's display.
[ -n "$tests" ] && packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  valgrind clang-format ccache xvfb xdotool)
scripts/install-missing.sh "${packages[@]}"

build="${TARVOLENKA_BUILD_DIR:-build}"
mkdir -p "$build"
log="$build/setup.log"
# A new build folder for playing leaves the tests out; --tests turns them on in any folder.
options=()
if [ -n "$tests" ]; then
  options=(-DTARVOLENKA_BUILD_TESTS=ON -DTARVOLENKA_BUILD_BENCH=ON)
elif [ ! -f "$build/CMakeCache.txt" ]; then
  options=(-DTARVOLENKA_BUILD_TESTS=OFF -DTARVOLENKA_BUILD_BENCH=OFF)
fi
if [ -n "$tests" ] || [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >"$log" 2>&1 ||
    { cat "$log" >&2; echo "setup: configuring $build failed" >&2; exit 1; }
fi

targets=(--target tarvolenka)  # the program; the sound module it loads comes with it
[ -n "$tests" ] && targets=()

# The build runs with its output in the log; this side watches the log for work being done.
cmake --build "$build" -j"$(nproc)" "${targets[@]}" >"$log" 2>&1 &
builder=$!
trap 'kill "$builder" 2>/dev/null || true' EXIT
start=$SECONDS
announced=""
while kill -0 "$builder" 2>/dev/null; do
  sleep 0.2
  if [ -z "$announced" ] && grep -qE '^\[ *[0-9]+%\] (Building|Linking)' "$log"; then
    announced=1
    if [ -t 1 ]; then
      printf 'Building Tarvolenka in %s ...' "$build"
    else
      echo "Building Tarvolenka in $build (a first build takes a few minutes) ..."
    fi
  fi
  if [ -n "$announced" ] && [ -t 1 ]; then
    percent="$(grep -oE '^\[ *[0-9]+%\]' "$log" | tail -n 1 | tr -dc '0-9')"
    printf '\rBuilding Tarvolenka in %s ... %s %%' "$build" "${percent:-0}"
  fi
done
status=0
wait "$builder" || status=$?
trap - EXIT
if ((status)); then
  [ -n "$announced" ] && [ -t 1 ] && echo
  cat "$log" >&2
  echo "setup: the build failed (its log is $log)" >&2
  exit "$status"
fi
if [ -n "$announced" ]; then
  [ -t 1 ] && printf '\r\033[K'
  echo "Built in $((SECONDS - start)) s."
fi
