#!/usr/bin/env bash
# Times "All selected items" on generated messages of 1, 10 and 100 MB.
#   bench/run.sh [BENCH_CLEAN]    (default: build/bin/bench_clean)
# Each size runs three times and the fastest run is shown: it is the one
# least disturbed by other work on the machine. Throughput should not fall
# as the size grows: the engine is linear.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-$here/../build/bin/bench_clean}
[ -x "$bench" ] || { echo "bench_clean not found at $bench (build first, or pass its path)" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf '%8s %10s %10s %10s %12s\n' MB seconds MB/s "cpu s" "chars out"
for mb in 1 10 100; do
  python3 "$here/gen_mail.py" "$mb" > "$tmp/mail-$mb.txt"
  for run in 1 2 3; do "$bench" "$tmp/mail-$mb.txt"; done | sort -k2,2g | head -n 1
done

# "Replace All" of 10,000 instances in a 1 MB text in the editor's main
# window (offscreen), downward and upward; every undo step must remain.
replace=$(dirname "$bench")/bench_replace
if [ -x "$replace" ]; then
  echo
  "$replace" 10000
else
  echo "bench_replace not found beside $bench (an engine-only build has none)" >&2
fi
