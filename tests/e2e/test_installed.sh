#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An installed copy as a new user meets it: `cmake --install` into a temporary prefix made
# read-only, the program run from there by an unprivileged user with a HOME of their own.
# Its delivered files come from share/moravel, a short random drill lands as the exact
# five-line record in that user's data folder (said once on the way), View results opens
# that log, a record that can be written nowhere is shown on screen, and every window
# shows the program's icon.
source "$(dirname "$0")/lib.sh"

build=$(dirname "$BIN_DIR")
prefix="$WORK/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
[ -x "$prefix/bin/moravel" ] || fail "no executable in $prefix/bin"
[ -f "$prefix/share/moravel/piano.db" ] || fail "no piano.db in $prefix/share/moravel"
# The help book in every language, each page beside the English one.
for page in "$(dirname "$0")"/../../data/help/*.html; do
  for language in "" de/ es/ fr/; do
    [ -f "$prefix/share/moravel/help/$language$(basename "$page")" ] ||
      fail "help/$language$(basename "$page") is not installed"
  done
done
# The installed metainfo finds its desktop entry and icon where the desktop looks.
appstreamcli validate-tree --no-net "$prefix" >"$WORK/tree.out" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$WORK/tree.out")"
chmod -R a-w "$prefix"

# The player: an ordinary account, its own home and runtime folder. The test's own data
# folders are not theirs.
player=nobody
group=$(id -gn "$player")
chmod 755 "$WORK"
home="$WORK/home"
mkdir -p "$home/runtime" "$WORK/fakebin"
chmod 700 "$home/runtime"
chown -R "$player:$group" "$home"
cat >"$WORK/fakebin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$@" >"$home/opened.txt"
SH
chmod 755 "$WORK/fakebin/xdg-open"
data="$home/.local/share/Moravel"
LOG="$data/Results Log.TXT"

start_display
(cd / && exec setpriv --reuid="$player" --regid="$group" --clear-groups \
  env -i PATH="$WORK/fakebin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
  DISPLAY="$DISPLAY" LANG=C.UTF-8 "$prefix/bin/moravel") >"$WORK/app.out" 2>&1 &
APP_PID=$!
wait_window "Enter your name to personify result log"
# Every window carries the program's icon.
# The property may follow the window's mapping by a moment.
has_icon() {
  local _
  for _ in $(seq 30); do
    xprop -id "$WINDOW" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (' && return 0
    sleep 0.1
  done
  xprop -id "$WINDOW" >"$WORK/xprop.out" 2>&1 || true
  fail "window '$1' has no icon: $(head -c 600 "$WORK/xprop.out")"
}
has_icon "name prompt"
type_text "Installed Ivo"
keys Return
wait_window "Moravel"
sleep 0.5

alive() { kill -0 "$APP_PID" 2>/dev/null || fail "the program ended: $(cat "$WORK/app.out")"; }
moravel_windows() { xdotool search --onlyvisible --name '^Moravel$' 2>/dev/null | wc -l; }

# The sequential window reads piano.db: found in share/moravel, its Start says nothing.
keys alt+t q
sleep 1
wait_window "Moravel"
has_icon "sequential exercises"
keys Delete
sleep 1.5
alive
[ "$(moravel_windows)" = 1 ] || fail "the installed copy did not find its exercise database"

keys alt+t n
sleep 0.5
wait_window "Moravel"
keys alt+o n
wait_window "Choose number of tasks"
has_icon "number of tasks"
keys ctrl+a
type_text "3"
keys Return
sleep 0.3
wait_window "Moravel"
random_window=$WINDOW
drill() {
  keys Delete
  sleep 1.5
  # Every key moves its hand on: three tasks per hand end within one round.
  keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
  sleep 1.5
}
drill
alive

[ -f "$LOG" ] || fail "no results log in the user's data folder: $(cat "$WORK/app.out")"
python3 - "$LOG" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
if not re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\nInstalled Ivo\r\nRandom 3 tasks\r\n\d+  points\r\n\r\n', data):
    sys.exit('unexpected log bytes: %r' % data)
PY
[ "$(stat -c %U "$LOG")" = "$player" ] || fail "the log does not belong to the player"
[ -z "$(find "$prefix" -iname 'results log*')" ] || fail "a results log appeared in the installed tree"
told=$(grep -c "results are kept in $LOG" "$WORK/app.out" || true)
[ "$told" = 1 ] || fail "where results are kept was said $told times: $(cat "$WORK/app.out")"

keys alt+u v
sleep 1
[ "$(cat "$home/opened.txt" 2>/dev/null)" = "$LOG" ] || fail "View results opened '$(cat "$home/opened.txt" 2>/dev/null)'"

# The log taken away from the player: the next record is lost, and the player is told.
chmod 444 "$LOG"
size=$(stat -c %s "$LOG")
xdotool windowfocus --sync "$random_window" 2>/dev/null || true
sleep 0.2
drill
alive
screenshot "$WORK/lost.png"
[ "$(moravel_windows)" = 2 ] || fail "a record lost everywhere was not shown on screen"
[ "$(stat -c %s "$LOG")" = "$size" ] || fail "the read-only log changed"
echo "PASS"
