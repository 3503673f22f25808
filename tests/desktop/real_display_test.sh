#!/usr/bin/env bash
# Runs the built program as a person would: on its own Xvfb display under the
# openbox window manager, driven by keystrokes from xdotool.
#   1. starts the program on a table named on the command line and checks the
#      main window's title, which names the table;
#   2. opens the raw view from the menu with the keyboard, saves, and checks
#      that the message box is the active, topmost window and belongs to the
#      raw view (its transient-for window);
#   3. asks the disabled main window to close and checks that the program
#      and the raw view are still there; then closes the raw view and the
#      enabled main window, which ends the program.
# Every wait polls with a 15 s limit. A screenshot of each step goes to the
# screenshot folder. Exits 77 (skipped) only when Xvfb is not installed.
#
# Usage: real_display_test.sh <program> <table.dbf> <screenshot folder>
set -Eeuo pipefail

program=$1
table=$2
shots=$3
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v Xvfb >/dev/null; then
  echo "SKIPPED: Xvfb is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
for tool in openbox xdotool xprop import; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

step="start"
pid=""
fail() {
  trap - ERR
  echo "FAILED at step '$step': $*"
  if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then echo "(the program is no longer running)"; fi
  if [ -n "${DISPLAY:-}" ]; then
    echo "--- the program's shown windows (id, title), the active one: $(active)"
    for w in $(shown_windows); do echo "$w $(xdotool getwindowname "$w" 2>/dev/null)"; done
    shot failure || true
  fi
  local log
  for log in program openbox xvfb; do
    if [ -s "$work/$log.log" ]; then echo "--- $log output:"; cat "$work/$log.log"; fi
  done
  exit 1
}

trap 'fail "command failed: $BASH_COMMAND"' ERR

# Polls the command until it succeeds, for at most `seconds`.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Polls the command until it succeeds; fails with `what` after 15 s.
wait_for() {
  local what=$1
  shift
  poll 15 "$@" || fail "no $what within 15 s"
}

shot() {
  mkdir -p "$shots"
  import -window root "$shots/$1.png"
}

# --- helpers reading the display ----------------------------------------------
# (grep reads all its input in this script: with pipefail, a grep that stops
# at the first match could fail the command before it.)
active() { xdotool getactivewindow 2>/dev/null; }
is_active() { [ "$(active)" = "$1" ]; }
# The program's windows the window manager shows (menus, completer lists and
# tooltips are not among them), as decimal ids like xdotool's.
shown_windows() {
  local w
  for w in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
    if xprop -id "$w" _NET_WM_PID 2>/dev/null | grep "= $pid\$" >/dev/null; then echo $((w)); fi
  done
}
is_shown() { shown_windows | grep -x "$1" >/dev/null; }
not_shown() { ! is_shown "$1"; }
# The one shown window of the program other than those given.
other_window() {
  shown_windows | grep -vxF -f <(printf "%s\n" "$@") | sed -n 1p
}
another_window_active() {
  local now
  now=$(active) || return 1
  [ -n "$now" ] && ! printf '%s\n' "$@" | grep -x "$now" >/dev/null
}
topmost() { xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tail -n1; }
hex() { printf '0x%x' "$1"; }
running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }
# Opens the focused window's first menu with Alt and picks its item `n` (1-based).
menu_item() {
  xdotool key alt
  xdotool key Down
  local i
  for ((i = 1; i < $1; i++)); do xdotool key Down; done
  xdotool key Return
}

# --- the display and the window manager --------------------------------------
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep 'window id' >/dev/null; }
wm_running_or_ended() { wm_running || ! kill -0 "$wm" 2>/dev/null; }

# Starts Xvfb on a free display and openbox on it; true once the window
# manager runs. Another X server starting at the same moment can take the
# display from under it: then the caller stops both and tries again.
start_display() {
  : >"$work/display"
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >>"$work/xvfb.log" 2>&1 4>&- &
  xvfb=$!
  pids+=("$xvfb")
  exec 3>&-
  poll 5 test -s "$work/display" || return 1
  export DISPLAY=":$(head -n1 "$work/display")"
  poll 5 xprop -root || return 1
  # A window manager that could not open the display is started again.
  local try
  for try in 1 2 3; do
    openbox --sm-disable --config-file "$here/openbox_rc.xml" >>"$work/openbox.log" 2>&1 4>&- &
    wm=$!
    pids+=("$wm")
    poll 5 wm_running_or_ended
    wm_running && return 0
    kill -0 "$wm" 2>/dev/null && return 1
    echo "openbox ended on display $DISPLAY (try $try)" >>"$work/openbox.log"
  done
  return 1
}

stop_display() {
  kill "$xvfb" "${wm:-}" 2>/dev/null || true
  wait "$xvfb" "${wm:-}" 2>/dev/null || true
  wm=""
}

# Runs of this test on one machine start their X servers one at a time.
exec 4>"${TMPDIR:-/tmp}/dbfview-real-display-test.lock"
flock -w 15 4 || fail "another run of this test held the display lock for 15 s"
for attempt in 1 2 3 4; do
  start_display && break
  stop_display
  [ "$attempt" -lt 4 ] || fail "no display with a running window manager in four tries"
done
flock -u 4
exec 4>&-

# --- 1. the program on a table named on the command line ----------------------
step="1 start on a table"
# Started in the table's folder, where the open dialog opens: a person types
# the table's name there.
name=$(basename "$table")
mkdir "$work/tables"
cp "$table" "$work/tables/$name"
program=$(realpath "$program")
# Settings of its own: the program neither reads nor changes the user's.
(cd "$work/tables" && XDG_CONFIG_HOME="$work/config" exec "$program" "$name") >"$work/program.log" 2>&1 &
pid=$!
pids+=("$pid")
main_window() { xdotool search --all --pid "$pid" --onlyvisible --name ' - View and correct file DBF' 2>/dev/null; }
wait_for "main window" main_window
main=$(main_window | sed -n 1p)
wait_for "main window taking the focus" is_active "$main"
title=$(xdotool getwindowname "$main")
[[ "$title" == "$name - View and correct file DBF :   "* ]] || fail "main window title is '$title'"
shot 1_main_window
import -window "$main" "$shots/main_window.png"

# --- 2. raw view from the menu, save, message box over the raw view -----------
step="2 raw view and save"
menu_item 2  # "Open file as text"
wait_for "open dialog" another_window_active "$main"
dialog=$(active)
xdotool type --delay 2 "$name"
xdotool key Return
raw_view_shown() { [ -n "$(other_window "$main" "$dialog")" ]; }
wait_for "raw view" raw_view_shown
raw=$(other_window "$main" "$dialog")
wait_for "raw view taking the focus" is_active "$raw"
shot 2_raw_view
menu_item 2  # "Сохранить"
wait_for "message box" another_window_active "$main" "$raw"
box=$(active)
[ "$(xdotool getwindowname "$box")" = "DBF" ] || fail "the active window is not the message box"
xprop -id "$box" WM_TRANSIENT_FOR | grep -i "$(hex "$raw")\$" >/dev/null ||
  fail "message box belongs to $(xprop -id "$box" WM_TRANSIENT_FOR), not to the raw view $(hex "$raw")"
[ "$(topmost)" = "$(hex "$box")" ] || fail "message box is not topmost: $(xprop -root _NET_CLIENT_LIST_STACKING)"
shot 3_saved_message
xdotool key Return
wait_for "raw view back after the message" is_active "$raw"

# --- 3. the disabled main window refuses to close -----------------------------
step="3 close the disabled main window"
xdotool windowactivate --sync "$main"
xdotool key alt+F4
# The window manager handles the activation after the close, and the program
# answers the save below after both: once its message is up, the close has
# been dealt with.
xdotool windowactivate --sync "$raw"
menu_item 2  # "Сохранить"
wait_for "message box after the close" another_window_active "$main" "$raw"
running || fail "the program ended"
is_shown "$raw" || fail "the raw view is gone"
is_shown "$main" || fail "the main window is gone"
shot 4_after_close_refused
xdotool key Return
wait_for "raw view back after the message" is_active "$raw"

# Once the raw view is closed the main window is enabled again, and closing
# it ends the program.
xdotool key alt+F4
wait_for "raw view closing" not_shown "$raw"
xdotool windowactivate --sync "$main"
xdotool key alt+F4
wait_for "program end after closing the main window" ended
wait "$pid" || fail "the program ended with code $?"
step="done"
echo "PASSED: real-display test; screenshots in $shots"
