#!/usr/bin/env bash
# With no office to be found, the program shows its five-part message once
# and ends when it is answered, without ever showing its main window.
# Usage: no_office.sh TESSALINE OUTPUT_FOLDER
set -euo pipefail
program=$1 out=$2
mkdir -p "$out"
work=$(mktemp -d)
trap 'if [[ -n ${app:-} ]]; then kill -9 "$app" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
# The computer without an office: LibreOffice hidden from the program.
without_office=$(dirname "$0")/../support/without_office.sh

fail() { echo "FAIL: $*" >&2; exit 1; }
main_size=$(source "$(dirname "$0")/lib.sh"; echo "$main_size")

"$without_office" "$program" & app=$!
for _ in $(seq 150); do
  windows=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true)
  [[ -n $windows ]] && break
  sleep 0.2
done
[[ $(echo "$windows" | grep -c .) == 1 ]] || fail "expected exactly one window, got: $windows"
box=$(echo "$windows" | head -1)
[[ $(xdotool getwindowname "$box") == Tessaline ]] || fail "the message has the wrong caption"
size=$(xdotool getwindowgeometry "$box" | awk '/Geometry/ {print $2}')
[[ $size != "$main_size" ]] || fail "the main window was shown"
import -window "$box" "$out/office-missing.png" || true
xdotool mousemove --window "$box" 10 10
xdotool windowfocus --sync "$box" key Return
status=0
wait "$app" || status=$?
app=
[[ $status == 1 ]] || fail "the program did not end as it should (status $status)"
echo "PASS: no office"
