#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Help menu by keyboard from the random drill window: Contents opens the help book,
# Key dispositon the key layout picture, About the About window. Each is photographed
# (with UPDATE_DOCS=1 the key disposition picture also into docs/ for the README) and
# checked with xdotool.
source "$(dirname "$0")/lib.sh"
REPO=$(cd "$(dirname "$0")/../.." && pwd)
SHOTS="$WORK/screenshots"
mkdir -p "$SHOTS"

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }

# Waits until no visible window has this name.
wait_gone() {
  for _ in $(seq 50); do
    [ -z "$(visible "$1")" ] && return 0
    sleep 0.1
  done
  fail "window '$1' is still open"
}

start_display
sign_in "Helper"
# The first exercise window may be the preschool game: Test > Random leads to the random
# drill from there, and does nothing in the random drill window itself.
keys alt+t n
sleep 0.5
wait_window "Moravel"
[ "$(xdotool search --onlyvisible --name '^Moravel$' | wc -l)" = 1 ] ||
  fail "more than one exercise window is visible"
MAIN=$WINDOW

# Help > Contents: the help book in its own window; the exercise window stays usable.
keys alt+h c
wait_window "Moravel Help"
sleep 0.5
screenshot "$SHOTS/help-contents.png"
keys Escape
wait_gone "Moravel Help"

# F1 opens the same book.
xdotool windowfocus --sync "$MAIN"
keys F1
wait_window "Moravel Help"
keys Escape
wait_gone "Moravel Help"

# Help > Key dispositon: the key layout picture, modal over the random drill.
xdotool windowfocus --sync "$MAIN"
keys alt+h k
wait_window "Key disposition"
sleep 0.5
geometry=$(xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "511x469" ] || fail "key disposition window is $geometry, not 511x469"
screenshot "$SHOTS/key-disposition.png"
import -window "$WINDOW" "$SHOTS/key-disposition-window.png"
# UPDATE_DOCS=1 refreshes the README's picture; a plain test run leaves the tree alone.
if [ -n "${UPDATE_DOCS:-}" ]; then
  cp "$SHOTS/key-disposition-window.png" "$REPO/docs/key-disposition.png"
fi
keys Escape
wait_gone "Key disposition"

# Help > About: the item has no access letter; it is the last of three.
xdotool windowfocus --sync "$MAIN"
keys alt+h Down Down Return
wait_window "About Moravel"
sleep 0.5
screenshot "$SHOTS/about.png"
# OK has the focus and is the default button: Enter closes the window.
keys Return
wait_gone "About Moravel"

# About again, closed with Escape (OK is the cancel button as well).
xdotool windowfocus --sync "$MAIN"
keys alt+h Down Down Return
wait_window "About Moravel"
keys Escape
wait_gone "About Moravel"

[ -n "$(visible Moravel)" ] || fail "the exercise window is gone"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
echo "screenshots in $SHOTS"
echo "PASS"
