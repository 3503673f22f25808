#!/usr/bin/env bash
# Runs the program on a small screen (1000 x 700) and on a large one at
# twice the scale (1600 x 1000, QT_SCALE_FACTOR=2), each on its own Xvfb
# display under openbox, driven by the mouse through xdotool. On each:
#   1. the main window with a table; then each task panel, the operations
#      dialog, the raw view and, on a table without records, the new-field
#      panel and the delete-field window, opened from their menus and
#      toolbar buttons: every window lies inside the screen (xdotool), and
#      every button of it, every title of its menu bar and every item of an
#      open menu lies whole inside the screen and inside every widget it
#      sits in (the report of the program's test launcher, asked for with
#      Ctrl+Shift+F12; a button in a scrolling area is scrolled to
#      first). Menus are picked and buttons pressed where the report places
#      them, so what is checked is also what a person clicks;
#   2. the operations dialog copies the table into another: its question and
#      its done message are topmost and transient for the dialog, and the
#      disabled main window stays below the dialog all along.
# A screenshot of every step goes to the screenshot folder. Every wait polls
# with a 15 s limit. Exits 77 (skipped) only when Xvfb is not installed.
#
# Usage: screen_sizes_test.sh <program's test launcher> <table.dbf> <screenshot folder>
set -Eeuo pipefail

program=$(realpath "$1")
table=$2
shots=$3
here=$(cd "$(dirname "$0")" && pwd)

source "$here/display_session.sh"

# --- the program's report of its windows, buttons and menus --------------------
report="$work/report"
ends() { if [ -f "$report" ]; then grep -c '^end$' "$report" || true; else echo 0; fi; }
more_ends_than() { [ "$(ends)" -gt "$1" ]; }
# Asks for the report; the newest one goes to $work/last. The chord is sent
# again while no report comes: a key pressed the moment a dialog closes can
# find no window with the focus.
ask_report() {
  local before deadline=$((SECONDS + 15))
  before=$(ends)
  until xdotool key ctrl+shift+F12 && poll 1 more_ends_than "$before"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no report of the program within 15 s"
  done
  awk -v n="$(ends)" '/^end$/ { done++; next } done == n - 1' "$report" >"$work/last"
}
in_last() { awk -F'\t' -v k="$1" -v c="$2" '$2 == k && $3 == c { found = 1 } END { exit !found }' "$work/last"; }
reported() { ask_report && in_last "$1" "$2"; }
# Waits until the report lists the kind and caption given.
wait_reported() { wait_for "$1 \"$2\"" reported "$1" "$2"; }

# Every window of the program inside the screen, by the window system's
# count (xwininfo); every line of the report "ok"; a screenshot.
check() {
  local w x y width height
  for w in $(shown_windows); do
    read -r x y width height < <(xwininfo -id "$w" |
      awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
           /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
    if ((x < 0 || y < 0 || x + width > screen_width || y + height > screen_height)); then
      fail "window '$(xdotool getwindowname "$w")' at $x,$y ${width}x$height is not inside the $screen screen"
    fi
  done
  ask_report
  if grep -v '^ok' "$work/last" >"$work/cut"; then
    fail "$1: out of reach:"$'\n'"$(cat "$work/cut")"
  fi
  shot "${screen}_$1"
}

# Clicks the middle of what the last report names (its kind and caption).
click() {
  local at
  at=$(awk -F'\t' -v k="$1" -v c="$2" -v s="$scale" \
    '$2 == k && $3 == c { printf "%d %d", ($4 + $6 / 2) * s, ($5 + $7 / 2) * s; exit }' "$work/last")
  [ -n "$at" ] || fail "no $1 \"$2\" in the report"
  # shellcheck disable=SC2086
  xdotool mousemove --sync $at click 1
}
# A toolbar button stays where the last report shows it (menus are looked
# up afresh: a window that has closed since had menus of the same names).
shown_or_wait() { in_last "$1" "$2" || wait_reported "$1" "$2"; }
press() { shown_or_wait button "$1" && click button "$1"; }
# Picks a menu's item, through the submenu when a third caption is given.
pick() {
  wait_reported menu "$1"
  click menu "$1"
  wait_reported item "$2"
  click item "$2"
  if [ $# -gt 2 ]; then
    wait_reported item "$3"
    click item "$3"
  fi
}
not_reported() { ask_report && ! in_last "$@"; }
# Opens a task panel, checks it and closes it by its exit button.
panel() {
  local what=$1 exit_caption=$2
  shift 2
  "$@"
  wait_reported button "$exit_caption"
  check "$what"
  click button "$exit_caption"
  wait_for "$what closing" not_reported button "$exit_caption"
}
# Types a file name into the open dialog the command shows (`dialog`).
choose_file() {
  wait_for "open dialog" another_window_active "$main" "${ops:-}"
  dialog=$(active)
  xdotool type --delay 2 "$1"
  xdotool key Return
}
active_named() { [ "$(xdotool getwindowname "$(active)" 2>/dev/null)" = "$1" ]; }
order_in_stack() { xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | grep -nx "$(hex "$1")" | cut -d: -f1; }
main_below_ops() { [ "$(order_in_stack "$main")" -lt "$(order_in_stack "$ops")" ]; }
# The active window is a message box of the operations dialog, over it.
box_of_ops() {
  local box
  box=$(active)
  [ "$(xdotool getwindowname "$box")" = "$1" ] || fail "the active window is '$(xdotool getwindowname "$box")', not '$1'"
  xprop -id "$box" WM_TRANSIENT_FOR | grep -i "$(hex "$ops")\$" >/dev/null ||
    fail "'$1' belongs to $(xprop -id "$box" WM_TRANSIENT_FOR), not to the operations dialog $(hex "$ops")"
  [ "$(topmost)" = "$(hex "$box")" ] || fail "'$1' is not topmost: $(xprop -root _NET_CLIENT_LIST_STACKING)"
  main_below_ops || fail "the main window is raised over the operations dialog"
  shot "${screen}_$2"
}

# --- one screen -----------------------------------------------------------------
run_on_screen() {
  screen=$1 scale=$2
  screen_width=${screen%x*} screen_height=${screen#*x}
  step="$screen: start"
  open_display
  rm -rf "$work/tables" "$report"
  mkdir "$work/tables"
  cp "$table" "$work/tables/table.dbf"
  cp "$table" "$work/tables/target.dbf"
  # A table without records: its header and the end mark, its count 0.
  local header
  header=$(od -An -tu2 -j8 -N2 "$table" | tr -d ' ')
  { head -c 4 "$table"; printf '\0\0\0\0'; dd if="$table" bs=1 skip=8 count=$((header - 8)) status=none
    printf '\x1a'; } >"$work/tables/empty.dbf"
  (cd "$work/tables" && XDG_CONFIG_HOME="$work/config-$scale" QT_SCALE_FACTOR=$scale DBFVIEW_BUTTON_REPORT=$report exec "$program" table.dbf) \
    >"$work/program.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  main_window() { xdotool search --all --pid "$pid" --onlyvisible --name ' - View and correct file DBF' 2>/dev/null; }
  wait_for "main window" main_window
  main=$(main_window | sed -n 1p)
  wait_for "main window taking the focus" is_active "$main"
  wait_reported button "Подсчет суммы"
  check main_window

  step="$screen: task panels"
  panel sort_panel Exit pick "Файлы" "Sorted file"
  panel report_panel "Выход" press "Печать в текстовый файл и MS  WORD"
  panel export_panel "Отмена" press "Записать в MS EXCEL"
  panel repair_panel "Отмена" pick "Операции" "Ремонт структуры файла"
  panel rename_panel "Отмена" pick "Операции" "Изменить имя поля"

  step="$screen: operations dialog"
  ops=""
  pick "Операции" "Выполнить условие"
  ops_window() { xdotool search --all --pid "$pid" --onlyvisible --name '^Операции с файлом' 2>/dev/null; }
  wait_for "operations dialog" ops_window
  ops=$(ops_window | sed -n 1p)
  wait_for "operations dialog taking the focus" is_active "$ops"
  check operations_dialog
  main_below_ops || fail "the main window is over the operations dialog"
  local before
  before=$(stat -c %s "$work/tables/target.dbf")
  press "Копировать в файл :"
  choose_file target.dbf
  wait_for "question" active_named "Выполнить копирование?"
  box_of_ops "Выполнить копирование?" copy_question
  xdotool key Return
  wait_for "done message" active_named DBF
  box_of_ops "DBF" copy_done
  [ "$(stat -c %s "$work/tables/target.dbf")" -gt "$before" ] || fail "nothing was copied"
  xdotool key Return
  wait_for "operations dialog back" is_active "$ops"
  main_below_ops || fail "the main window is raised over the operations dialog after the copy"
  xdotool key alt+F4
  wait_for "operations dialog closing" not_shown "$ops"
  ops=""

  step="$screen: raw view"
  xdotool windowactivate --sync "$main"
  pick "Файлы" "Open file as text"
  choose_file table.dbf
  raw_shown() { [ -n "$(other_window "$main" "$dialog")" ]; }
  wait_for "raw view" raw_shown
  local raw
  raw=$(other_window "$main" "$dialog")
  wait_for "raw view taking the focus" is_active "$raw"
  check raw_view
  xdotool key alt+F4
  wait_for "raw view closing" not_shown "$raw"

  step="$screen: a table without records"
  xdotool windowactivate --sync "$main"
  pick "Файлы" "Open file dbf"
  choose_file empty.dbf
  wait_for "the empty table" is_active "$main"
  panel new_field_panel "Выход" pick "Файлы" "Structure file" "Add new field"
  pick "Файлы" "Structure file" "Deleted field "
  wait_for "delete-field window" another_window_active "$main"
  wait_reported button EXIT
  check delete_field_window
  click button EXIT
  wait_for "main window back" is_active "$main"

  step="$screen: end"
  xdotool key alt+F4
  wait_for "program end after closing the main window" ended
  wait "$pid" || fail "the program ended with code $?"
  pid=""
  stop_display
  echo "$screen at scale $scale: passed after ${SECONDS}s"
}

run_on_screen 1000x700 1
run_on_screen 1600x1000 2
step="done"
echo "PASSED: screen sizes test; screenshots in $shots"
