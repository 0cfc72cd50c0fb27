#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the end-to-end tests: a private copy of the program folder, a virtual
# display, a null sound sink when PulseAudio can start, and xdotool to type.
set -euo pipefail

BIN_DIR=$(cd "${1:?program folder}" && pwd)
WORK=$(mktemp -d /tmp/moravel-e2e.XXXXXX)
APP_DIR="$WORK/app"
LOG="$APP_DIR/Results Log.TXT"
APP_PID=""
XVFB_PID=""
PULSE_STARTED=""

cleanup() {
  # The program ends in order at SIGTERM (its history written first): it gets a moment for
  # that while its display is still there.
  if [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null; then
    for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  # The display is gone before the next test starts one of its own, and so are the
  # keymap compilers it started: they inherit its listening sockets, and one still running
  # would keep its display's name taken for the next server.
  if [ -n "$XVFB_PID" ]; then
    kill -- "-$XVFB_PID" 2>/dev/null || kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 -- "-$XVFB_PID" 2>/dev/null || break; sleep 0.05; done
  fi
  if [ -n "$PULSE_STARTED" ]; then pulseaudio --kill 2>/dev/null || true; fi
  if [ -z "${KEEP_E2E:-}" ]; then rm -rf "$WORK"; else echo "kept $WORK" >&2; fi
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program folder: the executable copied (it finds its files beside itself), the
# delivered files linked.
mkdir -p "$APP_DIR"
cp "$BIN_DIR/moravel" "$APP_DIR/"
for f in "$BIN_DIR"/*; do
  name=$(basename "$f")
  case "$name" in moravel|"Results Log.TXT") ;; *) ln -s "$f" "$APP_DIR/$name" ;; esac
done

# A virtual display of the test's own. Xvfb picks a free display number itself and says
# which (-displayfd): two suites running at once (a build's own run beside CI's) could
# otherwise both take a number that looked free. A server also listens under the display's
# name in the abstract socket namespace, which a chroot (make fresh-check) shares with the
# host and which a process that outlived its server may still hold: clients try that name
# first, so a server that could not take it would see its clients go to another server. Such
# a server is kept until the next one has started (so that one picks another number), then
# stopped. Each server leads a process group of its own, for cleanup to end it whole. It never
# resets: by default a server starts itself anew when its last client leaves (the check
# below is one), compiling its keymaps again, and a program that connects meanwhile is
# refused ("could not connect to display").
start_display() {
  local refused=() n
  for _ in $(seq 10); do
    rm -f "$WORK/display"
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" \
      >/dev/null 2>&1 &
    XVFB_PID=$!
    n=""
    for _ in $(seq 100); do
      if grep -qx '[0-9][0-9]*' "$WORK/display" 2>/dev/null; then n=$(cat "$WORK/display"); break; fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    [ -n "$n" ] || continue
    if owns_abstract_socket "$XVFB_PID" "$n"; then
      for pid in "${refused[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
      export DISPLAY=":$n"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    fi
    refused+=("$XVFB_PID")
  done
  for pid in "${refused[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
  fail "no virtual display could be started"
}

# Whether the process listens on the display's abstract socket (/proc/net/unix names it
# with a leading @; the process's file descriptors name the socket's inode).
owns_abstract_socket() {
  /usr/bin/python3 - "$1" "$2" <<'PY'
import os, sys
pid, display = sys.argv[1], sys.argv[2]
name = '@/tmp/.X11-unix/X' + display
inodes = {line.split()[6] for line in open('/proc/net/unix').read().splitlines()[1:]
          if line.split()[-1] == name}
fds = '/proc/%s/fd' % pid
held = {os.readlink(os.path.join(fds, fd))[8:-1] for fd in os.listdir(fds)
        if os.readlink(os.path.join(fds, fd)).startswith('socket:[')}
sys.exit(0 if inodes & held else 1)
PY
}

# A null sink so the real sound path runs; without PulseAudio the program beeps instead.
start_sound() {
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  if command -v pulseaudio >/dev/null 2>&1; then
    if pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
        --load="module-null-sink sink_name=moravel_null" \
        --load="module-native-protocol-unix" >/dev/null 2>&1; then
      PULSE_STARTED=1
      for _ in $(seq 30); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
      done
      pactl set-default-sink moravel_null >/dev/null 2>&1 || true
      echo "sound: PulseAudio null sink" >&2
      return 0
    fi
  fi
  echo "sound: none (system beep path)" >&2
}

# The program under a system language (e.g. de_DE.UTF-8), with a locale for the C library
# as well, built for the test when the system has none (Qt takes the language from LANG
# either way).
use_language() {
  local name=${1%%.*}
  if ! locale -a 2>/dev/null | grep -qi "^${name}\\.utf-\\?8\$"; then
    mkdir -p "$WORK/locale"
    if localedef -i "$name" -f UTF-8 "$WORK/locale/$1" 2>/dev/null; then
      export LOCPATH="$WORK/locale"
    else
      echo "locale: $1 could not be built (package locales); Qt reads LANG anyway" >&2
    fi
  fi
  unset LC_ALL LC_MESSAGES LANGUAGE
  export LANG=$1
}

# A JACK server name of the test's own, so that its ports are its own too, held until the
# test and everything it started have ended (its lock is inherited). The names come from a
# small pool and are used again: JACK's registry keeps at most eight servers, and it frees
# the entry of a server that died without saying so only when a server of the same name
# starts.
jack_server_name() {
  local slot
  for slot in 0 1 2 3 4 5; do
    exec {JACK_NAME_LOCK}>"${TMPDIR:-/tmp}/moravel-jack-$slot.lock"
    if flock -n "$JACK_NAME_LOCK"; then
      export JACK_DEFAULT_SERVER="moravel-jack-$slot" JACK_NO_AUDIO_RESERVATION=1
      return 0
    fi
    exec {JACK_NAME_LOCK}>&-
  done
  fail "every JACK server name of the tests is taken"
}

# A JACK server of the test's own on the dummy backend, stopped with the test; its period
# in frames at 48 kHz (256 unless given): a MIDI message reaches its clients at the next.
start_jack() {
  command -v jackd >/dev/null || fail "jackd (Debian's jackd2) is needed"
  jack_server_name
  jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p "${1:-256}" \
    >"$WORK/jackd.out" 2>&1 &
  JACK_PID=$!
  trap 'kill $JACK_PID 2>/dev/null || true; cleanup' EXIT
  jack_wait -s "$JACK_DEFAULT_SERVER" -w -t 10 >/dev/null 2>&1 ||
    fail "the JACK server did not come up: $(cat "$WORK/jackd.out")"
}

# The user's data and settings of the program under test stay in the test's own folder.
export XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
HISTORY="$XDG_DATA_HOME/Moravel/history.sqlite"

# Arguments for the program, set by a test before it signs in.
APP_ARGS=()

launch_app() {
  (cd "$APP_DIR" && exec ./moravel "${APP_ARGS[@]}") >"$WORK/app.out" 2>&1 &
  APP_PID=$!
}

start_app() {
  local prompt="Enter your name to personify result log"
  launch_app
  # Rarely, under load, a program is refused by a display that answered a moment before: it
  # ends at once, and is started once more; what the display says of itself then goes to
  # the log.
  for _ in $(seq 30); do
    kill -0 "$APP_PID" 2>/dev/null || break
    xdotool search --onlyvisible --name "^${prompt}\$" >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! kill -0 "$APP_PID" 2>/dev/null && grep -q "could not connect to display" "$WORK/app.out"; then
    echo "display $DISPLAY refused the program; its server alive: $(kill -0 "$XVFB_PID" \
      2>/dev/null && echo yes || echo no); xdpyinfo: $(xdpyinfo >/dev/null 2>&1 &&
      echo answers || echo fails)" >&2
    sleep 0.5
    launch_app
  fi
  wait_window "$prompt"
}

# Waits for a visible window with this exact name and focuses it.
wait_window() {
  local title=$1 id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "$id" ]; then
    if [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
      local status=0
      wait "$APP_PID" 2>/dev/null || status=$?
      fail "window '$title' did not appear: the program ended with status $status: $(cat "$WORK/app.out" 2>/dev/null)"
    fi
    fail "window '$title' did not appear"
  fi
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  # Without a window manager Qt takes a moment to move its focus to the window.
  sleep 0.2
  WINDOW=$id
}

keys() { xdotool key --delay 40 "$@"; }

# Starts the program, answers the name prompt and waits for the first exercise window.
sign_in() {
  start_app
  type_text "$1"
  keys Return
  wait_window "Moravel"
  sleep 0.5
}

# Types a count into a modal count dialog that Options has just opened, and confirms it.
# Without a window manager a modal dialog gets the keys only once clicked into.
# Starts the preschool game set to two tasks a hand, plays every finger key twice, and
# checks that the results log holds the English record for `player`, byte for byte,
# whatever language the windows speak.
play_two_tasks_english_log() {
  local player=$1
  keys Delete
  sleep 0.5
  for round in 1 2; do
    keys z x c v space KP_Subtract KP_Multiply KP_Divide Num_Lock Next
    sleep 1
  done
  sleep 2.5
  [ -n "${SCREENSHOT:-}" ] && screenshot "$SCREENSHOT"
  [ -f "$LOG" ] || fail "no results log was written; program said: $(cat "$WORK/app.out")"
  python3 - "$LOG" "$player" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
player = re.escape(sys.argv[2].encode())
m = re.fullmatch(rb'\d\d-\d\d \d\d:\d\d:\d\d\r\n' + player +
                 rb'\r\nRandom 2 tasks\r\n(\d+)  points\r\n\r\n', data)
if not m:
    sys.exit('unexpected log bytes: %r' % data)
print('English record, total', int(m.group(1)))
PY
}

set_count() {
  wait_window "$1"
  sleep 0.3
  xdotool mousemove --window "$WINDOW" 60 40 click 1
  sleep 0.2
  keys ctrl+a
  type_text "$2"
  keys Return
  sleep 0.5
  wait_window "Moravel"
}
# Presses and releases X key codes as they are, through XTest: xdotool also presses the
# left Alt when asked for Alt_R, which a real keyboard does not.
raw_keys() {
  /usr/bin/python3 - "$@" <<'PY'
import ctypes, sys, time
x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
xtst = ctypes.cdll.LoadLibrary('libXtst.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
display = ctypes.c_void_p(x11.XOpenDisplay(None))
if not display:
    sys.exit('no display')
for code in sys.argv[1:]:
    for down in (1, 0):
        xtst.XTestFakeKeyEvent(display, int(code), down, 0)
        x11.XFlush(display)
        time.sleep(0.02)
x11.XCloseDisplay(display)
PY
}
type_text() { xdotool type --delay 40 "$1"; }

# With the program started with --trace-events "$TRACE": how many tasks it has shown, and a
# wait until it has shown this many.
shown() { grep -c '"type":"task_shown"' "$TRACE" 2>/dev/null || true; }
wait_tasks() {
  for _ in $(seq 200); do
    [ "$(shown)" -ge "$1" ] && return 0
    sleep 0.02
  done
  fail "only $(shown) tasks were shown, not $1"
}

log_bytes() { if [ -f "$LOG" ]; then cat "$LOG"; fi; }

screenshot() { import -window root "$1"; }

# Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW).
close_window() {
  /usr/bin/python3 - "$1" <<'PY'
import ctypes, sys
x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit('no display')
class ClientMessage(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong),
                ('message_type', ctypes.c_ulong), ('format', ctypes.c_int),
                ('data', ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [('xclient', ClientMessage), ('pad', ctypes.c_long * 24)]
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = int(sys.argv[1])
event.xclient.message_type = x11.XInternAtom(display, b'WM_PROTOCOLS', 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b'WM_DELETE_WINDOW', 0)
x11.XSendEvent(display, int(sys.argv[1]), 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
PY
}
