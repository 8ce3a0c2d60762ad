#!/usr/bin/env bash
# Times the word wrap of the filter against GNU fmt and par on generated
# messages of 1, 10 and 100 MB, all at a width of 65.
#   bench/reflow.sh [QUILLSWEEP]    (default: build/bin/quillsweep)
# The re-flow must stay linear: MB/s should not fall as the size grows, and
# peak memory should stay a small multiple of the input.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
quillsweep=${1:-$here/../build/bin/quillsweep}
[ -x "$quillsweep" ] || { echo "quillsweep not found at $quillsweep (build first, or pass its path)" >&2; exit 2; }
for tool in fmt par; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages coreutils, par)" >&2; exit 2; }
done
if [ ! -x /usr/bin/time ]; then
  echo "Installing GNU time for the memory figures"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends time
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf '%6s  %-11s %9s %9s %11s %9s\n' MB program seconds MB/s "peak MB" "x input"
for mb in 1 10 100; do
  input=$tmp/mail-$mb.txt
  python3 "$here/gen_mail.py" "$mb" > "$input"
  for program in quillsweep fmt par; do
    case $program in
      quillsweep) command=("$quillsweep" --wrap=65) ;;
      fmt) command=(fmt -w 65) ;;
      par) command=(par 65) ;;
    esac
    # Elapsed seconds and peak resident memory in KB; the output is dropped.
    /usr/bin/time -f '%e %M' -o "$tmp/time" "${command[@]}" < "$input" > /dev/null
    read -r seconds peak_kb < "$tmp/time"
    awk -v mb="$mb" -v p="$program" -v s="$seconds" -v k="$peak_kb" 'BEGIN {
      t = s > 0 ? s : 0.01
      printf "%6d  %-11s %9.2f %9.1f %11.1f %9.1f\n", mb, p, s, mb / t, k / 1024, k / 1024 / mb
    }'
  done
done
