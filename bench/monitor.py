# SPDX-License-Identifier: GPL-3.0-or-later
"""What the sound benchmarks share: keys sent straight through XTest (no helper process on
the timed path), and the PulseAudio null sink's monitor recorded with parec at 1 ms
latency, every chunk stamped on arrival."""
import array
import ctypes
import ctypes.util
import subprocess
import threading
import time

RATE = 44100
LOUD = 300


class Keyboard:
    def __init__(self):
        self.x11 = x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                           ctypes.c_ulong]
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            raise SystemExit("no display")

    def key(self, name, down):
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1 if down else 0, 0)
        self.x11.XSync(self.display, 0)


class Monitor:
    """The sink's monitor as stereo chunks: (arrival time, interleaved samples)."""

    def __init__(self, source):
        self.chunks = []
        self.lock = threading.Lock()
        self.rec = subprocess.Popen(["parec", "--raw", "--format=s16le", "--rate=%d" % RATE,
                                     "--channels=2", "--latency-msec=1", "-d", source],
                                    stdout=subprocess.PIPE)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            data = self.rec.stdout.read1(4096)
            if not data:
                return
            now = time.monotonic()
            data = pending + data
            cut = len(data) - len(data) % 4
            pending = data[cut:]
            with self.lock:
                self.chunks.append((now, array.array("h", data[:cut])))

    def stop(self):
        self.rec.kill()
