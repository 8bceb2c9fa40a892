#!/usr/bin/env bash
# Start-up time of the program against a bare Qt 6 window of the same size:
# from exec to the first complete frame (the last paint of the window and its
# children before a quiet spell), under a virtual display, the median of 20
# runs each, the two programs run by turns. Usage: bench/startup.sh [BUILD_DIR]
# (run under an X server, or it starts one with xvfb-run). BARE=--label gives
# the bare window one Japanese label in the main window's face.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} QT_QPA_PLATFORM=xcb SPURGEAR_STARTUP_PROBE=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cmake --build "$build" --target spurgear spurgear_bare_window >/dev/null

# Milliseconds (times 1000) from exec to the first complete frame of one run.
once() {
  local start shown
  start=$(date +%s%N)
  shown=$("$@" | head -n 1)
  echo $(( (shown - start) / 1000 ))
}
median() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }

read -r -a bare_args <<<"${BARE:-}"
"$build/bin/spurgear_bare_window" "${bare_args[@]}" >/dev/null  # warm the caches once each
"$build/bin/spurgear" >/dev/null
# The two run by turns, so that a change in the machine's load meanwhile
# falls on both alike, each after a pause: the display server and the kernel
# are still busy with the previous run's ending for some milliseconds, which
# slowed the one started next (the bare window, after the program, by a
# fifth). SETTLE=0 runs them back to back.
settle=${SETTLE:-0.3}
bare_runs=() program_runs=()
for _ in $(seq 20); do
  sleep "$settle"
  bare_runs+=("$(once "$build/bin/spurgear_bare_window" "${bare_args[@]}")")
  sleep "$settle"
  program_runs+=("$(once "$build/bin/spurgear")")
done
bare=$(printf '%s\n' "${bare_runs[@]}" | median)
program=$(printf '%s\n' "${program_runs[@]}" | median)
ratio=$(awk -v p="$program" -v b="$bare" 'BEGIN { printf "%.2f", p / b }')
echo "bare Qt window${BARE:+ $BARE}: ${bare} ms (median of 20)"
echo "spurgear:       ${program} ms (median of 20)"
echo "ratio:          ${ratio} (aim: at most 1.5; ${settle} s between runs; load $(cut -d' ' -f1-3 /proc/loadavg))"

# The shared objects mapped at each one's first frame; those the bare window
# does without are marked +.
libraries() { SPURGEAR_STARTUP_PROBE=libraries "$1" | tail -n +2 | xargs -n 1 basename | sort; }
bare_libraries=$(libraries "$build/bin/spurgear_bare_window")
program_libraries=$(libraries "$build/bin/spurgear")
echo "libraries at the first frame: spurgear $(wc -l <<<"$program_libraries"), bare $(wc -l <<<"$bare_libraries")"
while read -r lib; do
  if grep -qxF "$lib" <<<"$bare_libraries"; then echo "    $lib"; else echo "  + $lib"; fi
done <<<"$program_libraries"
