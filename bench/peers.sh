#!/usr/bin/env bash
# Times korvane-run against the Debian interpreters bwbasic and yabasic on the same work:
# a counted FOR loop of 1,000,000 integer additions, 10,000 string appends, and a WHILE loop
# of 1,000,000 with a block IF inside. The programs alternate within each round; the script
# prints, per program, the median wall time of each interpreter and the ratio ours/theirs.
# RUNS=N sets the number of rounds (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
programs=(boucle_for chaines while_if)
dir=bench/programmes

missing=()
for p in bwbasic yabasic; do command -v "$p" >/dev/null || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  else
    echo "Installez d'abord : sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi
scripts/prepare.sh build >/dev/null
cmake --build build --target korvane-run >/dev/null

command_for() {  # interpreter program
  case $1 in
    korvane) echo "build/src/korvane-run $dir/$2.bas" ;;
    yabasic) echo "yabasic $dir/$2.yab" ;;
    bwbasic) echo "bwbasic $dir/$2.bw" ;;
  esac
}

times=$(mktemp)
trap 'rm -f "$times"' EXIT
for ((r = 1; r <= runs; r++)); do
  for prog in "${programs[@]}"; do
    for interp in korvane yabasic bwbasic; do
      start=$(date +%s%N)
      $(command_for "$interp" "$prog") </dev/null >/dev/null
      end=$(date +%s%N)
      echo "$prog $interp $(( (end - start) / 1000 ))" >>"$times"
    done
  done
done

median() {  # program interpreter -> seconds
  grep "^$1 $2 " "$times" | awk '{print $3}' | sort -n |
    awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.4f", m / 1e6}'
}

printf '%-12s %10s %10s %10s %14s %14s\n' programme korvane yabasic bwbasic korvane/yabasic korvane/bwbasic
for prog in "${programs[@]}"; do
  k=$(median "$prog" korvane); y=$(median "$prog" yabasic); b=$(median "$prog" bwbasic)
  printf '%-12s %9ss %9ss %9ss %14.3f %14.3f\n' "$prog" "$k" "$y" "$b" \
    "$(awk -v a="$k" -v b="$y" 'BEGIN {print a / b}')" "$(awk -v a="$k" -v b="$b" 'BEGIN {print a / b}')"
done
