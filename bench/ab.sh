#!/usr/bin/env bash
# An A/B of what the user meets, measured from outside: the build of an
# earlier revision (A) against the working tree's build or another
# revision's (B), alternating in one run on one X display, so that a busy
# machine slows both alike. Prints every round, each build's median and
# spread, and the ratio B/A.
#
#   bench/ab.sh A [B] [MODE] [ROUNDS] [PER-ROUND]
#
# B is a revision, or "." (the default) for the working tree.
# MODE is one of
#   click  a real click on "Start Creating Template" until the preview
#          window is mapped (the sample letter; spares given 5 s to come up)
#   batch  a whole --batch process over a 200-row list, start to end
#   live   the last key typed into a field until the live page's picture
#          changes (the live page open beside the fields)
#   start  the program started until its main window is mapped
#   all    each of them in turn
# ROUNDS (default 3) alternate the two builds; each build runs PER-ROUND
# (default 7; 2 for batch) measurements a round, the first build of a round
# swapped every round.
#
#   bench/ab.sh designs [ROUNDS] [PER-ROUND]
#
# measures instead the working tree's click on "Start Creating Template"
# until the preview is mapped in each design of the built-in letter
# (Letter > Design), the designs alternating in one run, each against the
# classic letter.
#
# A revision is built once, out of tree, under $TESSALINE_AB_CACHE (default
# ~/.cache/tessaline-ab): a clone of this repository checked out at each
# revision asked for, so a later revision rebuilds only what changed. The
# working tree's program is built under build/ first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[[ $# -ge 1 ]] || { sed -n '2,35p' "$0"; exit 2; }
if [[ $1 == designs ]]; then
  revision=HEAD other=. mode=designs rounds="${2:-3}" per="${3:-}"
else
  revision=$(git -C "$root" rev-parse --verify --short=10 "$1^{commit}")
  other="${2:-.}"
  [[ $other == . ]] || other=$(git -C "$root" rev-parse --verify --short=10 "$other^{commit}")
  mode="${3:-click}" rounds="${4:-3}" per="${5:-}"
fi
cache="${TESSALINE_AB_CACHE:-$HOME/.cache/tessaline-ab}"

build_revision() { # revision -> prints the folder holding its app/tessaline
  local keep="$cache/builds/$1"
  if [[ ! -x $keep/tessaline ]]; then
    [[ -d $cache/src/.git ]] || git clone -q --no-checkout "$root" "$cache/src"
    git -C "$cache/src" fetch -q "$root" "$1" 2>/dev/null || true
    git -C "$cache/src" checkout -q --force --detach "$1"
    if [[ ! -f $cache/build/build.ninja ]]; then
      cmake -S "$cache/src" -B "$cache/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
    fi
    cmake --build "$cache/build" --target tessaline >&2
    mkdir -p "$keep"
    cp "$cache/build/app/tessaline" "$keep/"
  fi
  echo "$keep"
}

"$root/scripts/build" --target tessaline >&2
if [[ $mode == designs ]]; then
  program_a="$root/build/app/tessaline"
else
  program_a="$(build_revision "$revision")/tessaline"
fi
if [[ $other == . ]]; then
  program_b="$root/build/app/tessaline" name_b="working tree ($(git -C "$root" describe --always --dirty))"
else
  program_b="$(build_revision "$other")/tessaline" name_b=$other
fi
watch="$cache/window_watch"
cc -O2 -Wall -o "$watch" "$root/bench/window_watch.c" -lX11

work="$(mktemp -d)"
cleanup() {
  pkill -TERM -f "^($program_a|$program_b)( |$)" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
read -r -t 10 number <&"$displayfd"
export DISPLAY=:$number
unset DBUS_SESSION_BUS_ADDRESS

main_min="500 350" preview_min="600 600" main_top=19

# Each build keeps its own settings and scratch folders for the whole run.
use_build() { # a|b
  export XDG_CONFIG_HOME="$work/$1/config" XDG_DATA_HOME="$work/$1/data" XDG_CACHE_HOME="$work/$1/cache"
  export TMPDIR="$work/$1/tmp"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
  chmod 700 "$TMPDIR"
}

windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }
ended() { ! kill -0 "$1" 2>/dev/null; }
stop_program() { # pid
  kill -TERM "$1" 2>/dev/null || true
  for _ in $(seq 100); do ended "$1" && return 0; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null || true
}
# Starts the program; prints "ms pid" when its main window is mapped.
start_program() { # program
  "$watch" map $main_min -- "$1" </dev/null 2>/dev/null
}
width_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {split($2, size, "x"); print size[1]}'; }
main_window_of() { # pid: the one window of the main window's width
  local w
  for w in $(windows_of "$1"); do
    [[ $(width_of "$w") == 536 ]] && { echo "$w"; return; }
  done
  windows_of "$1" | head -1
}
click_at() { xdotool mousemove --window "$1" "$2" $(($3 + main_top)) click 1; sleep 0.3; }

measure_click() { # program -> one time a line
  local started pid main preview
  started=$(start_program "$1") || return 1
  pid=${started#* }
  sleep 0.5
  main=$(main_window_of "$pid")
  click_at "$main" 400 42 # "Load Sample/Example Data"
  sleep 5                 # the spares come up and warm, as while a user types
  for ((i = 0; i < per; ++i)); do
    "$watch" map $preview_min -- xdotool mousemove --window "$main" 268 $((21 + main_top)) click 1 | cut -d' ' -f1
    sleep 0.5
    for preview in $(windows_of "$pid"); do
      [[ $(width_of "$preview") == 536 ]] || click_at "$preview" 164 603 # "< Back"
    done
    sleep 3 # the used office is replaced, as before a user's next letter
    main=$(main_window_of "$pid") # shown again, perhaps as a new window
  done
  stop_program "$pid"
}

measure_start() { # program
  local started
  for ((i = 0; i < per; ++i)); do
    started=$(start_program "$1") || return 1
    echo "${started% *}"
    sleep 1
    stop_program "${started#* }"
  done
}

make_list() { # file rows
  local cities=("Portland,OR,97201" "Seattle,WA,98101" "Boise,ID,83702" "Denver,CO,80202")
  echo "RecipientName,Title,CompanyName,StreetAddress2,City2,ST2,ZIPCode2" >"$1"
  for ((r = 1; r <= $2; ++r)); do
    echo "Contact $r,Hiring Manager,Company $r Ltd,$r Harbour Road,${cities[r % 4]}" >>"$1"
  done
}

measure_batch() { # program
  local list="$work/list.csv" start
  [[ -f $list ]] || make_list "$list" 200
  for ((i = 0; i < per; ++i)); do
    rm -rf "$work/letters"
    start=$(date +%s%N)
    "$1" --batch "$list" --out "$work/letters" --format doc </dev/null >/dev/null 2>&1 || return 1
    echo $((($(date +%s%N) - start) / 1000000))
  done
}

measure_live() { # program
  local started pid main live
  printf '[Tessaline]\nLivePage=1\n' >"$XDG_CONFIG_HOME/Marrowfen.conf"
  started=$(start_program "$1") || return 1
  pid=${started#* }
  sleep 1
  main=$(main_window_of "$pid")
  click_at "$main" 400 42 # "Load Sample/Example Data"
  sleep 5
  live=$(windows_of "$pid" | grep -vx "$main" | head -1)
  click_at "$main" 300 105 # "Your Name:"
  xdotool key End
  for ((i = 0; i < per; ++i)); do
    local letters=abcdefghijklmnopqrstuvwxyz
    "$watch" change "$live" -- xdotool key --delay 0 "${letters:i % 26:1}" || echo fail
    sleep 2
  done
  stop_program "$pid"
}

median_spread() { # times... -> "median (min .. max)"
  local sorted
  mapfile -t sorted < <(printf '%s\n' "$@" | grep -E '^[0-9]+$' | sort -n)
  ((${#sorted[@]})) || { echo "none"; return; }
  echo "${sorted[$((${#sorted[@]} / 2))]} (${sorted[0]} .. ${sorted[-1]})"
}
median_of() { median_spread "$@" | cut -d' ' -f1; }

run_mode() { # mode
  local m=$1 a_all=() b_all=() order
  per="${per_asked:-$([[ $m == batch ]] && echo 2 || echo 7)}"
  echo "== $m: A = $revision, B = $name_b; $rounds rounds of $per each"
  printf '%-6s %-26s %-26s\n' round "A median (spread) ms" "B median (spread) ms"
  for ((round = 1; round <= rounds; ++round)); do
    local a=() b=()
    order="a b"
    ((round % 2 == 0)) && order="b a"
    for which in $order; do
      use_build "$which"
      local program=$program_a
      [[ $which == b ]] && program=$program_b
      mapfile -t times < <("measure_$m" "$program")
      if [[ $which == a ]]; then a=("${times[@]}"); else b=("${times[@]}"); fi
    done
    a_all+=("${a[@]}") b_all+=("${b[@]}")
    printf '%-6s %-26s %-26s\n' "$round" "$(median_spread "${a[@]}")" "$(median_spread "${b[@]}")"
  done
  local ma mb
  ma=$(median_of "${a_all[@]}") mb=$(median_of "${b_all[@]}")
  printf '%-6s %-26s %-26s\n' all "$(median_spread "${a_all[@]}")" "$(median_spread "${b_all[@]}")"
  [[ $ma =~ ^[0-9]+$ && $mb =~ ^[0-9]+$ && $ma -gt 0 ]] &&
    echo "ratio B/A: $(awk -v a="$ma" -v b="$mb" 'BEGIN {printf "%.2f", b / a}') (load $(cut -d' ' -f1-3 /proc/loadavg))"
}

# The designs take turns, each with settings of its own naming it; the
# first of a round moves on every round.
run_designs() {
  local designs=(classic modern letterhead) times
  declare -A all
  per="${per_asked:-7}"
  echo "== click to the preview by design, the working tree ($name_b); $rounds rounds of $per each"
  printf '%-6s %-26s %-26s %-26s\n' round "${designs[@]/%/ median (spread) ms}"
  for ((round = 1; round <= rounds; ++round)); do
    local line=()
    declare -A this=()
    for ((k = 0; k < 3; ++k)); do
      local design=${designs[$(((round - 1 + k) % 3))]}
      use_build "$design"
      printf '[Tessaline]\nDesign=%s\n' "$design" >"$XDG_CONFIG_HOME/Marrowfen.conf"
      mapfile -t times < <(measure_click "$program_b")
      this[$design]="${times[*]}"
      all[$design]="${all[$design]:-} ${times[*]}"
    done
    for design in "${designs[@]}"; do
      # shellcheck disable=SC2086
      line+=("$(median_spread ${this[$design]})")
    done
    printf '%-6s %-26s %-26s %-26s\n' "$round" "${line[@]}"
  done
  local classic
  # shellcheck disable=SC2086
  classic=$(median_of ${all[classic]})
  for design in "${designs[@]}"; do
    local median
    # shellcheck disable=SC2086
    median=$(median_of ${all[$design]})
    # shellcheck disable=SC2086
    printf '%-11s all %-26s' "$design" "$(median_spread ${all[$design]})"
    [[ $classic =~ ^[0-9]+$ && $median =~ ^[0-9]+$ && $classic -gt 0 ]] &&
      printf ' ratio to classic: %s' "$(awk -v a="$classic" -v b="$median" 'BEGIN {printf "%.2f", b / a}')"
    echo
  done
  echo "(load $(cut -d' ' -f1-3 /proc/loadavg))"
}

per_asked="$per"
if [[ $mode == designs ]]; then
  run_designs
elif [[ $mode == all ]]; then
  for m in start click live batch; do run_mode "$m"; done
else
  run_mode "$mode"
fi
