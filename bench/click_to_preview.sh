#!/usr/bin/env bash
# Click to visible preview, measured from outside as a user sees it: the
# built program in its own Xvfb, the sample letter, a click on "Start
# Creating Template" by xdotool, and the time until the preview window is
# on the screen (looked for every few milliseconds, by xdotool processes
# that share the machine with the office: the figure is a little high). Each round starts the
# program afresh and gives its spare offices time to come up, as a user
# who has just opened it and typed would. Prints each round, the median
# and the spread.
#   bench/click_to_preview.sh [program] [rounds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$root/build/app/tessaline}"
rounds="${2:-5}"
work="$(mktemp -d)"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work"
# Xvfb picks a free display and says which.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
read -r -t 10 number <&"$displayfd"
export DISPLAY=:$number
out="${TESSALINE_BENCH_OUT:-$work}" # the helpers put a failure's screenshot here
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
times=()
for ((round = 1; round <= rounds; round++)); do
  "$program" >/dev/null 2>&1 & app=$!
  wait_until 60 has_window_of_size $main_size || fail "the main window did not appear"
  main=$(window_of_size $main_size)
  click_main 400 42 # "Load Sample/Example Data"
  sleep 5           # the spares come up and warm up, as while a user types
  start=$(now_ms)
  xdotool mousemove --window "$main" 268 $((21 + main_top)) click 1
  until has_window_of_size $preview_size; do sleep 0.005; done
  times+=($(($(now_ms) - start)))
  echo "round $round: ${times[-1]} ms"
  kill "$app"
  wait "$app" 2>/dev/null || true
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "click to visible preview: median ${sorted[$((rounds / 2))]} ms, spread ${sorted[0]} .. ${sorted[-1]} ms ($rounds rounds, load $(cut -d' ' -f1-3 /proc/loadavg))"
