#!/usr/bin/env bash
# Times "All selected items" on generated messages of 1, 10 and 100 MB.
#   bench/run.sh [BENCH_CLEAN]    (default: build/bin/bench_clean)
# Throughput should not fall as the size grows: the engine is linear.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-$here/../build/bin/bench_clean}
[ -x "$bench" ] || { echo "bench_clean not found at $bench (build first, or pass its path)" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf '%8s %10s %10s %10s %12s\n' MB seconds MB/s "cpu s" "chars out"
for mb in 1 10 100; do
  python3 "$here/gen_mail.py" "$mb" > "$tmp/mail-$mb.txt"
  "$bench" "$tmp/mail-$mb.txt"
done
