#!/usr/bin/env bash
# The letter in the user's own words, in a real X server: open Letter >
# Edit Letter Text… with Ctrl+L (its screenshot is the README's), give a
# phone and an e-mail, write a body with bullets and placeholders, OK; load
# the sample data, generate, save, close. Then: the saved letter has the
# user's words with the phone and e-mail filled in place of the built-in
# body, the letter text and the settings keep them, and nothing is left.
#
# Usage: letter_text.sh TESSALINE READ_LETTER CLOSE_WINDOW OUTPUT_FOLDER
set -euo pipefail

program=$1 read_letter=$2 close_window=$3 out=$4
mkdir -p "$out"
rm -f "$out"/letter-text*
work=$(mktemp -d)
trap 'if [[ -n ${app:-} ]]; then kill -9 "$app" 2>/dev/null || true; fi; rm -rf "$work"' EXIT

export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data TMPDIR=$work/tmp \
       XDG_RUNTIME_DIR=$work/runtime
unset temp TEMP LC_ALL LC_MESSAGES
# American English: its dictionary judges the words typed below.
export LANG=en_US.UTF-8
mkdir -p "$TMPDIR" "$work/documents"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

source "$(dirname "$0")/lib.sh"

letter_text_window() { xdotool search --all --onlyvisible --pid "$app" --name 'Letter Text$' 2>/dev/null | head -1 | grep .; }

step "start with empty settings"
"$program" & app=$!
wait_until 60 has_window_of_size $main_size || fail "the main window did not appear"
main=$(window_of_size $main_size)

step "open the Letter Text window with Ctrl+L"
xdotool windowfocus --sync "$main"
xdotool key ctrl+l
wait_until 30 letter_text_window || fail "the Letter Text window did not appear"
window=$(letter_text_window)
[[ $(xdotool getwindowname "$window") == "Tessaline — Letter Text" ]] \
  || fail "the window is called $(xdotool getwindowname "$window")"

step "give a phone and an e-mail"
xdotool mousemove --window "$window" 10 10
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key alt+h
xdotool type --delay 5 "(555) 010-7788"
xdotool key alt+m
xdotool type --delay 5 "dorian@example.org"
sleep 0.3
import -window "$window" "$out/letter-text.png"

step "write the body in the user's words"
xdotool key alt+t ctrl+a
xdotool type --delay 5 "Thank you for reading about my work."
xdotool key Return Return
xdotool type --delay 5 -- "- Ten years of joinery"
xdotool key Return
xdotool type --delay 5 -- "- A clean licence"
xdotool key Return Return
xdotool type --delay 5 "Call me at [Phone] or write to [Email]."
xdotool key alt+h Return   # Return in a line edit presses OK
wait_until 30 bash -c "! xdotool search --all --onlyvisible --pid $app --name 'Letter Text\$'" || fail "the window stayed"
grep -qF -- "- A clean licence" "$XDG_DATA_HOME/Tessaline/letter.txt" || fail "the letter text was not kept"
grep -qxF "Phone=(555) 010-7788" "$XDG_CONFIG_HOME/Marrowfen.conf" || fail "the phone was not kept"

letter=$work/documents/my-words.doc
# "licence" is British: the US dictionary asks first, and the letter is made anyway.
sample_letter_saved "$letter" "$out/letter-text-preview.png" alt+m

step "check the letter and what is left"
left=$(find "$TMPDIR" -mindepth 1 | head -5)
[[ -z $left ]] || fail "scratch files were left: $left"
"$read_letter" "$letter" > "$out/letter-text-letter.txt"
for expected in "Dear Vore Vurud:" "Thank you for reading about my work." "Ten years of joinery" "A clean licence" \
                "Call me at (555) 010-7788 or write to dorian@example.org." "Sincerely,"; do
  grep -qxF "$expected" "$out/letter-text-letter.txt" || fail "the letter lacks '$expected'"
done
grep -qF "As I promised" "$out/letter-text-letter.txt" && fail "the built-in body is still there"
# The letter's paragraphs: what read_letter prints before the headers.
sed '/^HEADER: /,$d' "$out/letter-text-letter.txt" | grep -q '\[' && fail "a placeholder was left in the body"

step "a batch of three letters, then the record of letters"
printf 'CompanyName,RecipientName,Position\nBrightwater Analytics,Ana Ruiz,Data Analyst\nKestrel Works,Jon Berg,Joiner\nOak & Ash,Mia Sato,Site Lead\n' \
  >"$work/list.csv"
"$program" --batch "$work/list.csv" --out "$work/documents/batch" --format pdf >/dev/null 2>&1 \
  || fail "the batch failed"
"$program" --letters --csv >"$out/letters.csv" || fail "--letters --csv failed"
grep -qF ",doc,written,$letter" "$out/letters.csv" || fail "the saved letter is not in the record"
[[ $(grep -c ',pdf,written,' "$out/letters.csv") == 3 ]] || fail "the batch's letters are not in the record"
[[ $(stat -c %a "$XDG_DATA_HOME/Tessaline/letters.sqlite") == 600 ]] || fail "the record is open to others"

step "open Letter > Letters Sent… (its screenshot is the README's)"
"$program" & app=$!
wait_until 60 has_window_of_size $main_size || fail "the main window did not appear"
main=$(window_of_size $main_size)
xdotool windowfocus --sync "$main"
xdotool key alt+l t
# The title's dash is not ASCII: matched by the words after it.
wait_until 30 has_window_named ".*Letters Sent" || fail "the Letters Sent window did not appear"
window=$(xdotool search --onlyvisible --name "Letters Sent\$" | head -1)
xdotool windowfocus --sync "$window"
sleep 0.5
import -window "$window" "$out/letters-window.png"
kill -TERM "$app"
wait "$app" || true
app=

echo "PASS: a letter in the user's own words"
