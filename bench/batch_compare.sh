#!/usr/bin/env bash
# spurgear-cli batch against bench/batch_numpy.py on the same rows: pairs
# per processor second of each (user + system, one job), the two run by
# turns so that a change in the machine's load falls on both alike.
# Usage: bench/batch_compare.sh [BUILD_DIR] [ROWS] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}; rows=${2:-200000}; rounds=${3:-3}
py=/usr/bin/python3  # the system's, where python3-numpy installs numpy
cmake --build "$build" --target spurgear-cli >/dev/null
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
# Ordinary pairs of a design sweep, as bench/batch_bench.cpp makes them.
"$py" - "$rows" > "$dir/rows.csv" <<'PY'
import random, sys
rng = random.Random(17)
print("module,z1,z2,x1,x2,correction")
for _ in range(int(sys.argv[1])):
    print(f"{rng.choice([0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10])},{rng.randint(12, 120)},"
          f"{rng.randint(12, 120)},{rng.randint(-300, 800) / 1000},{rng.randint(-300, 800) / 1000},"
          f"{'0.05' if rng.randint(0, 3) == 0 else '0'}")
PY
cpu() {  # processor seconds of one run
  /usr/bin/time -f "%U %S" -o "$dir/t" "$@" < "$dir/rows.csv" > "$dir/out.csv" || true
  awk '{ printf "%.2f", $1 + $2 }' "$dir/t"
}
for i in $(seq "$rounds"); do
  b=$(cpu "$build/bin/spurgear-cli" batch --jobs 1 --format csv)
  n=$(cpu "$py" bench/batch_numpy.py)
  awk -v b="$b" -v n="$n" -v r="$rows" -v l="$(cut -d' ' -f1 /proc/loadavg)" 'BEGIN {
    printf "round: batch %.2f s (%.0f pairs/s), numpy %.2f s (%.0f pairs/s), ratio %.2f, load %s\n",
           b, r / b, n, r / n, n / b, l }'
done
