# Shared helpers of the end-to-end scripts: waiting, finding the program's
# windows, clicking, answering message boxes and the Save dialog.
# Sourced by a script that sets $app (the program's process id), $out (the
# output folder) and, once the preview is shown, $preview.

fail() { echo "FAIL: $*" >&2; import -window root "$out/failure.png" 2>/dev/null || true; exit 1; }
step() { echo "--- $*"; }

# Polls a command for up to $1 seconds.
wait_until() {
  local timeout=$1; shift
  local end=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < end)) || return 1
    sleep 0.2
  done
}

# The windows' sizes, by which the scripts find them, and where each
# window's client area begins: below its menu bar.
main_size=536x397 preview_size=656x645 main_top=19 preview_top=19

visible_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
# The visible window of the given size ($main_size or $preview_size).
window_of_size() {
  local w
  for w in $(visible_windows); do
    [[ $(size_of "$w") == "$1" ]] && { echo "$w"; return 0; }
  done
  return 1
}
has_window_of_size() { window_of_size "$1" >/dev/null; }
has_window_named() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
no_window_named() { ! has_window_named "$1"; }

click() { # window x y
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}

# Answers the message box in front (a window other than the preview) with
# Return, then waits until that box is gone.
other_window() { visible_windows | grep -vx "${preview:-}" | tail -1 | grep .; }
is_visible() { visible_windows | grep -qx "$1"; }
# Answers the message box that is there or comes with a key (Return: its
# default button; "alt+m": the button whose mnemonic is M).
answer_box() {
  local key=${1:-Return}
  wait_until 30 other_window || fail "no message box appeared"
  local box try
  # The box stays; a dialog that is closing or a passing popup does not,
  # and a screenshot of a window that goes meanwhile would hold the X
  # server grabbed.
  for try in 1 2 3 4 5 6; do
    box=$(other_window) || true
    sleep 0.3
    [[ -n $box ]] && is_visible "$box" && break
  done
  timeout 20 import -window "$box" "$out/message-$((++boxes)).png" || true
  xdotool mousemove --window "$box" 10 10
  xdotool windowfocus --sync "$box" key "$key"
  wait_until 30 bash -c "! xdotool search --onlyvisible --pid $app | grep -qx $box" || fail "the message box stayed"
}
boxes=0

# Clicks a point of the main window's client area (below the menu bar).
click_main() { click "$main" "$1" $(($2 + main_top)); }
# Clicks a point of the preview's client area (below the menu bar).
click_preview() { click "$preview" "$1" $(($2 + preview_top)); }
# A screenshot of the preview's client area alone, whose points are those
# that click_preview takes.
snap_preview_client() { # png
  import -window "$preview" -crop "${preview_size%x*}x$((${preview_size#*x} - preview_top))+0+$preview_top" +repage "$1"
}

# Loads the sample data into the main window ($main), makes the letter,
# takes the preview's screenshot, saves the letter, closes the preview
# (with $close_window) and waits for the program to end.
sample_letter_saved() { # letter png [the key that answers the check before the letter]
  step "load the sample data and generate"
  click_main 400 42    # "Load Sample/Example Data"
  click_main 268 21    # "Start Creating Template"
  if [[ -n ${3:-} ]]; then
    # The question comes over the main window, which is no message box.
    local main_window
    main_window=$(window_of_size $main_size)
    wait_until 60 bash -c "xdotool search --onlyvisible --pid $app | grep -vqx $main_window" \
      || fail "the check before the letter did not ask"
    answer_box "$3"
  fi
  wait_until 120 has_window_of_size $preview_size || fail "the preview did not appear"
  preview=$(window_of_size $preview_size)
  sleep 0.5
  import -window "$preview" "$2"

  step "save the letter"
  click_preview 488 603
  save_as "$1"
  answer_box   # "Done."

  step "close the preview"
  "$close_window" "$preview"
  wait_until 30 bash -c "! kill -0 $app" || fail "the program did not end"
  wait "$app" || true
  app=
}

# Types a path into the Save dialog and accepts it.
save_as() { file_dialog "Save File" "$1"; }

# Types a path into the file dialog of the given title and accepts it.
file_dialog() {
  wait_until 30 has_window_named "$1" || fail "no '$1' dialog"
  local dialog
  dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
  xdotool mousemove --window "$dialog" 20 20
  xdotool windowfocus --sync "$dialog"
  sleep 0.3
  xdotool key --window "$dialog" ctrl+a
  xdotool type --delay 5 "$2"
  xdotool key Return
  wait_until 30 no_window_named "$1" || fail "the '$1' dialog stayed"
}

# What a screenshot shows in a small square (6 by 6 pixels) at x y: "paper"
# (the page's white), "desk" (the viewport's grey beside the page) or the
# mean colour as R,G,B.
area_at() { # png x y
  local rgb
  rgb=$(convert "$1" -crop "6x6+$2+$3" +repage -resize 1x1\! -depth 8 \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:)
  local r g b
  IFS=, read -r r g b <<<"$rgb"
  if ((r >= 245 && g >= 245 && b >= 245)); then echo paper
  elif ((r >= 144 && r <= 164 && g >= 153 && g <= 173 && b >= 161 && b <= 181)); then echo desk
  else echo "$rgb"; fi
}
# Fails unless the screenshot shows what is expected at each place:
# expect_areas PNG WHAT "x y" "x y" ...
expect_areas() {
  local png=$1 what=$2 place
  shift 2
  for place in "$@"; do
    local seen
    seen=$(area_at "$png" $place)
    [[ $seen == "$what" ]] || fail "$(basename "$png"): $what expected at $place, $seen seen"
  done
}

# The single-instance pipe socket of the office with the given profile
# folder: named after the MD5 digest of the profile's URL in UTF-16, each
# byte in hexadecimal without padding.
single_instance_socket() {
  local digest hex="" i
  digest=$(printf '%s' "file://$1" | iconv -t UTF-16LE | md5sum | cut -c1-32)
  for ((i = 0; i < 32; i += 2)); do hex+=$(printf '%x' "0x${digest:i:2}"); done
  echo "/tmp/OSL_PIPE_$(id -u)_SingleOfficeIPC_$hex"
}

# What a run of the program (process id $1) left behind: its scratch
# folder, its offices' profiles and pipe sockets. Empty when nothing.
left_behind() {
  local profile
  find "$TMPDIR/tessaline-$(id -u)/$1" 2>/dev/null
  for profile in $(find "$XDG_CACHE_HOME" -maxdepth 1 -name "tessaline-office-$1-*" 2>/dev/null); do
    echo "$profile"
    [[ -S $(single_instance_socket "$profile") ]] && single_instance_socket "$profile"
  done
  find /tmp /var/tmp -maxdepth 1 -name "OSL_PIPE_$(id -u)_tessaline-$1-*" 2>/dev/null
  true
}
