#!/usr/bin/env bash
# Where no session bus is set (xvfb-run, ssh -X, a bare window manager) the
# window still comes, start after start, and a stop signal sent as soon as
# it shows (its offices still coming up) ends the program with nothing of
# it left: no office, no scratch folder, no office profile.
# Usage: no_session_bus.sh TESSALINE OUTPUT_FOLDER
set -euo pipefail
program=$1 out=$2
mkdir -p "$out"
work=$(mktemp -d)
trap 'if [[ -n ${app:-} ]]; then kill -9 "$app" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data TMPDIR=$work/tmp
mkdir -p "$TMPDIR" && chmod 700 "$TMPDIR"
unset DBUS_SESSION_BUS_ADDRESS
source "$(dirname "$0")/lib.sh"

offices_of() { grep -lsxzF "TESSALINE_OFFICE_OF=$1" /proc/[0-9]*/environ || true; }
no_office_of() { [[ -z $(offices_of "$1") ]]; }
# Twenty starts ended by SIGTERM, then one each by Ctrl+C and a closed terminal.
signals=($(printf 'TERM %.0s' $(seq 20)) INT HUP)
for run in "${!signals[@]}"; do
  signal=${signals[run]}
  "$program" >>"$out/no-session-bus.log" 2>&1 & app=$!
  wait_until 60 has_window_of_size $main_size || fail "start $((run + 1)): the main window did not show"
  kill -"$signal" "$app"
  wait_until 15 bash -c "! kill -0 $app" || fail "start $((run + 1)): SIG$signal did not end the program"
  status=0
  wait "$app" || status=$?
  [[ $status == 0 ]] || fail "start $((run + 1)): SIG$signal ended the program with status $status"
  wait_until 10 no_office_of "$app" || fail "start $((run + 1)): an office outlived the program: $(offices_of "$app")"
  left=$(find "$TMPDIR" "$XDG_CACHE_HOME" -mindepth 1 -maxdepth 1 -name 'tessaline*' ! -name 'tessaline-office-profile-*')
  [[ -z $left ]] || fail "start $((run + 1)): left behind: $left"
  app=
done
echo "PASS: ${#signals[@]} starts without a session bus, each ended by its signal"
