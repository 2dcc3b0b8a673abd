#!/usr/bin/env bash
# End-to-end test: the built program in a real X server (Xvfb, no window
# manager), driven by xdotool as a user drives it, and judged from outside the
# process: the window's title and size, and pixels of screenshots where the
# time display and the ahead/behind panel must be lit; then a second run,
# ended by SIGTERM while its race runs, judged by its race file.
#
# usage: run-e2e.sh <rundaro> <e2e_close_window> <output folder> <no-serial-ports library>
#
# The program runs with the library preloaded, so that its port scan never
# opens the machine's real serial devices.
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb on this machine;
# tools/install-deps installs it).
set -euo pipefail


program=$(realpath "$1")
close_window=$(realpath "$2")
output=$3
no_serial_ports=$(realpath "$4")

if ! command -v Xvfb >/dev/null; then
  echo "SKIP: Xvfb is not installed (tools/install-deps installs it)"
  exit 77
fi
for tool in xdotool xwininfo xwd xwdtopnm pamcut pamtopnm pnmtopng; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps installs it)"; exit 1; }
done

# Where things sit in the 708 × 483 window: the time display's black panel
# (PanelTimer, its digits 45 × 89 at top 11) and the ahead/behind panel.
timer_left=117 timer_top=250
digit_left=(8 56 136 184 264 312) # Digit3 .. Digit8 within the panel
plusmin_left=300 plusmin_top=30 plusmin_width=390 plusmin_height=210
krugov_left=10 krugov_top=30 krugov_width=260 krugov_height=210
# On "Control": the first lap's measured time in the lap table (inside the
# cell's lines), and the tabs' headers.
lap_cell_left=408 lap_cell_top=108 lap_cell_width=72 lap_cell_height=16
inline_tab_x=25 control_tab_x=80 tab_y=12

readonly deadline=$((SECONDS + 50))
failures=0
tmp=$(mktemp -d)
xvfb_pid="" app_pid=""

cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() {
  echo "ok:   $*"
}
check() { # check <what> <command...>
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

# Polls a command every 0.1 s until it succeeds or `seconds` have passed.
wait_until() { # wait_until <seconds> <command...>
  local until=$((SECONDS + $1))
  shift
  ((until <= deadline)) || until=$deadline
  until "$@"; do
    ((SECONDS < until)) || return 1
    sleep 0.1
  done
}

# --- screenshots and their pixels -------------------------------------------

# grab <name>: the window as a PPM to read pixels from.
grab() {
  xwd -silent -id "$wid" | xwdtopnm 2>/dev/null >"$tmp/$1.ppm"
}
# shot <name>: the same, also kept as <output>/<name>.png for a person to look at.
shot() {
  grab "$1"
  pnmtopng <"$tmp/$1.ppm" >"$output/$1.png" 2>/dev/null
}

# samples <name> <left> <top> <width> <height>: the area's samples, R G B per pixel.
samples() {
  pamcut -left "$2" -top "$3" -width "$4" -height "$5" "$tmp/$1.ppm" | pamtopnm -plain | awk '
    { for (i = 1; i <= NF; ++i) if (++n > 4) printf "%s%s", $i, ((n - 4) % 3 ? " " : "\n") }'
}

# The colours the checks tell apart, as an awk function.
colour_classes='
  function is(class, r, g, b) {
    if (class == "yellow") return r > 200 && g > 200 && b < 80
    if (class == "dim") return r >= 40 && r <= 90 && g >= 40 && g <= 90 && b >= 40 && b <= 90
    if (class == "black") return r < 24 && g < 24 && b < 24
    if (class == "white") return r > 240 && g > 240 && b > 240
    if (class == "lit") return r + g + b > 150 # anything but black or nearly
    if (class == "ink") return r + g + b < 600 # text on a white cell
    return 0
  }'

# count <name> <class> <left> <top> <width> <height>: pixels of that colour.
count() {
  samples "$1" "$3" "$4" "$5" "$6" | awk -v class="$2" "$colour_classes"'
    { n += is(class, $1, $2, $3) } END { print n + 0 }'
}

# colour <name> <x> <y>: the colour of one pixel, by class or as R,G,B.
colour() {
  samples "$1" "$2" "$3" 1 1 | awk "$colour_classes"'
    { n = split("yellow dim black white", names)
      for (i = 1; i <= n; ++i) if (is(names[i], $1, $2, $3)) { print names[i]; exit }
      print $1 "," $2 "," $3 }'
}

# same <name1> <name2> <left> <top> <width> <height>: the area is unchanged.
same() {
  cmp -s <(samples "$1" "$3" "$4" "$5" "$6") <(samples "$2" "$3" "$4" "$5" "$6")
}

# segment <name> <digit 0..5> <x> <y>: colour of a point of one digit.
segment() {
  colour "$1" $((timer_left + digit_left[$2] + $3)) $((timer_top + 11 + $4))
}
# Points inside the top and middle bars of a 45 × 89 digit.
top_bar() { segment "$1" "$2" 22 3; }
middle_bar() { segment "$1" "$2" 22 44; }

digits_area=("$timer_left" "$timer_top" 369 130)

# show_tab <Inline|Control>: clicks the tab's header and waits until it shows.
# Where "Control" has a white cell of the lap table, "Inline" has the black
# ahead/behind panel.
show_tab() {
  local x=$inline_tab_x want=black
  [ "$1" = Control ] && x=$control_tab_x want=white
  xdotool mousemove --window "$wid" "$x" "$tab_y" click 1
  wait_until 5 tab_shows "$want" || fail "the \"$1\" tab did not show"
}
tab_shows() {
  grab tab
  [ "$(colour tab 450 200)" = "$1" ]
}

# --- the X server and the program -------------------------------------------

mkdir -p "$output"
rm -f "$output"/*.png

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
wait_until 10 test -s "$tmp/display" || { cat "$tmp/xvfb.log"; fail "Xvfb did not start"; exit 1; }
display_number=$(head -n 1 "$tmp/display")
export DISPLAY=":$display_number"
echo "X server on $DISPLAY"

# A fresh user: no stored settings, nothing written outside the folder.
mkdir -p "$tmp/home" "$tmp/config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI WAYLAND_DISPLAY SESSION_MANAGER XAUTHORITY

# Starts the program with its output in $1 and waits for its window: sets
# app_pid and wid. A sanitizer build wants its runtime first; the preloaded
# library comes first. The X keyboard library hands strndup a string without
# its final NUL (with its length), which strict string checks would take for
# an overflow.
start_program() {
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:strict_string_checks=0" \
    LD_PRELOAD="$no_serial_ports" \
    "$program" >"$1" 2>&1 &
  app_pid=$!
  wid=$(timeout 15 xdotool search --sync --onlyvisible --name '^Rundaro ver 1\.0$' | head -n 1) || true
  if [ -z "$wid" ]; then
    cat "$1"
    fail "no visible window named \"Rundaro ver 1.0\" appeared"
    exit 1
  fi
}

start_program "$tmp/rundaro.log"

# --- the window --------------------------------------------------------------

check "window title is \"Rundaro ver 1.0\"" test "$(xdotool getwindowname "$wid")" = "Rundaro ver 1.0"
info=$(xwininfo -id "$wid")
field() { awk -F: -v f="$1" '$1 ~ "^ *" f "$" { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
check "window is 708 × 483 (is $(field Width) × $(field Height))" test "$(field Width)x$(field Height)" = 708x483
check "window is viewable" test "$(field "Map State")" = IsViewable
icons=$(xprop -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
check "window carries the program's icon (_NET_WM_ICON: $icons)" \
  eval '[[ $icons == *"Icon (16 x 16)"* && $icons == *"Icon (128 x 128)"* ]]'
check "window lies on the screen" test "$(field "Absolute upper-left X")" -ge 0 -a "$(field "Absolute upper-left Y")" -ge 0

# Keyboard input goes to the window: give it the focus, pointer over it.
xdotool mousemove --window "$wid" 354 150
xdotool windowfocus --sync "$wid"

shot 01-idle
check "idle: seconds digit shows 0 in yellow (top bar lit, middle dark)" \
  test "$(top_bar 01-idle 3)/$(middle_bar 01-idle 3)" = "yellow/black"
check "idle: tens of minutes show 0 in dark grey" test "$(top_bar 01-idle 0)" = dim
check "idle: ahead/behind panel shows the allowance" \
  test "$(count 01-idle lit $plusmin_left $plusmin_top $plusmin_width $plusmin_height)" -gt 500

# --- the set-up: a new lap count typed into seKrugov -------------------------

# The focus starts on seLength; seLenKrug and seKrugov follow in tab order.
# The typed count takes effect with Enter.
xdotool key Tab Tab ctrl+a
xdotool type --delay 30 10
xdotool key Return
plan_changed() {
  shot 02-ten-laps
  ! same 01-idle 02-ten-laps $krugov_left $krugov_top $krugov_width $krugov_height
}
check "a lap count typed and entered changes the laps-to-go panel" wait_until 5 plan_changed

# The lap table before the race, on the "Control" tab.
show_tab Control
shot 03-control-before
check "before the race: no measured lap in the lap table" \
  test "$(count 03-control-before ink $lap_cell_left $lap_cell_top $lap_cell_width $lap_cell_height)" -eq 0
show_tab Inline

# --- a race: Ctrl+S, Ctrl+L, Ctrl+P, Ctrl+0 -----------------------------------

xdotool key ctrl+s
# The seconds digit's middle bar lights from 2 s on.
two_seconds() {
  shot 04-running
  [ "$(middle_bar 04-running 3)" = yellow ]
}
check "Ctrl+S starts the clock: the seconds digit reaches 2 in yellow" wait_until 8 two_seconds
check "running: tens of minutes still dark grey" test "$(top_bar 04-running 0)" = dim
check "running: the ahead/behind panel is lit" \
  test "$(count 04-running lit $plusmin_left $plusmin_top $plusmin_width $plusmin_height)" -gt 500
check "running: the digits show yellow segments" \
  test "$(count 04-running yellow "${digits_area[@]}")" -gt 400
shot 05-running-later
differs() { ! same "$@"; }
check "running: the time display keeps changing" differs 04-running 05-running-later "${digits_area[@]}"

xdotool key ctrl+l
show_tab Control
shot 06-control-lap
check "Ctrl+L takes a lap: the lap table shows its time" \
  test "$(count 06-control-lap ink $lap_cell_left $lap_cell_top $lap_cell_width $lap_cell_height)" -gt 20
show_tab Inline

xdotool key ctrl+p
stopped() {
  shot 07-stopped
  sleep 0.3
  shot 08-stopped-later
  same 07-stopped 08-stopped-later "${digits_area[@]}"
}
check "Ctrl+P stops the clock: the time display stands still" wait_until 5 stopped
check "stopped: the time stays on the display" test "$(middle_bar 08-stopped-later 3)" = yellow

xdotool key ctrl+0
reset_done() {
  shot 09-reset
  [ "$(middle_bar 09-reset 3)" = black ] && [ "$(top_bar 09-reset 3)" = yellow ]
}
check "Ctrl+0 resets the display to 0" wait_until 5 reset_done
check "reset: tens of minutes dark grey" test "$(top_bar 09-reset 0)" = dim
check "reset: the ahead/behind panel shows the allowance again" \
  test "$(count 09-reset lit $plusmin_left $plusmin_top $plusmin_width $plusmin_height)" -gt 500

# --- closing -----------------------------------------------------------------

"$close_window" "$wid" || fail "could not send the close request"
exited() { ! kill -0 "$app_pid" 2>/dev/null; }
# Waits up to 10 s for the program to end after $1 and checks it ended
# with status 0.
expect_clean_exit() {
  if wait_until 10 exited; then
    status=0
    wait "$app_pid" || status=$?
    app_pid=""
    check "$1 ends the program with status 0 (was $status)" test "$status" -eq 0
  else
    fail "the program did not end within 10 s of $1"
  fi
}
expect_clean_exit "closing the window"
if [ -s "$tmp/rundaro.log" ]; then
  echo "--- the program's output:"
  cat "$tmp/rundaro.log"
fi

settings="$XDG_CONFIG_HOME/$(basename "$program")/settings.reg"
check "settings written on exit to $settings" test -s "$settings"
check "the laps typed in are stored (\"Krugs\"=dword:0000000a)" grep -q '^"Krugs"=dword:0000000a' "$settings"
check "the settings hold all twelve values and the eight added after them" test "$(grep -c '=dword:' "$settings")" -eq 20

races=("$HOME"/.local/share/rundaro/races/*.csv)
check "the race is saved in ~/.local/share/rundaro/races (${#races[@]} file)" \
  test "${#races[@]}" -eq 1 -a -s "${races[0]}"
check "the race stopped after one lap is saved as such (\"Status;abgebrochen\")" grep -q $'^Status;abgebrochen\r$' "${races[0]}"

# --- a second run: quitting while the race runs, then SIGTERM ---------------

start_program "$tmp/rundaro2.log"
xdotool mousemove --window "$wid" 354 150
xdotool windowfocus --sync "$wid"
xdotool key ctrl+s
sleep 0.3
xdotool key ctrl+l
"$close_window" "$wid" || fail "could not send the close request"
running() { kill -0 "$app_pid" 2>/dev/null; }
sleep 1
check "closing while the clock runs asks first: the program goes on" running
shot 10-quit-question
# A lap while the question is shown, then the end a session or a shutdown sends.
xdotool key ctrl+l
sleep 0.3
kill -TERM "$app_pid"
expect_clean_exit "SIGTERM while the race runs"
cut_short=$(grep -l $'^Status;unterbrochen\r$' "$HOME"/.local/share/rundaro/races/*.csv || true)
check "the race running at SIGTERM is saved as \"Status;unterbrochen\"" test -n "$cut_short"
laps_in() { # rows with a race time, below the header line
  awk -F';' 'header && $7 != "" { n++ } /^Runden;Zeit/ { header = 1 } END { print n + 0 }' "$1"
}
check "it keeps both laps, the one taken during the question too" test "$(laps_in "${cut_short:-/dev/null}")" -eq 2
check "no lock is left beside the races" test -z "$(find "$HOME"/.local/share/rundaro/races -name '*.lock')"

echo "screenshots in $output"
if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
