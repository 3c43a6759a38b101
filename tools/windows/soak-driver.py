#!/usr/bin/env python3
"""Random presses of the visible buttons of the Windows edition under Wine.

    soak-driver.py --designs FILE --program EXE [--seed N] [--count N] [--log FILE]
    soak-driver.py --designs FILE --check

Starts EXE under Wine ($KINTROA_WINE) on the X display in $DISPLAY, a virtual
one with a window manager, confirms the contribution notice and presses
buttons of the shown windows at random, with xdotool. Wine offers no
accessibility bridge to X, so a button is found where its window's design
puts it (twips at 96 dpi inside the client area) and counts as shown where
its face colour shows at its four corners and its border at its four edges.
The designs come from the program's own design tables, as the program
kintroa-designs of the same build writes them (FILE, or - for standard
input). --check only reads them and checks that the soak can work with them.

The top window of the program is the one pressed: the introduction window or
the About window while one is open, else the launcher. The launcher's Close
ends the program; it is then started again. The keying practice, which "Try
the Keys" opens over the launcher or the introduction, has no design of
fixed places: where it is the top window, the soak types a few keys into it
and closes it with Escape. After every press:
  - the process is alive, or, after the launcher's Close, has ended with
    status 0;
  - at most the launcher and one other window of the program are shown,
    besides the keying practice, and each is a window of the designs or the
    practice;
  - no window on the display has a title that speaks of an error.
At the end the open windows are closed with their own buttons, the launcher
with Close, and the program must end with status 0.

Where a window does not come in time or a check fails, it tells whether the
program still runs, its exit status, what it printed on standard error (with
Wine's error messages) and the windows shown on the display.

With --count 0 it only starts the program, waits for the launcher and closes
it again. The seed fixes each choice among the buttons found shown; a run is
repeated exactly only where the same buttons are found shown at each step.
Prints the seed, the count, the time and what was visited; exits with 1 at
the first failed check.
"""

import argparse
import ctypes
import ctypes.util
import json
import os
import random
import re
import subprocess
import sys
import tempfile
import time
from collections import Counter
from pathlib import Path

LAUNCHER = "IntroPix"
TWIPS_PER_PIXEL = 15
# Pixels in from a button's edges where its face shows: inside the border,
# outside the focus frame and the caption.
CORNER_INSET = 5
# What a press of these captions does to its window; other buttons change
# what the window shows. The launcher's Close ends the program.
CLOSES = {"&Close", "&OK", "Restart &Introduction"}
OPENS = {"&About", "Try the &Keys"}
# Keys typed into the keying practice before it is closed.
PRACTICE_KEYS = ["kaa ", "rshlii ", "ddva ", "pakkaa ", "hiMdii ", "aak"]
# Ending the program is rare, so that the soak spends its presses inside it;
# about one launcher press in a hundred closes and reopens it.
CLOSE_WEIGHT = 0.1
ERROR_TITLE = re.compile(r"error|exception|crash|fatal|assert|abort|runtime library|not responding", re.I)

STARTUP_LIMIT = 90.0   # seconds for the notice and then the launcher to show
CHANGE_LIMIT = 20.0    # seconds for a window to open or close after its button
EXIT_LIMIT = 30.0      # seconds for the process to end after Close
NOTICE_RETRY = 5.0     # seconds before Return on the notice is given again
POLL = 0.05
STEADY_POLLS = 3       # the windows are settled once unchanged this often


class Failure(Exception):
    pass


# --- the window designs -----------------------------------------------------

class Button:
    def __init__(self, name, index, caption, left, top, width, height):
        self.name, self.index, self.caption = name, index, caption
        self.left, self.top, self.width, self.height = left, top, width, height

    def label(self):
        name = self.name if self.index < 0 else f"{self.name}({self.index})"
        return f"{name} {self.caption}".rstrip()

    def pixels(self):
        """The button's rectangle in pixels: left, top, right, bottom."""
        return (self.left // TWIPS_PER_PIXEL, self.top // TWIPS_PER_PIXEL,
                (self.left + self.width) // TWIPS_PER_PIXEL - 1,
                (self.top + self.height) // TWIPS_PER_PIXEL - 1)

    def centre(self):
        left, top, right, bottom = self.pixels()
        return (left + right) // 2, (top + bottom) // 2

    def corners(self):
        left, top, right, bottom = self.pixels()
        i = CORNER_INSET
        return [(left + i, top + i), (right - i, top + i), (left + i, bottom - i), (right - i, bottom - i)]

    def edges(self):
        """The middle of each edge, each with the pixels across it (one
        either side), where the border shows."""
        left, top, right, bottom = self.pixels()
        x, y = self.centre()
        return [[(left + k, y) for k in (-1, 0, 1)], [(right + k, y) for k in (-1, 0, 1)],
                [(x, top + k) for k in (-1, 0, 1)], [(x, bottom + k) for k in (-1, 0, 1)]]


class Design:
    def __init__(self, name, caption, width, height, buttons):
        self.name, self.caption, self.buttons = name, caption, buttons
        self.width, self.height = width, height

    def owns(self, title):
        # The introduction window's title grows at load, the About window's
        # loses its leading blank.
        return title.startswith(self.caption.strip())


class Practice:
    """The keying practice: a window of the program with no design of fixed
    places, known by its title."""

    name = "KeyingPractice"
    buttons = []

    def __init__(self, title):
        self.caption = title

    def owns(self, title):
        return title == self.caption


def load_designs(path):
    """The program's title, its window designs and the keying practice, from
    the JSON that kintroa-designs writes."""
    text = sys.stdin.read() if str(path) == "-" else Path(path).read_text(encoding="utf-8")
    data = json.loads(text)
    designs = []
    for window in data["windows"]:
        # A caption in a script's glyph codes means nothing in the log; its
        # spoken name says what it is.
        buttons = [Button(c["name"], c["index"], c["spokenName"] or c["caption"],
                          c["left"], c["top"], c["width"], c["height"])
                   for c in window["controls"] if c["kind"] == "button"]
        designs.append(Design(window["name"], window["caption"], window["clientWidth"], window["clientHeight"],
                              buttons))
    return data["title"], designs, Practice(data["practice"]["title"])


def design_problems(designs):
    """What would keep the soak from working with these designs."""
    problems = []
    names = [d.name for d in designs]
    if LAUNCHER not in names:
        problems.append(f"no launcher design {LAUNCHER} among {names}")
    for design in designs:
        if not design.buttons:
            problems.append(f"{design.name} has no buttons")
        if not any(b.caption in CLOSES for b in design.buttons):
            problems.append(f"{design.name} has no button that closes it ({', '.join(sorted(CLOSES))})")
        for button in design.buttons:
            left, top, right, bottom = button.pixels()
            if right - left < 2 * CORNER_INSET + 2 or bottom - top < 2 * CORNER_INSET + 2:
                problems.append(f"{design.name} {button.label()} is too small to tell its face from its border")
            if left < 0 or top < 0 or (right + 1) * TWIPS_PER_PIXEL > design.width \
                    or (bottom + 1) * TWIPS_PER_PIXEL > design.height:
                problems.append(f"{design.name} {button.label()} reaches past its window's client area")
    return problems


# --- the X display, read through Xlib ---------------------------------------

class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


IS_VIEWABLE = 2
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)


class Window:
    def __init__(self, wid, pid, title):
        self.wid, self.pid, self.title = wid, pid, title

    def __repr__(self):
        return f"'{self.title}'"


class Display:
    """The shown top-level windows of the display, their titles and process
    ids, and the colour of single pixels. Windows come and go while they are
    read; Xlib's errors for vanished ones are ignored."""

    def __init__(self):
        x = ctypes.CDLL(ctypes.util.find_library("X11"))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
        x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                         ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_void_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XGetImage.restype = ctypes.c_void_p
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XGetPixel.restype = ctypes.c_ulong
        x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.c_void_p]
        self.handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler(self.handler)
        self.x = x
        self.dpy = x.XOpenDisplay(None)
        if not self.dpy:
            raise SystemExit(f"cannot open the display {os.environ.get('DISPLAY')}")
        self.root = x.XDefaultRootWindow(self.dpy)
        self.atom_pid = x.XInternAtom(self.dpy, b"_NET_WM_PID", 0)
        self.atom_name = x.XInternAtom(self.dpy, b"_NET_WM_NAME", 0)
        self.atom_wm_name = x.XInternAtom(self.dpy, b"WM_NAME", 0)

    def _property(self, wid, atom):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if self.x.XGetWindowProperty(self.dpy, wid, atom, 0, 1024, 0, 0, ctypes.byref(kind), ctypes.byref(fmt),
                                     ctypes.byref(count), ctypes.byref(after), ctypes.byref(data)) != 0:
            return None
        if not data.value:
            return None
        try:
            if fmt.value == 8:
                return ctypes.string_at(data.value, count.value)
            if fmt.value == 32 and count.value:
                return ctypes.cast(data.value, ctypes.POINTER(ctypes.c_ulong))[0]
            return None
        finally:
            self.x.XFree(data)

    def _children(self, wid):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, wid, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        return found

    def _viewable(self, wid):
        attributes = XWindowAttributes()
        if not self.x.XGetWindowAttributes(self.dpy, wid, ctypes.byref(attributes)):
            return False
        return attributes.map_state == IS_VIEWABLE

    def windows(self):
        """Every shown window that has a title, program's or not."""
        found = []
        pending = self._children(self.root)
        while pending:
            wid = pending.pop()
            if not self._viewable(wid):
                continue
            name = self._property(wid, self.atom_name) or self._property(wid, self.atom_wm_name)
            if isinstance(name, bytes):
                pid = self._property(wid, self.atom_pid)
                found.append(Window(wid, pid if isinstance(pid, int) else None,
                                    name.decode("utf-8", "replace")))
            pending.extend(self._children(wid))
        return found

    def pixel(self, wid, x, y):
        image = self.x.XGetImage(self.dpy, wid, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
        if not image:
            return None
        value = self.x.XGetPixel(image, 0, 0)
        self.x.XDestroyImage(image)
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


# --- the soak -----------------------------------------------------------------

def xdotool(*arguments):
    subprocess.run(["xdotool", *map(str, arguments)], check=True, timeout=30,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def close_to(colour, other, tolerance=8):
    return colour is not None and all(abs(a - b) <= tolerance for a, b in zip(colour, other))


def apart_from(colour, other, distance=40):
    return colour is not None and any(abs(a - b) > distance for a, b in zip(colour, other))


class Soak:
    def __init__(self, program, notice, designs, practice, rng, log):
        self.program, self.notice, self.designs, self.rng, self.log = program, notice, designs, rng, log
        self.practice = practice
        self.launcher = next(d for d in designs if d.name == LAUNCHER)
        self.display = Display()
        self.process = None
        self.errors = None            # the running program's standard error
        self.windows = []             # the windows shown after the last press
        self.face = None
        self.presses = 0              # random presses
        self.closing = 0              # presses that close the program at the end
        self.ever_shown = set()       # window design and button found shown
        self.pressed = Counter()      # presses per window design
        self.buttons = Counter()      # presses per window design and button
        self.opened = Counter()       # openings per window design
        self.titles = Counter()      # openings per window title
        self.previous = set()         # the windows shown at the last look
        self.starts = 0
        self.recent = []

    # The program's own windows, each with its design.
    def program_windows(self):
        shown = self.display.windows()
        for window in shown:
            if ERROR_TITLE.search(window.title):
                raise Failure(f"a window titled {window!r} is shown")
        mine = [w for w in shown if w.pid == self.process.pid]
        for window in mine:
            window.design = next((d for d in self.designs + [self.practice] if d.owns(window.title)), None)
            if window.design and window.wid not in self.previous:
                self.opened[window.design.name] += 1
                self.titles[window.title] += 1
        self.previous = {w.wid for w in mine}
        return mine

    def check_windows(self, windows):
        launchers = [w for w in windows if w.design is self.launcher]
        practices = [w for w in windows if w.design is self.practice]
        others = [w for w in windows if w.design not in (self.launcher, self.practice)]
        if len(launchers) > 1 or len(others) > 1 or len(practices) > 1:
            raise Failure(f"more windows are shown than the launcher, one other and the practice: {windows}")
        for window in others:
            if window.design is None and window.title != self.notice:
                raise Failure(f"a window that no design describes is shown: {window!r}")

    def check_alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended by itself, status {self.process.returncode}")

    def wait_for(self, what, condition, limit):
        """Polls the program's windows until condition(windows) holds."""
        deadline = time.monotonic() + limit
        while True:
            self.check_alive()
            windows = self.program_windows()
            self.check_windows(windows)
            if condition(windows):
                return windows
            if time.monotonic() > deadline:
                raise Failure(f"{what} within {limit:.0f} s; shown: {windows}")
            time.sleep(POLL)

    def settle(self):
        """Waits until the shown windows stay the same for a few polls."""
        last, steady = None, 0
        deadline = time.monotonic() + CHANGE_LIMIT
        while steady < STEADY_POLLS:
            self.check_alive()
            windows = self.program_windows()
            self.check_windows(windows)
            shown = sorted((w.wid, w.title) for w in windows)
            steady = steady + 1 if shown == last else 0
            last = shown
            if time.monotonic() > deadline:
                raise Failure(f"the windows did not settle within {CHANGE_LIMIT:.0f} s: {windows}")
            time.sleep(POLL)
        return windows

    def start(self):
        if self.errors:
            self.errors.close()
        self.errors = tempfile.TemporaryFile()
        # Wine's own error messages too (a DLL not found, an exception), for
        # the diagnosis of a start that fails.
        environment = dict(os.environ, WINEDEBUG="-all,err+all")
        self.process = subprocess.Popen([os.environ["KINTROA_WINE"], str(self.program)], env=environment,
                                        stdout=subprocess.DEVNULL, stderr=self.errors)
        self.starts += 1
        self.previous = set()
        windows = self.wait_for("the contribution notice did not show",
                                lambda ws: any(w.title == self.notice for w in ws), STARTUP_LIMIT)
        self.confirm_notice(next(w for w in windows if w.title == self.notice))
        windows = self.wait_for("the launcher did not show after the notice",
                                lambda ws: [w.design for w in ws] == [self.launcher], STARTUP_LIMIT)
        self.windows = self.settle()
        if self.face is None:
            self.face = self.launcher_face(windows[0])

    def confirm_notice(self, notice):
        """Return on the notice until it goes. A message box can be shown a
        moment before it takes keys, and a key that comes then is lost; the
        launcher shows only once the notice has gone, so a repeated Return
        reaches nothing else."""
        deadline = time.monotonic() + STARTUP_LIMIT
        while True:
            # The notice may go between the last look and the press; then
            # xdotool finds no window to activate, and the look below tells.
            try:
                xdotool("windowactivate", "--sync", notice.wid, "key", "Return")
            except subprocess.CalledProcessError:
                pass
            retry = time.monotonic() + NOTICE_RETRY
            while time.monotonic() < retry:
                self.check_alive()
                windows = self.program_windows()
                self.check_windows(windows)
                if all(w.wid != notice.wid for w in windows):
                    return
                time.sleep(POLL)
            if time.monotonic() > deadline:
                raise Failure(f"the contribution notice did not go on Return within {STARTUP_LIMIT:.0f} s")
            if self.log:
                print("    Return again on the notice", file=self.log, flush=True)

    def launcher_face(self, window):
        # "&Close" shows in every state of the launcher; its corners give the
        # colour of a button's face.
        close = next(b for b in self.launcher.buttons if b.caption == "&Close")
        colours = [self.display.pixel(window.wid, x, y) for x, y in close.corners()]
        if None in colours or any(c != colours[0] for c in colours):
            raise Failure(f"the launcher's Close button shows no even face at its corners: {colours}")
        return colours[0]

    def looks_shown(self, window, button):
        # The face colour at the corners is not enough where it is the
        # window's own background too (Wine's buttons are white): the border
        # must show at every edge as well.
        pixel = self.display.pixel
        return (all(close_to(pixel(window.wid, x, y), self.face) for x, y in button.corners())
                and all(any(apart_from(pixel(window.wid, x, y), self.face) for x, y in across)
                        for across in button.edges()))

    def shown_buttons(self, window):
        shown = [b for b in window.design.buttons if self.looks_shown(window, b)]
        self.ever_shown.update((window.design.name, b.label()) for b in shown)
        return shown

    def top_window(self, windows):
        if not windows:
            raise Failure("no window of the program is shown")
        practices = [w for w in windows if w.design is self.practice]
        others = [w for w in windows if w.design is not self.launcher]
        return (practices or others or windows)[0]

    def practise(self, window):
        """A few keys typed into the keying practice, then Escape closes it."""
        keys = "".join(self.rng.choice(PRACTICE_KEYS) for _ in range(3))
        xdotool("windowactivate", "--sync", window.wid, "type", "--delay", "40", keys)
        xdotool("windowactivate", "--sync", window.wid, "key", "Escape")
        self.presses += 1
        self.pressed[self.practice.name] += 1
        entry = f"{self.presses:5d} {self.practice.name} typed {keys!r}, Escape"
        self.recent = (self.recent + [entry])[-12:]
        if self.log:
            print(entry, file=self.log, flush=True)
        self.wait_for(f"{window!r} did not close on Escape",
                      lambda ws: all(w.wid != window.wid for w in ws), CHANGE_LIMIT)
        self.windows = self.settle()

    def press(self, window, button, closing=False):
        x, y = button.centre()
        xdotool("mousemove", "--window", window.wid, x, y, "click", "1")
        if closing:
            self.closing += 1
        else:
            self.presses += 1
            self.pressed[window.design.name] += 1
            self.buttons[(window.design.name, button.label())] += 1
        entry = f"{self.presses:5d} {window.design.name:9s} {button.label()}{' (closing)' if closing else ''}"
        self.recent = (self.recent + [entry])[-12:]
        if self.log:
            print(entry, file=self.log, flush=True)

    def after_press(self, window, button, before):
        """Waits for what the press does and checks the program after it."""
        others_before = {w.wid for w in before if w.design is not self.launcher}
        if window.design is self.launcher and button.caption in CLOSES:
            self.wait_for_exit_or_modal()
            return
        if button.caption in CLOSES:
            self.wait_for(f"{window!r} did not close after {button.caption}",
                          lambda ws: all(w.wid != window.wid for w in ws), CHANGE_LIMIT)
        elif button.caption in OPENS:
            self.wait_for(f"no window opened after {button.caption}",
                          lambda ws: any(w.design not in (None, self.launcher)
                                         and w.wid not in others_before for w in ws), CHANGE_LIMIT)
        # A window that a press opens, as the introduction after Show once a
        # language and a script are chosen, may show only after this; a
        # press meanwhile goes to the launcher, which the open window then
        # holds back.
        self.windows = self.settle()

    def wait_for_exit_or_modal(self):
        # A Close that reached the launcher just before a window it had
        # opened showed is refused, as the open window is modal.
        deadline = time.monotonic() + EXIT_LIMIT
        while self.process.poll() is None:
            windows = self.program_windows()
            self.check_windows(windows)
            if any(w.design not in (None, self.launcher) for w in windows):
                self.windows = self.settle()
                return
            if time.monotonic() > deadline:
                raise Failure(f"the program did not end within {EXIT_LIMIT:.0f} s of Close; shown: {windows}")
            time.sleep(POLL)
        if self.process.returncode != 0:
            raise Failure(f"the program ended with status {self.process.returncode} after Close")
        self.start()

    def step(self):
        windows = self.windows
        window = self.top_window(windows)
        if window.design is self.practice:
            self.practise(window)
            return
        shown = self.shown_buttons(window)
        if not shown:
            # A window that is still painting shows no buttons for a moment.
            time.sleep(0.5)
            windows = self.settle()
            window = self.top_window(windows)
            shown = self.shown_buttons(window)
            if not shown:
                raise Failure(f"no button is shown in {window!r}")
        weights = [CLOSE_WEIGHT if window.design is self.launcher and b.caption == "&Close" else 1.0
                   for b in shown]
        button = self.rng.choices(shown, weights)[0]
        self.press(window, button)
        self.after_press(window, button, windows)

    def close_normally(self):
        """Closes the open window with its own button, then the launcher with
        Close; the program must end with status 0."""
        for _ in range(4):
            windows = self.settle()
            window = self.top_window(windows)
            if window.design is self.practice:
                xdotool("windowactivate", "--sync", window.wid, "key", "Escape")
                self.closing += 1
                self.wait_for(f"{window!r} did not close on Escape",
                              lambda ws: all(w.wid != window.wid for w in ws), CHANGE_LIMIT)
                continue
            close = next(b for b in window.design.buttons if b.caption in ("&Close", "&OK"))
            self.press(window, close, closing=True)
            if window.design is self.launcher:
                break
            self.after_press(window, close, windows)
        try:
            self.process.wait(EXIT_LIMIT)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {EXIT_LIMIT:.0f} s of Close") from None
        if self.process.returncode != 0:
            raise Failure(f"the program ended with status {self.process.returncode} after Close")

    def diagnosis(self):
        """Whether the program runs, its status, its standard error and the
        windows of the display, for the report of a failure."""
        lines = []
        if self.process:
            status = self.process.poll()
            lines.append(f"the program (process {self.process.pid}) "
                         + ("still runs" if status is None else f"has ended with status {status}"))
            self.errors.seek(0)
            errors = self.errors.read().decode("utf-8", "replace").splitlines()
            lines.append("its standard error:" if errors else "its standard error: nothing")
            lines += [f"   {line}" for line in errors[-30:]]
        try:
            shown = self.display.windows()
            lines.append(f"the windows shown on {os.environ.get('DISPLAY')}:" if shown else
                         f"no window is shown on {os.environ.get('DISPLAY')}")
            lines += [f"   {w.wid:#x} {w.title!r}, process {w.pid}" for w in shown]
        except Exception as error:  # the report must not hide the failure
            lines.append(f"the display's windows could not be read: {error}")
        return lines

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--designs", required=True,
                        help="the window designs as kintroa-designs writes them, - for standard input")
    parser.add_argument("--check", action="store_true", help="only check that the soak can work with the designs")
    parser.add_argument("--program", type=Path, help="the kintroa.exe to run")
    parser.add_argument("--seed", type=int, default=None, help="the random seed (default: from the clock)")
    parser.add_argument("--count", type=int, default=1000, help="how many buttons to press")
    parser.add_argument("--log", type=Path, help="a file for every press, one a line")
    args = parser.parse_args()
    notice, designs, practice = load_designs(args.designs)
    problems = design_problems(designs)
    if problems:
        print("FAIL: the designs do not fit the soak:\n" + "\n".join(f"   {p}" for p in problems))
        return 1
    if args.check:
        print(f"the designs fit the soak: the notice '{notice}', "
              + ", ".join(f"{d.name} with {len(d.buttons)} buttons" for d in designs)
              + f"; the practice '{practice.caption}'")
        return 0
    if not args.program:
        parser.error("--program is needed unless --check is given")
    seed = args.seed if args.seed is not None else int(time.time()) % 1000000
    log = args.log.open("w", encoding="utf-8") if args.log else None
    soak = Soak(args.program, notice, designs, practice, random.Random(seed), log)
    began = time.monotonic()
    try:
        soak.start()
        while soak.presses < args.count:
            soak.step()
            if soak.presses % 100 == 0:
                print(f"   {soak.presses} presses, {time.monotonic() - began:.0f} s", flush=True)
        soak.close_normally()
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"FAIL after {soak.presses} presses (seed {seed}): {failure}")
        if soak.recent:
            print("   the last presses:\n" + "\n".join(f"   {entry}" for entry in soak.recent))
        print("\n".join(f"   {line}" for line in soak.diagnosis()))
        soak.stop()
        return 1
    took = time.monotonic() - began
    if args.count == 0:
        print(f"the launcher {', '.join(soak.titles)!r} showed after the notice and closed with status 0 "
              f"({took:.0f} s)")
        return 0
    minutes, seconds = divmod(round(took), 60)
    print(f"soak: seed {seed}, {soak.presses} random presses in {minutes} min {seconds} s; "
          f"the program started {soak.starts} times and ended with status 0 each time, "
          f"the last after {soak.closing} closing press(es)")
    for design in soak.designs + [soak.practice]:
        print(f"   {design.name}: {soak.pressed[design.name]} presses, opened {soak.opened[design.name]} times")
        titles = [f"{t!r} {n}x" for t, n in sorted(soak.titles.items()) if design.owns(t)]
        if len(titles) > 1:
            print(f"      {', '.join(titles)}")
    never_shown = [f"{d.name} {b.label()}" for d in soak.designs for b in d.buttons
                   if (d.name, b.label()) not in soak.ever_shown]
    unpressed = [f"{d.name} {b.label()}" for d in soak.designs for b in d.buttons
                 if (d.name, b.label()) in soak.ever_shown and not soak.buttons[(d.name, b.label())]]
    print(f"   buttons never found shown: {', '.join(never_shown) or 'none'}")
    print(f"   buttons shown but never pressed: {', '.join(unpressed) or 'none'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
