#!/usr/bin/env bash
# A program killed (SIGKILL) in the middle of a letter leaves its scratch
# files, its offices' profiles and pipe sockets behind; its offices die with
# it. The next start removes all of that, and only that: what a running
# program of the same user has stays. One ended by SIGTERM ends as a closed
# window does and leaves nothing.
#
# Usage: killed_run.sh TESSALINE CLOSE_WINDOW OUTPUT_FOLDER
set -euo pipefail

program=$1 close_window=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d)
trap 'for p in ${app:-} ${bystander:-}; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
unset temp TEMP
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
printf '[Tessaline]\nText1_0=Ada Quill\nText1_7=Mira Stone\n' > "$XDG_CONFIG_HOME/Marrowfen.conf"
scratch=$TMPDIR/tessaline-$(id -u)

source "$(dirname "$0")/lib.sh"

step "a second run of the same user that keeps running"
"$program" & bystander=$!
app=$bystander
wait_until 60 has_window_of_size $main_size || fail "the second run's main window did not appear"
mkdir -p "$scratch/$bystander"
echo "its letter" > "$scratch/$bystander/qrenta12345678.doc"

step "start, and kill the program while it makes a letter"
"$program" & app=$!
killed=$app
wait_until 60 has_window_of_size $main_size || fail "the main window did not appear"
main=$(window_of_size $main_size)
# Its spare offices are up: their pipe sockets are there.
offices_listening() { [[ $(find /tmp -maxdepth 1 -name "OSL_PIPE_$(id -u)_tessaline-$killed-*" | wc -l) -ge 2 ]]; }
wait_until 60 offices_listening || fail "the spare offices did not come up"
click_main 268 21
# The template copy lives only while the office fills it: watch closely.
# On a busy machine the watch may miss it; the filled letter stays while
# the preview shows it, so the program is killed then at the latest.
letter_in_making() { [[ -e $scratch/$killed/template.dot ]] || compgen -G "$scratch/$killed/qrenta*.doc" >/dev/null; }
end=$((SECONDS + 60))
until letter_in_making || ((SECONDS > end)); do :; done
letter_in_making || fail "the letter was never started"
kill -9 "$killed"
wait "$killed" 2>/dev/null || true
app=
wait_until 30 bash -c "! pgrep -f [t]essaline-office-$killed-" || fail "an office outlived the killed program"
[[ -n $(left_behind "$killed") ]] || fail "the killed run left nothing: the test saw no letter in the making"
left_behind "$killed" > "$out/killed-run-left.txt"

step "the next start removes what the killed run left"
"$program" & app=$!
wait_until 60 has_window_of_size $main_size || fail "the next start's main window did not appear"
left=$(left_behind "$killed")
for socket in $(grep OSL_PIPE "$out/killed-run-left.txt"); do [[ -e $socket ]] && left+=" $socket"; done
[[ -z ${left// /} ]] || fail "the killed run's files are still there: $left"
[[ -f $scratch/$bystander/qrenta12345678.doc ]] || fail "the running program's letter was removed"

step "a program ended by SIGTERM as its offices start ends them and its files"
# The window ends as when it is closed; an office in the middle of its
# start (its jail just started) goes too.
"$program" & termed=$!
sleep 0.3
kill -TERM "$termed"
wait_until 30 bash -c "! kill -0 $termed" || fail "the program did not end on SIGTERM"
sleep 1
pgrep -f "[t]essaline-office-$termed-" >/dev/null && fail "an office outlived the program ended by SIGTERM"
left=$(left_behind "$termed")
[[ -z $left ]] || fail "the program ended by SIGTERM left: $left"

step "both programs end and leave nothing"
"$close_window" "$(window_of_size $main_size)"
wait_until 30 bash -c "! kill -0 $app" || fail "the program did not end"
second=$app app=
app=$bystander
"$close_window" "$(window_of_size $main_size)"
wait_until 30 bash -c "! kill -0 $bystander" || fail "the second run did not end"
bystander_pid=$bystander app= bystander=
left=$(left_behind "$second"; left_behind "$bystander_pid"; find "$TMPDIR" -mindepth 1)
[[ -z $left ]] || fail "files were left: $left"
echo "PASS: a killed run"
