#!/usr/bin/env bash
# Sets up, builds and runs every test of the game: the format check, the play check (the
# README's play command on a display of its own), every test; then the whole suite again under
# the address and undefined-behaviour sanitizers, the save-file and history fuzzers, and the
# package check. The build directories are build, build-asan and build-fuzz, or
# $TARVOLENKA_BUILD_DIR and the same with -asan and -fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${TARVOLENKA_BUILD_DIR:-build}"
started=$SECONDS
step() { echo "== $* ($((SECONDS - started)) s)"; }

# The compiler cache: a clone builds what an earlier one built, in any folder, from the cache.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1

step "Set-up and build"
scripts/setup.sh --tests

# The sources as .clang-format writes them; hand-laid tables sit inside clang-format off/on.
step "Format check"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# First the front door: a broken play command fails the run before the long suites.
step "Play check"
scripts/check-play.sh

# The tests' folders on a memory file system, where a save's fsync costs nothing; the kill
# tests that prove a save durable keep theirs on the disk (TARVOLENKA_DISK_TMPDIR).
memory=""
[ -d /dev/shm ] && [ -w /dev/shm ] && memory="$(mktemp -d /dev/shm/tarvolenka-tests.XXXXXX)"
disk="$(mktemp -d /var/tmp/tarvolenka-tests.XXXXXX)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch" "$disk" ${memory:+"$memory"}' EXIT
# Open to all, with the sticky bit, as /tmp is: some tests play the game as another user.
chmod 1777 "$disk" ${memory:+"$memory"}
export TARVOLENKA_DISK_TMPDIR="$disk"
[ -n "$memory" ] && export TMPDIR="$memory"

export QT_QPA_PLATFORM=offscreen
step "Tests"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# Every test again with the sanitizers; a report fails it. Leaks inside Qt and the system
# libraries are listed in tests/lsan.supp, none of the game's own.
step "Sanitizer build"
sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B "$build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOLENKA_BUILD_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$sanitize" >"$scratch/asan-configure.log" 2>&1 ||
  { cat "$scratch/asan-configure.log" >&2; exit 1; }
cmake --build "$build-asan" -j"$(nproc)" >"$scratch/asan-build.log" 2>&1 ||
  { cat "$scratch/asan-build.log" >&2; exit 1; }
step "Tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$build-asan" --output-on-failure -j"$(nproc)"

# The save-file fuzzer: the logic alone built with clang and libFuzzer, fed for a minute from
# the committed seeds (new inputs go to a scratch directory, never into the repository).
step "Fuzzers"
CC=clang CXX=clang++ cmake -S . -B "$build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARVOLENKA_WITH_QT=OFF -DTARVOLENKA_BUILD_BENCH=OFF -DTARVOLENKA_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=${sanitize/address,undefined/address,undefined,fuzzer-no-link}" \
  >"$scratch/fuzz-configure.log" 2>&1 || { cat "$scratch/fuzz-configure.log" >&2; exit 1; }
cmake --build "$build-fuzz" -j"$(nproc)" >"$scratch/fuzz-build.log" 2>&1 ||
  { cat "$scratch/fuzz-build.log" >&2; exit 1; }
mkdir -p "$scratch/save" "$scratch/history"
# Each input is a game in its own directory: on a memory file system its saves cost nothing,
# and a smaller quarantine keeps the allocator from touching fresh pages all the time.
ASAN_OPTIONS=quarantine_size_mb=16:max_malloc_fill_size=0 \
  "$build-fuzz/tests/fuzz/save_file_fuzz" -max_total_time=60 -timeout=30 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$build-fuzz/" "$scratch/save" tests/fuzz/corpus
# The history's reader, fed lines for half a minute from seeds of every kind of record.
"$build-fuzz/tests/fuzz/history_line_fuzz" -max_total_time=30 -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -print_final_stats=1 -artifact_prefix="$build-fuzz/" "$scratch/history" \
  tests/fuzz/history_corpus

# The Debian package, built into dist/ and checked: its files, its desktop entry and AppStream
# data, lintian, and the menu launcher's save folder. Built on disk, not in /dev/shm.
step "Package check"
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
TMPDIR=/tmp scripts/check-package.sh
step "All checks passed"
