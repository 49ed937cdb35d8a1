#!/usr/bin/env bash
# Times korvane-run against the Debian interpreters yabasic and bwbasic on the same work, one
# program of each kind learners write: FOR loop with integer arithmetic, string built with "+"
# (of variables, then of function calls), WHILE loop with a block IF, integer array elements in
# nested FOR loops, GOSUB / RETURN, CALL of a SUB, MID$ in an assignment then a block IF, a
# string reversed with MID$, REAL arithmetic, DO / LOOP and PRINT# to a file. Each program
# prints its result; the script checks that the three agree. Within a round the interpreters
# run one after the other on each program (alternating pairs); the script prints, per program,
# the median wall time of each and the median of the per-pair ratios ours/theirs. RUNS=N sets
# the number of rounds (default 5); SANS_BWBASIC=1 leaves out bwbasic, which takes tens of
# seconds on some of these programs.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
programs=(boucle_for chaines concat while_if tableaux gosub appel mid inverse reels do_loop fichier)
dir=bench/programmes
peers=(yabasic)
[ "${SANS_BWBASIC:-0}" = 1 ] || peers+=(bwbasic)

missing=()
for p in "${peers[@]}"; do command -v "$p" >/dev/null || missing+=("$p"); done
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

# The result a program printed: its last line holding a number, blanks and bwbasic's banner left out.
result_of() { grep -Eo -- '-?[0-9]+' "$1" | tail -n 1; }

times=$(mktemp)
out=$(mktemp)
trap 'rm -f "$times" "$out" /tmp/korvane-bench.txt /tmp/yabasic-bench.txt /tmp/bwbasic-bench.txt' EXIT
for ((r = 1; r <= runs; r++)); do
  for prog in "${programs[@]}"; do
    expected=
    for interp in korvane "${peers[@]}"; do
      start=$(date +%s%N)
      $(command_for "$interp" "$prog") </dev/null >"$out" 2>&1
      end=$(date +%s%N)
      echo "$prog $interp $r $(( (end - start) / 1000 ))" >>"$times"
      got=$(result_of "$out")
      if [ -z "$expected" ]; then expected=$got
      elif [ "$got" != "$expected" ]; then
        echo "$prog : $interp donne $got, korvane-run $expected" >&2
        exit 1
      fi
    done
  done
done

median() { sort -g | awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.4f", m}'; }
seconds() { grep "^$1 $2 " "$times" | awk '{print $4 / 1e6}' | median; }
ratio() {  # program peer -> median of the per-round ratios korvane / peer
  join <(grep "^$1 korvane " "$times" | awk '{print $3, $4}' | sort) \
       <(grep "^$1 $2 " "$times" | awk '{print $3, $4}' | sort) | awk '{print $2 / $3}' | median
}

printf '%-12s %10s' programme korvane
for p in "${peers[@]}"; do printf ' %10s' "$p"; done
for p in "${peers[@]}"; do printf ' %16s' "korvane/$p"; done
printf '\n'
for prog in "${programs[@]}"; do
  printf '%-12s %9ss' "$prog" "$(seconds "$prog" korvane)"
  for p in "${peers[@]}"; do printf ' %9ss' "$(seconds "$prog" "$p")"; done
  for p in "${peers[@]}"; do printf ' %16.3f' "$(ratio "$prog" "$p")"; done
  printf '\n'
done
