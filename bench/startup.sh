#!/usr/bin/env bash
# Start-up and idle cost of the game beside a bare Qt window of the same size, in one run.
#
#   bench/startup.sh [--build DIR] [--runs N] [--idle SECONDS] [--settle SECONDS]
#
# For each program, each run started in a fresh folder: process start -> window mapped, start ->
# first frame complete (both in seconds, median of the runs), resident memory once idle after
# start (VmRSS), and the CPU it takes while idle, as a share of one core (the run time of all
# its threads from /proc/PID/task, in nanoseconds, both programs idling side by side; the median of
# 10-second slices of --idle seconds, so one burst of other work does not swing it, and the
# whole window). Then a key press (Shift, which plays nothing) loads the game's sound system, and
# its resident memory is taken again once it has settled. Prints the figures and game / bare
# ratios, and the idle CPU beside the bare window with a label changed once a second (--tick),
# the least a countdown's repaint a second can cost.
#
# The game keeps its rendered pictures in a cache folder, so only its first start renders them:
# each run starts the game twice, with a cache folder filled by an earlier start and with an
# empty one of its own ("cold"). The user's own cache folder is left alone.
#
# Under Xvfb with openbox when they are installed; "mapped" is then the window manager mapping
# the window (a MapNotify on the root, seen by xev). Without Xvfb it runs on the offscreen
# platform and says so; "mapped" is then the first exposure the program reports. The first
# frame is reported by the programs themselves: TARVOLENKA_FRAME_MARKS=1 makes them print to
# stderr when their window is exposed and when its first frame has been painted and flushed.
set -euo pipefail

build=build
runs=6
idle=60
settle=2
while (($#)); do
  case $1 in
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    -h | --help) sed -n '2,24p' "$0"; exit 0 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done

build=$(cd "$build" && pwd)
game=$build/program/tarvolenka
bare=$build/bench/bare_window
for p in "$game" "$bare"; do
  [[ -x $p ]] || { echo "missing $p: build the project first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/startup-bench.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Microseconds since the epoch, from bash itself so that taking the time forks nothing.
now_us() { local t=${EPOCHREALTIME/./}; echo "$t"; }

missing=()
for tool in Xvfb openbox xev stdbuf xdotool; do command -v "$tool" >/dev/null || missing+=("$tool"); done
mode=offscreen
if command -v Xvfb >/dev/null && command -v xev >/dev/null; then
  mode=xvfb
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
  export DISPLAY=:$(head -1 "$work/display")
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    echo "display: Xvfb $DISPLAY with openbox"
  else
    echo "display: Xvfb $DISPLAY without a window manager (openbox is not installed)"
  fi
else
  export QT_QPA_PLATFORM=offscreen
  echo "display: none - offscreen platform; 'mapped' is the program's own first exposure"
fi
((${#missing[@]})) &&
  echo "not installed: ${missing[*]} (apt-get install xvfb openbox x11-utils coreutils xdotool)"
echo "runs: $runs, idle window: ${idle} s; other load on the machine skews both programs alike"

median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

# Waits for a line "frame-mark WHAT TIME" in FILE; prints TIME.
wait_mark() {
  local file=$1 what=$2 line
  for _ in $(seq 2000); do
    line=$(grep -m1 "^frame-mark $what " "$file" 2>/dev/null || true)
    [[ -n $line ]] && { echo "${line##* }"; return; }
    sleep 0.01
  done
  echo "no $what mark in $file" >&2
  return 1
}

# The cache folder every start but the cold ones shares.
warm_cache=$work/warm-cache

# Starts PROGRAM in a fresh folder DIR with the cache folder CACHE and the arguments after them;
# sets START (us) and PID.
launch() {
  local program=$1 dir=$2 cache=$3
  shift 3
  mkdir -p "$dir"
  START=$(now_us)
  (cd "$dir" && XDG_CACHE_HOME=$cache TARVOLENKA_FRAME_MARKS=1 exec "$program" "$@" 2>"$dir/stderr") &
  PID=$!
  pids+=("$PID")
}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# Nanoseconds on a CPU of each thread of PID, as lines "thread nanoseconds" in FILE.
cpu_snapshot() {
  local t
  for t in /proc/"$1"/task/*; do
    [[ -r $t/schedstat ]] && echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null)"
  done >"$2"
}
# Share of one core, in %, that the threads in both snapshots took over MICROSECONDS; a thread
# that ended in between (Qt retires idle pool threads) is left out rather than counted back.
cpu_share() {
  awk -v t="$3" 'NR == FNR {a[$1] = $2; next} ($1 in a) {d += $2 - a[$1]}
    END {printf "%.4f\n", 100 * d / 1e3 / t}' "$1" "$2"
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# One start of PROGRAM (named NAME) with the cache folder CACHE; appends "mapped_s frame_s rss_kb"
# to $work/NAME.
measure_once() {
  local name=$1 program=$2 run=$3 cache=$4 watcher mapped exposed frame
  local dir=$work/$name-$run
  mkdir -p "$dir"
  if [[ $mode == xvfb ]]; then
    # Each MapNotify on the root is stamped as it arrives.
    stdbuf -oL xev -root -event substructure 2>/dev/null > >(while IFS= read -r line; do
      [[ $line == MapNotify* ]] && echo "${EPOCHREALTIME/./}"
    done >"$dir/maps") &
    watcher=$!
    sleep 0.3
  fi
  launch "$program" "$dir" "$cache"
  frame=$(wait_mark "$dir/stderr" first-frame)
  exposed=$(wait_mark "$dir/stderr" exposed)
  if [[ $mode == xvfb ]]; then
    for _ in $(seq 200); do [[ -s $dir/maps ]] && break; sleep 0.01; done
    mapped=$(head -1 "$dir/maps")
    stop "$watcher"
  else
    mapped=$exposed
  fi
  sleep "$settle"
  local rss
  rss=$(rss_kb "$PID")
  stop "$PID"
  awk -v m=$((mapped - START)) -v f=$((frame - START)) -v r="$rss" \
    'BEGIN {printf "%.4f %.4f %d\n", m / 1e6, f / 1e6, r}' >>"$work/$name"
}

# A first start fills the cache folder, as the player's first start does.
measure_once warm-up "$game" 0 "$warm_cache"
for run in $(seq "$runs"); do
  measure_once game "$game" "$run" "$warm_cache"
  measure_once cold "$game" "$run" "$work/cold-$run/cache"
  measure_once bare "$bare" "$run" "$warm_cache"
done

# Idle: the programs side by side, after they have settled. The third is the bare window with a
# label changed once a second, as the game's countdown is: the floor of the game's idle CPU.
launch "$game" "$work/game-idle" "$warm_cache"; game_pid=$PID
launch "$bare" "$work/bare-idle" "$warm_cache"; bare_pid=$PID
launch "$bare" "$work/tick-idle" "$warm_cache" --tick; tick_pid=$PID
sleep $((settle + 2))
slice=10
((idle < slice)) && slice=$idle
idlers=(game bare tick)
declare -A idler_pid=([game]=$game_pid [bare]=$bare_pid [tick]=$tick_pid)
for n in "${idlers[@]}"; do
  : >"$work/$n-slices"
  cpu_snapshot "${idler_pid[$n]}" "$work/$n-0"
  cp "$work/$n-0" "$work/$n-s"
done
t0=$(now_us); ts=$t0
for _ in $(seq $((idle / slice))); do
  sleep "$slice"
  for n in "${idlers[@]}"; do cpu_snapshot "${idler_pid[$n]}" "$work/$n-now"; done
  t=$(now_us)
  for n in "${idlers[@]}"; do
    cpu_share "$work/$n-s" "$work/$n-now" $((t - ts)) >>"$work/$n-slices"
    mv "$work/$n-now" "$work/$n-s"
  done
  ts=$t
done
gw=$(cpu_share "$work/game-0" "$work/game-s" $((ts - t0)))
bw=$(cpu_share "$work/bare-0" "$work/bare-s" $((ts - t0)))
tw=$(cpu_share "$work/tick-0" "$work/tick-s" $((ts - t0)))

# The sound system loads at the first key press; Shift is a key the game ignores otherwise.
gs=0
if [[ $mode == xvfb ]] && command -v xdotool >/dev/null; then
  window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -1 || true)
  if [[ -n $window ]]; then
    xdotool windowactivate --sync "$window" key shift 2>/dev/null || true
    sleep "$settle"
    grep -q tarvolenka_sound "/proc/$game_pid/maps" && gs=$(rss_kb "$game_pid")
  fi
fi
((gs)) || echo "the sound system did not load (TARVOLENKA_MUTE set, or no xdotool): no figure for it"
stop "$game_pid"; stop "$bare_pid"; stop "$tick_pid"

col() { awk -v c="$2" '{print $c}' "$work/$1" | median; }
gm=$(col game 1); bm=$(col bare 1); cm=$(col cold 1)
gf=$(col game 2); bf=$(col bare 2); cf=$(col cold 2)
gr=$(col game 3); br=$(col bare 3); cr=$(col cold 3)
gc=$(median <"$work/game-slices"); bc=$(median <"$work/bare-slices")
tc=$(median <"$work/tick-slices")

echo
printf '%-36s %12s %12s %8s\n' "" "game" "bare window" "ratio"
row() { awk -v n="$1" -v g="$2" -v b="$3" -v f="$4" -v s="$5" \
  'BEGIN {r = b > 0 ? sprintf("%7.2fx", g / b) : "      -"
         printf "%-36s %12s %12s %s\n", n, sprintf(f, g*s), sprintf(f, b*s), r}'; }
row "start -> mapped, median (s)" "$gm" "$bm" "%.3f" 1
row "start -> first frame, median (s)" "$gf" "$bf" "%.3f" 1
row "cold start -> mapped, median (s)" "$cm" "$bm" "%.3f" 1
row "cold start -> first frame, median (s)" "$cf" "$bf" "%.3f" 1
row "resident memory idle, median (MB)" "$gr" "$br" "%.1f" 0.0009765625
row "  the same after a cold start (MB)" "$cr" "$br" "%.1f" 0.0009765625
row "  once the sound has loaded (MB)" "$gs" "$br" "%.1f" 0.0009765625
row "CPU idle, median ${slice} s slice (%)" "$gc" "$bc" "%.3f" 1
row "CPU idle over the ${idle} s (% of a core)" "$gw" "$bw" "%.3f" 1
row "  beside the bare window's ticking label" "$gw" "$tw" "%.3f" 1
echo
echo "each run (mapped s, first frame s, RSS kB):"
paste -d' ' <(sed 's/^/game /' "$work/game") <(sed 's/^/cold /' "$work/cold") \
  <(sed 's/^/bare /' "$work/bare")
