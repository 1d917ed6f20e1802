#!/usr/bin/env bash
# What keeping the record of letters costs a batch: the working tree's
# program over a 200-row list, with the record kept (on) and with
# --no-record (off), alternating in one run so that a busy machine slows
# both alike. Every run, each side's median and the ratio on/off.
#
#   bench/record_ab.sh [ROUNDS]
#
# ROUNDS (default 3) each run both sides once, the first side swapped every
# round. The record grows by 200 entries a run on, as a user's does.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
rounds="${1:-3}"
"$root/scripts/build" --target tessaline >&2
program="$root/build/app/tessaline"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" TMPDIR="$work/tmp"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
chmod 700 "$TMPDIR"

cities=("Portland,OR,97201" "Seattle,WA,98101" "Boise,ID,83702" "Denver,CO,80202")
echo "RecipientName,Title,CompanyName,StreetAddress2,City2,ST2,ZIPCode2,Position" >"$work/list.csv"
for ((r = 1; r <= 200; ++r)); do
  echo "Contact $r,Hiring Manager,Company $r Ltd,$r Harbour Road,${cities[r % 4]},Analyst" >>"$work/list.csv"
done

run() { # on|off -> milliseconds
  local start more=()
  [[ $1 == off ]] && more=(--no-record)
  rm -rf "$work/letters"
  start=$(date +%s%N)
  "$program" --batch "$work/list.csv" --out "$work/letters" --format doc "${more[@]}" </dev/null >/dev/null 2>&1
  echo $((($(date +%s%N) - start) / 1000000))
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

on=() off=()
printf '%-6s %-10s %-10s\n' round "on ms" "off ms"
for ((round = 1; round <= rounds; ++round)); do
  if ((round % 2)); then
    a=$(run on) b=$(run off)
  else
    b=$(run off) a=$(run on)
  fi
  on+=("$a") off+=("$b")
  printf '%-6s %-10s %-10s\n' "$round" "$a" "$b"
done
m_on=$(median "${on[@]}") m_off=$(median "${off[@]}")
entries=$("$program" --letters --csv | tail -n +2 | wc -l)
echo "median: on $m_on ms, off $m_off ms; on/off $(awk -v a="$m_on" -v b="$m_off" 'BEGIN { printf "%.3f", a / b }')" \
  "($entries entries in the record)"
