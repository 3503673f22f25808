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

source "$here/display_session.sh"
open_display

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
