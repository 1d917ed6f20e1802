#!/usr/bin/env bash
# The whole road, as a user goes it, in a real X server: type the fields,
# generate, zoom, drag, save, save again over the same file, open the File
# menu and export a PDF, go back,
# change a field, generate and save a second letter, close the preview.
# Then: the program has ended, no office is left, no scratch file is left,
# and both saved files are Word 97-2003 letters with the typed text that
# differ only by the changed field.
#
# Usage: whole_road.sh TESSALINE READ_LETTER CLOSE_WINDOW OUTPUT_FOLDER
set -euo pipefail

program=$1 read_letter=$2 close_window=$3 out=$4
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
trap 'if [[ -n ${app:-} ]]; then kill -9 "$app" 2>/dev/null || true; fi; rm -rf "$work"' EXIT

# A user of our own: empty settings, a scratch folder we can watch.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
unset temp TEMP
mkdir -p "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

source "$(dirname "$0")/lib.sh"

step "start with empty settings"
"$program" & app=$!
wait_until 60 has_window_of_size $main_size || fail "the main window did not appear"
main=$(window_of_size $main_size)

step "type the twelve fields"
values=("Ada Quill" "77 Harbour Road" "Portland" "OR" "97201"
        "Mira Stone" "Head of Hiring" "Northwind Studio" "5 Market Square" "Salem" "MA" "01970")
click_main 300 105   # "Your Name:"; Tab runs through the rest in reading order
xdotool windowfocus --sync "$main"
for v in "${values[@]}"; do
  xdotool key ctrl+a
  xdotool type --delay 5 "$v"
  xdotool key Tab
done
sleep 0.3
import -window "$main" "$out/main-window.png"
grep -q "Text1_0=Ada Quill" "$XDG_CONFIG_HOME/Marrowfen.conf" || fail "the fields were not stored"

step "generate the first letter"
click_main 268 21
wait_until 120 has_window_of_size $preview_size || fail "the preview did not appear"
preview=$(window_of_size $preview_size)
has_window_of_size $main_size && fail "the main window is still shown"
sleep 0.5
import -window "$preview" "$out/preview-window.png"

# The viewport's inner area spans 9..628 by 9..501 in the window. At zoom
# 1.0 the page is 338 by 560 pixels: it fits sideways, not upwards.
# (Points in the client area, below the menu bar.)
drag_page() { # from-y to-y, straight up or down
  xdotool mousemove --window "$preview" 150 $(($1 + preview_top)) mousedown 1
  xdotool mousemove --window "$preview" 150 $((($1 + $2) / 2 + preview_top))
  xdotool mousemove --window "$preview" 150 $(($2 + preview_top)) mouseup 1
  sleep 0.3
}
step "zoom out, zoom in, drag the page up"
click_preview 480 557
click_preview 172 557
drag_page 300 100
snap_preview_client "$out/preview-dragged.png"
# The page stays against the left edge, its blank foot shows at the bottom
# of the viewport, and the desk beside it.
expect_areas "$out/preview-dragged.png" paper "12 480" "200 480" "200 12"
expect_areas "$out/preview-dragged.png" desk "400 250" "600 480"

step "zoom in, drag to the bottom, zoom out three times"
click_preview 172 557
drag_page 450 20
drag_page 450 20
for _ in 1 2 3; do click_preview 480 557; done
snap_preview_client "$out/preview-zoomed-out.png"
# At 0.5 the whole page (187 by 280 pixels) sits at the top left.
expect_areas "$out/preview-zoomed-out.png" paper "12 265" "170 265" "170 20"
expect_areas "$out/preview-zoomed-out.png" desk "250 100" "100 320" "600 480"

first=$work/letters/first.doc
mkdir -p "$work/letters"
step "save to a new name"
click_preview 488 603
save_as "$first"
answer_box   # "Done."
[[ -f $first ]] || fail "the first letter was not saved"

step "save again to the same name, answering Yes"
click_preview 488 603
save_as "$first"
answer_box   # the overwrite question
answer_box   # "Done."

step "the File menu; export the letter as PDF with Ctrl+E"
click_preview 172 557; click_preview 172 557   # back to the normal size
click "$preview" 15 9   # "File" on the menu bar
eval "$(xdotool getwindowgeometry --shell "$preview")"   # the open menu is a window of its own
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/preview-file-menu.png"
xdotool key Escape
sleep 0.3
xdotool windowfocus --sync "$preview" key ctrl+e
file_dialog "Export as PDF" "$work/letters/first"   # no extension typed
answer_box   # "Done."
[[ -f $work/letters/first.pdf ]] || fail "the PDF was not written with its extension"

step "back to the fields, change the title"
click_preview 164 603
wait_until 30 has_window_of_size $main_size || fail "the main window did not come back"
main=$(window_of_size $main_size)
[[ -z $(find "$TMPDIR" -name 'qrenta*.doc') ]] || fail "the scratch document is still there after Back"
click_main 300 255   # "Title:"
xdotool windowfocus --sync "$main"
xdotool key ctrl+a
xdotool type --delay 5 "Director of Design"

step "generate and save the second letter"
click_main 268 21
wait_until 120 has_window_of_size $preview_size || fail "the preview did not appear again"
preview=$(window_of_size $preview_size)
second=$work/letters/second.doc
click_preview 488 603
save_as "$second"
answer_box

step "close the preview"
"$close_window" "$preview"
wait_until 30 bash -c "! kill -0 $app" || fail "the program did not end"
wait "$app" || true
ended=$app app=

step "check what is left"
if pgrep -f "[t]essaline-office-$ended-" >/dev/null; then fail "an office process outlived the program"; fi
left=$(left_behind "$ended"; find "$TMPDIR" -mindepth 1)
[[ -z $left ]] || fail "files were left: $left"

"$read_letter" "$first" > "$out/first.txt"
"$read_letter" "$second" > "$out/second.txt"
head -1 "$out/first.txt" | grep -qx "FORMAT: MS Word 97" || fail "the first letter is not Word 97-2003"
head -1 "$out/second.txt" | grep -qx "FORMAT: MS Word 97" || fail "the second letter is not Word 97-2003"
for expected in "Ada Quill" "77 Harbour Road" "Portland, OR  97201" "Mira Stone" "Head of Hiring" \
                "Northwind Studio" "5 Market Square" "Salem, MA  01970" "Dear Mira Stone:"; do
  grep -qxF "$expected" "$out/first.txt" || fail "the first letter lacks '$expected'"
done
grep -qxF "$(LC_TIME=C date '+%B %-d, %Y')" "$out/first.txt" || fail "the first letter lacks today's date"
diff "$out/first.txt" "$out/second.txt" > "$out/difference.txt" || true
[[ $(grep -c '^[<>]' "$out/difference.txt") == 2 ]] || fail "the letters differ by more than the title: $(cat "$out/difference.txt")"
grep -qxF "> Director of Design" "$out/difference.txt" || fail "the second letter lacks the new title"

pdftotext "$work/letters/first.pdf" "$out/first-pdf.txt"
for expected in "Ada Quill" "77 Harbour Road" "Mira Stone" "Head of Hiring" "Northwind Studio" "Dear Mira Stone:"; do
  grep -qF "$expected" "$out/first-pdf.txt" || fail "the PDF lacks '$expected'"
done
pdffonts "$work/letters/first.pdf" | awk 'NR > 2 && $(NF-4) != "yes" {bad = 1} END {exit bad}' \
  || fail "the PDF has fonts that are not embedded"

echo "PASS: the whole road"
