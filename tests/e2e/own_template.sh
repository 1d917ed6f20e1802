#!/usr/bin/env bash
# A letter in the user's own words, in a real X server: open the Letter menu
# (its screenshot is the README's), choose a .docx template of the user's
# own through "Use My Own Template…", see its name in the caption, load the
# sample data, generate, save, close. Then: the letter is a Word 97-2003
# document with the template's own text and every placeholder filled (in
# the body, header, table and text box), the user's template is byte for
# byte as it was, the choice is in the settings file, and nothing is left.
#
# Usage: own_template.sh TESSALINE READ_LETTER CLOSE_WINDOW TEMPLATE OUTPUT_FOLDER
set -euo pipefail

program=$1 read_letter=$2 close_window=$3 template=$4 out=$5
mkdir -p "$out"
rm -f "$out"/letter-menu.png "$out"/own-template-*
work=$(mktemp -d)
trap 'if [[ -n ${app:-} ]]; then kill -9 "$app" 2>/dev/null || true; fi; rm -rf "$work"' EXIT

export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
unset temp TEMP
mkdir -p "$TMPDIR" "$work/documents"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
mine=$work/documents/my-letter.docx
cp "$template" "$mine"
before=$(sha256sum < "$mine")

source "$(dirname "$0")/lib.sh"

step "start with empty settings"
"$program" & app=$!
wait_until 60 has_window_of_size $main_size || fail "the main window did not appear"
main=$(window_of_size $main_size)
[[ $(xdotool getwindowname "$main") == Tessaline ]] || fail "the caption names a template at first start"

step "open the Letter menu"
click "$main" 20 $((main_top / 2))
wait_until 10 bash -c "[[ \$(xdotool search --onlyvisible --pid $app | wc -l) -gt 1 ]]" || fail "the menu did not open"
sleep 0.3
# The window and its open menu, cut from the screen.
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x$((HEIGHT * 2 / 3))+$X+$Y" +repage "$out/letter-menu.png"

step "choose the template through its mnemonic"
xdotool key u
file_dialog "Use My Own Template" "$mine"
wait_until 10 bash -c "[[ \$(xdotool getwindowname $main) == 'Tessaline — my-letter.docx' ]]" \
  || fail "the caption does not name the template: $(xdotool getwindowname "$main")"
grep -qxF "Template=$mine" "$XDG_CONFIG_HOME/Marrowfen.conf" || fail "the choice was not stored"

letter=$work/documents/to-vuvodud.doc
sample_letter_saved "$letter" "$out/own-template-preview.png"

step "check the letter, the template and what is left"
[[ $(sha256sum < "$mine") == "$before" ]] || fail "the user's template was changed"
left=$(find "$TMPDIR" -mindepth 1 | head -5)
[[ -z $left ]] || fail "scratch files were left: $left"
"$read_letter" "$letter" > "$out/own-template-letter.txt"
head -1 "$out/own-template-letter.txt" | grep -qx "FORMAT: MS Word 97" || fail "the letter is not Word 97-2003"
grep -q '\[' "$out/own-template-letter.txt" && fail "a placeholder was left: $(grep '\[' "$out/own-template-letter.txt")"
for expected in "Dear Vore Vurud," "CELL: Vuvodud Arudaziz Inc." "CELL: Hawthorne, CA 90250" "BOX: Contractor" \
                "HEADER: Dorian Vell · 1234 East Main Street · Boise, ID 91002" "Kind regards,"; do
  grep -qxF "$expected" "$out/own-template-letter.txt" || fail "the letter lacks '$expected'"
done
grep -qF "twelve years of joinery to Vuvodud Arudaziz Inc., and" "$out/own-template-letter.txt" \
  || fail "the split placeholder was not filled"

echo "PASS: a letter from the user's own template"
