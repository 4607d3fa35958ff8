#!/usr/bin/env bash
# Sets up, builds and runs every test of the game; then the whole suite again under the
# address and undefined-behaviour sanitizers, and the save-file fuzzer for a minute. The build
# directories are build, build-asan and build-fuzz, or $TARVOLENKA_BUILD_DIR and the same
# with -asan and -fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${TARVOLENKA_BUILD_DIR:-build}"
scripts/setup.sh

# The sources as .clang-format writes them; hand-laid tables sit inside clang-format off/on.
find catalogue core bonus double game qt program tests bench tools \
  \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# Every test again with the sanitizers; a report fails it. Leaks inside Qt and the system
# libraries are listed in tests/lsan.supp, none of the game's own.
sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B "$build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOLENKA_BUILD_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$sanitize" >/dev/null
cmake --build "$build-asan" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$build-asan" --output-on-failure -j"$(nproc)"

# The save-file fuzzer: the logic alone built with clang and libFuzzer, fed for a minute from
# the committed seeds (new inputs go to a scratch directory, never into the repository).
CC=clang CXX=clang++ cmake -S . -B "$build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARVOLENKA_WITH_QT=OFF -DTARVOLENKA_BUILD_BENCH=OFF -DTARVOLENKA_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=${sanitize/address,undefined/address,undefined,fuzzer-no-link}" >/dev/null
cmake --build "$build-fuzz" -j"$(nproc)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Each input is a game in its own directory: on a memory file system its saves cost nothing,
# and a smaller quarantine keeps the allocator from touching fresh pages all the time.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
ASAN_OPTIONS=quarantine_size_mb=16:max_malloc_fill_size=0 \
  "$build-fuzz/tests/fuzz/save_file_fuzz" -max_total_time=60 -timeout=30 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$build-fuzz/" "$scratch" tests/fuzz/corpus
# The history's reader, fed lines for half a minute from seeds of every kind of record.
mkdir -p "$scratch/history"
"$build-fuzz/tests/fuzz/history_line_fuzz" -max_total_time=30 -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -print_final_stats=1 -artifact_prefix="$build-fuzz/" "$scratch/history" \
  tests/fuzz/history_corpus

# The Debian package, built into dist/ and checked: its files, its desktop entry and AppStream
# data, lintian, and the menu launcher's save folder. Built on disk, not in /dev/shm.
TMPDIR=/tmp scripts/check-package.sh
