#!/usr/bin/env bash
# Time and peak memory of `oif write` (load the model file, write the deck) on
# generated meshes of 8-node bricks in two instances, for several sizes.
#
#   bench/scaling.sh [BUILD_DIR] [ELEMENTS...]     (default: build 100000 1000000 4000000)
#
# Each size is run three times; the table shows the fastest run, the
# largest peak resident set size ("Maximum resident set size" of
# /usr/bin/time -v) and deck megabytes per second of the whole run (MB/s).
# Files go to a temporary directory that is removed.
set -euo pipefail
build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000 4000000)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%10s %10s %10s %8s %9s %9s %10s\n' elements "file MB" "deck MB" seconds "peak MiB" "peak/file" "MB/s"
for n in "${sizes[@]}"; do
  "$build/bench/gen_mesh" --elements "$n" "$work/model.json" 2>/dev/null
  best=999999
  peak=0
  for run in 1 2 3; do
    /usr/bin/time -v "$build/oif" write "$work/model.json" "$work/deck" 2>"$work/time.txt"
    seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s}' "$work/time.txt")
    kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    best=$(awk -v a="$best" -v b="$seconds" 'BEGIN {print (b < a) ? b : a}')
    peak=$(( kib > peak ? kib : peak ))
  done
  file=$(stat -c %s "$work/model.json")
  deck=$(stat -c %s "$work/deck.inp")
  awk -v n="$n" -v f="$file" -v d="$deck" -v s="$best" -v k="$peak" 'BEGIN {
    printf "%10d %10.1f %10.1f %8.2f %9.1f %9.2f %10.0f\n", n, f / 1e6, d / 1e6, s, k / 1024, k * 1024 / f, d / 1e6 / s }'
done
