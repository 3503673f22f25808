# The display session the real-display tests share, sourced by them: a
# scratch folder, an Xvfb display of the size in `screen` (default 1280x900)
# under the openbox window manager, the helpers that read the display and
# drive it with xdotool, and the failure report. The sourcing script sets
# `here` (its folder), `shots` (the screenshot folder) and, once it has
# started the program, `pid`.

# A machine without Xvfb skips the test; one without the other tools fails it.
if ! command -v Xvfb >/dev/null; then
  echo "SKIPPED: Xvfb is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
for tool in openbox xdotool xprop xwininfo import mogrify; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is not installed"; exit 1; }
done

# The tests read the program's Russian captions: a locale that is not
# English, whatever the machine running them is set to.
export LC_ALL=C.UTF-8
unset LANGUAGE

exec 5>&1
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  shots_as_png
  rm -rf "$work"
}
trap cleanup EXIT

step="start"
pid=""
fail() {
  trap - ERR
  # To the test's own output, also from inside a poll that hides the output
  # of what it polls.
  exec >&5 2>&5
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

# A screenshot is a copy of the screen's memory, which Xvfb keeps in a file
# (-fbdir); the copies become PNG files together when the test ends, in one
# start of ImageMagick instead of one for each.
shot() {
  mkdir -p "$shots"
  cp "$work/Xvfb_screen0" "$shots/$1.xwd"
}
shots_as_png() {
  local taken=("${shots:-/nonexistent}"/*.xwd)
  [ -e "${taken[0]}" ] || return 0
  mogrify -format png "${taken[@]}" && rm -f "${taken[@]}"
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
  Xvfb -displayfd 3 -screen 0 "${screen:-1280x900}x24" -fbdir "$work" -nolisten tcp >>"$work/xvfb.log" 2>&1 4>&- &
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

# Opens the display. Runs of the tests on one machine start their X servers
# one at a time.
open_display() {
  exec 4>"${TMPDIR:-/tmp}/dbfview-real-display-test.lock"
  flock -w 15 4 || fail "another run of this test held the display lock for 15 s"
  for attempt in 1 2 3 4; do
    start_display && break
    stop_display
    [ "$attempt" -lt 4 ] || fail "no display with a running window manager in four tries"
  done
  flock -u 4
  exec 4>&-
}
