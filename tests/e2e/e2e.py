#!/usr/bin/env python3
"""End-to-end tests of the real program in a real X server (Xvfb), driven by
real pointer and key events from xdotool, with screenshots read back.

Usage: e2e.py BUILD_DIR CLOSE_WINDOW_TOOL [SCENARIO]
Runs the one scenario named, or all of them; prints a line per check and ends
with 'N passed, N failed'. The other X helpers, WindowPixels (screenshots)
and BindKeysym (keys for characters off the keyboard), are built beside
CloseWindow.

Nothing here sleeps a fixed time to let the program catch up: every step
waits for what the learner would see next (a window mapped, a screen
painted, a file written, the process ended), so a slow machine only makes
the tests slower."""

import os
import shutil
import subprocess
import sys
import tempfile
import struct
import time

BUILD = os.path.abspath(sys.argv[1])
CLOSE_TOOL = os.path.abspath(sys.argv[2])
PIXELS_TOOL = os.path.join(os.path.dirname(CLOSE_TOOL), "WindowPixels")
BIND_TOOL = os.path.join(os.path.dirname(CLOSE_TOOL), "BindKeysym")
ARTWORK = os.path.join(BUILD, "artwork")

# How long any one step may take before it counts as not happening. A
# condition that holds returns at once, so this only bounds a failure.
WAIT = 30

passed = 0
failed = 0


def check(condition, what):
    global passed, failed
    if condition:
        passed += 1
        print("ok    " + what)
    else:
        failed += 1
        print("FAIL  " + what)


def run(args, env, **kw):
    return subprocess.run(args, env=env, capture_output=True, text=True, **kw)


def wait_until(condition, timeout=WAIT):
    """Polls `condition` until it holds or the time is up; returns whether it
    held at the last look."""
    end = time.time() + timeout
    while True:
        if condition():
            return True
        if time.time() > end:
            return False
        time.sleep(0.05)


class Ppm:
    """A picture as raw PPM bytes: the screenshot tool writes them, and the
    artwork is read once through ImageMagick."""

    def __init__(self, data, what="picture"):
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        pos += 1
        assert fields[0] == b"P6", what
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = data[pos:]

    @staticmethod
    def read(path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
        return Ppm(data, path)

    def pixel(self, x, y):
        o = (y * self.width + x) * 3
        return tuple(self.data[o:o + 3])

    def differs(self, other, box):
        """Whether any pixel in box (left, top, right, bottom) differs."""
        left, top, right, bottom = box
        row = (right - left) * 3
        return any(self.data[(y * self.width + left) * 3:][:row] != other.data[(y * other.width + left) * 3:][:row]
                   for y in range(top, bottom))


_artwork_cache = {}


def artwork(name):
    if name not in _artwork_cache:
        _artwork_cache[name] = Ppm.read(os.path.join(ARTWORK, name + ".png"))
    return _artwork_cache[name]


class Session:
    """One X server and the program copied into a folder of its own, so its
    data lands beside it and nothing touches the build tree."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="typeko-e2e-")
        self.runtime = os.path.join(self.dir, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.app_dir = os.path.join(self.dir, "app")
        os.makedirs(self.app_dir)
        shutil.copy2(os.path.join(BUILD, "typeko"), self.app_dir)
        read_fd, write_fd = os.pipe()
        # Without -noreset the server resets each time its last client leaves,
        # and a program started again at that moment cannot connect.
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten",
                                      "tcp", "-noreset"], pass_fds=[write_fd], stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        self.env = dict(os.environ)
        self.env.update({"DISPLAY": ":" + number.decode().strip(), "XDG_RUNTIME_DIR": self.runtime,
                         "QT_QPA_PLATFORM": "xcb", "SDL_AUDIODRIVER": "dummy", "HOME": self.dir,
                         "XDG_DATA_HOME": os.path.join(self.dir, "share")})
        self.env.pop("WAYLAND_DISPLAY", None)
        self.procs = []

    def start(self):
        proc = subprocess.Popen([os.path.join(self.app_dir, "typeko")], env=self.env, cwd=self.dir,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.procs.append(proc)
        return proc

    def windows(self):
        out = run(["xdotool", "search", "--onlyvisible", "--name", "^TypeKo$"], self.env).stdout.split()
        return [int(w) for w in out]

    def wait_window(self, timeout=WAIT):
        """The main window once it is mapped and shows the title screen, or
        None when no window appears. A window that appears but never paints
        is returned too, so the checks that follow say what is wrong."""
        found = []
        if not wait_until(lambda: found.extend(self.windows()) or found, timeout):
            return None
        self.shot(found[0], "first-paint", showing("SCR00000", BACKGROUND_POINTS), timeout)
        return found[0]

    def size(self, window):
        out = run(["xdotool", "getwindowgeometry", "--shell", str(window)], self.env).stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def wait_dialog(self, timeout=WAIT):
        """The sub-window (the visible window of the program that is
        700 x 525) once it shows the screen it opens with, or None."""
        found = []

        def dialog():
            found[:] = [w for w in self.windows() if self.size(w) == (700, 525)]
            return found

        if not wait_until(dialog, timeout):
            return None
        self.shot(found[0], "dialog-opened", lambda shot: any(
            shows_screen(shot, name, points) for name, points in DIALOG_SCREENS), timeout)
        return found[0]

    def wait_gone(self, window, timeout=WAIT):
        """Whether the window is no longer shown within the time."""
        return wait_until(lambda: window not in self.windows(), timeout)

    def geometry(self, window):
        out = run(["xdotool", "getwindowgeometry", "--shell", str(window)], self.env).stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"])

    def point_at(self, window, x, y):
        wx, wy = self.geometry(window)
        # A move to where the pointer already is never completes, and
        # xdotool's --sync would wait for it for 15 seconds.
        out = run(["xdotool", "getmouselocation", "--shell"], self.env).stdout
        values = dict(line.split("=") for line in out.split())
        if (int(values["X"]), int(values["Y"])) != (wx + x, wy + y):
            run(["xdotool", "mousemove", "--sync", str(wx + x), str(wy + y)], self.env)

    def click(self, window, x, y):
        """Clicks at a point of the window. It does not wait: the caller
        waits for the effect it checks next."""
        self.point_at(window, x, y)
        run(["xdotool", "click", "1"], self.env)

    def park(self, window):
        """Moves the pointer off every button, so no hover frame shows once
        the program has seen the move."""
        self.point_at(window, 790, 300)

    def focus(self, window):
        run(["xdotool", "windowfocus", "--sync", str(window)], self.env)

    def type(self, text, delay=60):
        """Types the text. A character without a key of its own gets one
        for good first, and is then pressed by its keysym."""
        plain = ""
        for char in text + "\0":
            if " " <= char <= "~":
                plain += char
                continue
            if plain:
                run(["xdotool", "type", "--delay", str(delay), plain], self.env)
                plain = ""
            if char != "\0":
                run([BIND_TOOL, "0x%x" % (0x1000000 + ord(char))], self.env, check=True)
                run(["xdotool", "key", "--delay", str(delay), "U%04X" % ord(char)], self.env)

    def key(self, *names):
        run(["xdotool", "key"] + list(names), self.env)

    def open_level_menu(self, window):
        """The title's start button, and the level menu it opens."""
        self.click(window, *TITLE_START)
        return self.shot(window, "level-menu", showing("SCR10000", LEVEL_MENU_POINTS))

    def open_course(self, window):
        """Level 2 on the level menu, and its course screen after the
        button's pause."""
        self.click(window, *LEVEL_2)
        return self.shot(window, "course", showing("SCR12000", COURSE_POINTS))

    def open_training(self, window):
        """Title, level 2, then Enter twice: past the start screen into a run."""
        self.focus(window)
        self.open_level_menu(window)
        self.open_course(window)
        self.start_run(window)

    def start_run(self, window):
        """From the course screen, Enter starts a run and Enter ends the
        start screen's wait, if it is still waiting when the start screen
        has been seen. Returns the screenshot that caught the start screen,
        or None when it was not seen; returns once the run's first target is
        on the training screen."""
        self.focus(window)
        self.key("Return")
        seen = self.catch(window, "start-screen", "SCR88888", START_POINTS)
        if seen is not None:
            self.key("Return")
        self.shot(window, "training", on_training_screen, steady=True)
        return seen

    def type_word_and_move_on(self, window, word):
        """Types a run's word, then Enter twice moves past its sentence to
        the next word, which keeps the word's result. Each key waits for
        what it shows: the word completed (no cursor bar), the cursor back
        at its start (the bar again), then the next target."""
        self.type(word)
        self.shot(window, "word-typed", lambda shot: on_training_screen(shot) and not word_cursor_shown(shot))
        self.key("Return")
        back = self.shot(window, "word-cursor-back", lambda shot: on_training_screen(shot) and word_cursor_shown(shot))
        self.key("Return")
        self.shot(window, "next-target", changed_from(back), steady=True)

    def grab(self, window):
        """The window's picture now, or None when it cannot be read."""
        result = subprocess.run([PIXELS_TOOL, str(window)], env=self.env, capture_output=True)
        return Ppm(result.stdout) if result.returncode == 0 else None

    def keep(self, name, picture):
        path = os.path.join(self.dir, name + ".ppm")
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (picture.width, picture.height) + picture.data)
        keep = os.environ.get("TYPEKO_E2E_SHOTS")
        if keep:
            os.makedirs(keep, exist_ok=True)
            subprocess.run(["convert", path, os.path.join(keep, name + ".png")], capture_output=True)

    def shot(self, window, name, ready=None, timeout=WAIT, steady=False):
        """A screenshot of the window. With `ready`, screenshots are taken
        again until it holds or the time is up, so a slow machine gets time
        to act on the last input; the last one is returned either way. With
        `steady`, it must also hold on two screenshots alike in a row, so a
        screen part-way through being painted does not count."""
        end = time.time() + timeout
        picture = None
        while True:
            latest = self.grab(window)
            if latest is not None:
                previous, picture = picture, latest
                if ready is None or (ready(picture) and (not steady or (
                        previous is not None and previous.data == picture.data))):
                    break
            if time.time() > end:
                break
            time.sleep(0.05)
        if picture is None:
            raise RuntimeError("window 0x%x could not be read for %s" % (window, name))
        self.keep(name, picture)
        return picture

    def catch(self, window, name, picture_name, points, timeout=WAIT):
        """Watches the window from inside one process until it shows the
        picture at the points, for a picture that stands only briefly (the
        goodbye, the start screen). Returns that screenshot, or None when
        the time ran out or the window went without showing it."""
        art = artwork(picture_name)
        wanted = lambda at: ["%d,%d,%02x%02x%02x" % ((x, y) + art.pixel(x, y)) for x, y in at]
        result = subprocess.run([PIXELS_TOOL, str(window), "--all"] + wanted(points) + ["--most"]
                                + wanted(telling_points(picture_name)) + ["--timeout", str(timeout)],
                                env=self.env, capture_output=True)
        picture = Ppm(result.stdout) if result.stdout else None
        if picture is not None:
            self.keep(name, picture)
        return picture if result.returncode == 0 and shows_screen(picture, picture_name, points) else None

    def toplevels(self):
        """Top-level windows from bottom to top of the stacking order
        (xwininfo lists the top-most first)."""
        out = run(["xwininfo", "-root", "-children"], self.env).stdout
        ids = []
        for line in out.splitlines():
            line = line.strip()
            if line.startswith("0x"):
                ids.append(int(line.split()[0], 16))
        return list(reversed(ids))

    def stacking_index(self, window):
        return self.toplevels().index(window)

    def stacking_index_of_other(self, window):
        """The highest stacking place of a mapped window that is not ours."""
        ids = [w for w in self.toplevels() if w != window and self.is_viewable(w)]
        return max(self.toplevels().index(w) for w in ids) if ids else -1

    def is_viewable(self, window):
        return "IsViewable" in run(["xwininfo", "-id", str(window)], self.env).stdout

    def launch(self, what):
        """Starts the program and checks that its window appears; returns
        the window, or None."""
        proc = self.start()
        window = self.wait_window()
        check(window is not None, what)
        if window is None:
            self.tell_why_no_window(proc)
        return window

    def tell_why_no_window(self, proc):
        """Prints what is known when the window did not appear."""
        if proc.poll() is not None:
            print("      the program ended with %r: %s" % (proc.returncode, proc.stderr.read().decode(errors="replace")))
            return
        shown = run(["xdotool", "search", "--onlyvisible", "--classname", "typeko"], self.env).stdout.split()
        names = [run(["xdotool", "getwindowname", w], self.env).stdout.strip() for w in shown]
        print("      the program still runs; its visible windows: %r" % names)

    def close(self, window):
        run([CLOSE_TOOL, str(window)], self.env)

    def close_and_wait(self, window):
        """Closes the window as a window manager would and lets the
        program end."""
        self.close(window)
        self.procs[-1].wait(timeout=WAIT)

    def finish(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        self.xvfb.kill()
        self.xvfb.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


def same_as_artwork(shot, picture_name, points):
    art = artwork(picture_name)
    return all(shot.pixel(x, y) == art.pixel(x, y) for x, y in points)


# The backgrounds of each window. One palette serves them all, so a few
# fixed points do not tell one screen from another.
MAIN_SCREENS = ["SCR00000", "SCR10000", "SCR12000", "SCR13000", "SCR20000", "SCR20001", "SCR20002", "SCR20003",
                "SCR20004", "SCR20005", "SCR88888", "SCR99999", "SCR99999N"]
SUB_SCREENS = ["SCR11000", "SCR11001", "SCR11002", "SCR12100"]
_telling_cache = {}


def telling_points(picture_name, step=8):
    """The points of a grid at which the background differs from every other
    background of its window, worked out from the artwork itself."""
    if picture_name not in _telling_cache:
        group = next(g for g in (MAIN_SCREENS, SUB_SCREENS) if picture_name in g)
        art = artwork(picture_name)
        others = [artwork(name) for name in group if name != picture_name]
        _telling_cache[picture_name] = [(x, y) for y in range(0, art.height, step) for x in range(0, art.width, step)
                                        if all(o.pixel(x, y) != art.pixel(x, y) for o in others)]
    return _telling_cache[picture_name]


def shows_screen(shot, picture_name, points):
    """Whether the screenshot shows the background: its exact pixels at
    `points`, which no control covers, and at more than half of the points
    that tell it from the window's other backgrounds (controls and drawn
    text cover the rest)."""
    art = artwork(picture_name)
    tell = telling_points(picture_name)
    matching = sum(1 for x, y in tell if shot.pixel(x, y) == art.pixel(x, y))
    return same_as_artwork(shot, picture_name, points) and matching * 2 > len(tell)


def showing(picture_name, points):
    return lambda shot: shows_screen(shot, picture_name, points)


# Points of each background that no button covers.
BACKGROUND_POINTS = [(5, 5), (795, 5), (400, 30), (700, 560), (150, 150)]
LEVEL_MENU_POINTS = [(5, 5), (795, 5), (700, 560)]
COURSE_POINTS = [(5, 590), (795, 590), (795, 300)]
START_POINTS = [(5, 5), (795, 595), (400, 590)]
# White on the training background and on none of the others. The corner
# point is grey while a new sentence flashes, so a training screen that
# passes here has settled.
TRAINING_POINTS = [(5, 5), (795, 5), (5, 300), (795, 300)]
DIALOG_SCREENS = [("SCR11000", [(5, 5), (695, 5), (350, 500)]), ("SCR12100", [(5, 5), (695, 5), (200, 505)])]

TITLE_START = (302 + 96, 249 + 20)
LEVEL_2 = (59 + 122, 200 + 19)
NAME_SELECT = (576 + 65, 82 + 11)
MAGENTA = (255, 0, 153)


def on_training_screen(shot):
    return shows_screen(shot, "SCR13000", TRAINING_POINTS)


def word_cursor_shown(shot):
    """Whether the word's cursor bar stands anywhere under the word."""
    return any(shot.pixel(x, 272) == MAGENTA for x in range(10, 790))


def entry_holds_text(shot):
    """Whether the user dialog's name entry shows typed text: more ink than
    its blinking text cursor alone, which is 20 pixels."""
    art = artwork("SCR11001")
    ink = sum(1 for x in range(253, 444) for y in range(235, 255) if shot.pixel(x, y) != art.pixel(x, y))
    return ink > 40


def changed_from(before, box=(0, 0, 800, 520)):
    """Ready once the window's training area differs from `before` and the
    training screen has settled."""
    return lambda shot: on_training_screen(shot) and shot.differs(before, box)


def test_start_navigate_close(s):
    window = s.launch("the main window appears")
    if window is None:
        return
    shot = s.shot(window, "title", showing("SCR00000", BACKGROUND_POINTS))
    check((shot.width, shot.height) == (800, 600), "the window's client area is 800 x 600")
    check(shows_screen(shot, "SCR00000", BACKGROUND_POINTS), "the title screen shows its picture")

    shot = s.open_level_menu(window)
    check(shows_screen(shot, "SCR10000", LEVEL_MENU_POINTS), "the title button opens the level menu")

    shot = s.open_course(window)
    check(shows_screen(shot, "SCR12000", COURSE_POINTS), "level 2 opens its course screen")

    s.click(window, 21 + 35, 523 + 26)
    shot = s.shot(window, "level-menu-again", showing("SCR10000", [(5, 5), (795, 5)]))
    check(shows_screen(shot, "SCR10000", [(5, 5), (795, 5)]), "back returns to the level menu")

    # The goodbye stands for a second: it is watched for from the close on,
    # so however slow the machine, it is seen if it was shown at all.
    proc = s.procs[-1]
    s.close(window)
    shot = s.catch(window, "closing", "SCR99999", BACKGROUND_POINTS)
    check(shot is not None, "closing shows the goodbye picture")
    try:
        code = proc.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, "the program ends with exit code 0 after closing")
    score = os.path.join(s.app_dir, "Score")
    progress = os.path.join(score, "-----.dat")
    check(os.path.isfile(progress), "the progress file is written beside the program")
    if os.path.isfile(progress):
        with open(progress, "rb") as f:
            text = f.read()
        check(text.startswith(b"Way=0,Word=0,New=1,Once=0,Level=2,") and text.endswith(b"[END]\r\n"),
              "the progress file holds the settings line and ends with [END]")
    ini = os.path.join(s.app_dir, "Score.ini")
    check(os.path.isfile(ini) and open(ini, "rb").read() == b"-----.dat\r\n", "Score.ini names the user")


def test_second_start(s):
    first = s.start()
    window = s.wait_window()
    check(window is not None, "the first copy shows its window")
    if window is None:
        return
    before = sorted(os.listdir(s.app_dir))
    # Another window is put over ours; a raise must bring ours back on top.
    cover = subprocess.Popen(["xmessage", "-geometry", "1000x740+0+0", "cover"], env=s.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    s.procs.append(cover)
    covered = lambda: s.stacking_index(window) < s.stacking_index_of_other(window)
    check(wait_until(covered), "another window covers the first copy")
    second = s.start()
    # Watched while the second copy runs, so a window it shows and takes
    # away again is seen.
    most = [0]

    def ended():
        most[0] = max(most[0], len(s.windows()))
        return second.poll() is not None

    wait_until(ended)
    check(second.poll() == 0, "a second start ends with exit code 0")
    check(most[0] == 1 and len(s.windows()) == 1, "a second start shows no window of its own")
    check(sorted(os.listdir(s.app_dir)) == before, "a second start writes nothing")
    check(wait_until(lambda: s.stacking_index(window) > s.stacking_index_of_other(window)),
          "the first copy raises its window on top")
    check(first.poll() is None, "the first copy keeps running")
    s.close(window)
    first.wait(timeout=WAIT)


def strip_matches(shot, strip_name, frame, frame_width, left, top, points):
    """Whether the control at (left, top) shows the given frame of its strip."""
    strip = artwork(strip_name)
    return all(shot.pixel(left + x, top + y) == strip.pixel(frame * frame_width + x, y) for x, y in points)


def test_guide_and_information(s):
    window = s.launch("the main window appears for the guide")
    if window is None:
        return
    inside = [(5, 5), (25, 26), (44, 40)]
    page_points = [(5, 5), (795, 5), (400, 300), (795, 595)]

    def page_shown(page):
        """Page `page` (0 to 4) with both arrow buttons in their frames:
        greyed on the first and the last page, available between."""
        return lambda shot: (shows_screen(shot, "SCR2000%d" % page, page_points)
                             and strip_matches(shot, "ImgBtnPrev", 3 if page == 0 else 0, 50, 325, 523, inside)
                             and strip_matches(shot, "ImgBtnNext", 3 if page == 4 else 0, 50, 425, 523, inside))

    s.click(window, 302 + 96, 335 + 20)
    for page in range(5):
        s.park(window)
        shot = s.shot(window, "guide-%d" % (page + 1), page_shown(page))
        check(shows_screen(shot, "SCR2000%d" % page, page_points), "guide page %d shows its picture" % (page + 1))
        check(strip_matches(shot, "ImgBtnPrev", 3 if page == 0 else 0, 50, 325, 523, inside),
              "guide page %d shows the previous button %s" % (page + 1, "greyed" if page == 0 else "available"))
        check(strip_matches(shot, "ImgBtnNext", 3 if page == 4 else 0, 50, 425, 523, inside),
              "guide page %d shows the next button %s" % (page + 1, "greyed" if page == 4 else "available"))
        if page < 4:
            s.click(window, 425 + 25, 523 + 26)
    s.click(window, 425 + 25, 523 + 26)
    # The program handles input in order: once it shows the hover frame of
    # the previous button, it has handled the click before.
    s.point_at(window, 325 + 25, 523 + 26)
    shot = s.shot(window, "guide-5-again", lambda shot: strip_matches(shot, "ImgBtnPrev", 2, 50, 325, 523, inside))
    check(strip_matches(shot, "ImgBtnPrev", 2, 50, 325, 523, inside), "the previous button shows its hover frame")
    check(shows_screen(shot, "SCR20004", [(5, 5), (400, 300)]), "the last page's next button does nothing")
    s.click(window, 21 + 35, 523 + 26)
    shot = s.shot(window, "title-again", showing("SCR00000", BACKGROUND_POINTS))
    check(shows_screen(shot, "SCR00000", BACKGROUND_POINTS), "back from a guide page returns to the title")
    s.click(window, 318 + 154, 409 + 20)
    s.park(window)
    back_at_540 = lambda shot: strip_matches(shot, "bBack1", 0, 71, 21, 540, [(2, 2), (35, 26), (68, 49)])
    shot = s.shot(window, "information",
                  lambda shot: shows_screen(shot, "SCR20005", page_points) and back_at_540(shot))
    check(shows_screen(shot, "SCR20005", page_points), "the information button opens the information page")
    check(back_at_540(shot), "the information page's back button stands at top 540")
    s.click(window, 21 + 35, 540 + 26)
    shot = s.shot(window, "title-from-information", showing("SCR00000", BACKGROUND_POINTS))
    check(shows_screen(shot, "SCR00000", BACKGROUND_POINTS), "back from the information page returns to the title")
    s.close_and_wait(window)


def test_level_menu_statistics(s):
    # A learner who knows 10 and misses 5 of the 30 words of band A in every
    # level. Every level with words then shows the same bar, and so does the
    # total row, however many levels the course fills; a level without words
    # shows none.
    os.makedirs(os.path.join(s.app_dir, "Score"))
    with open(os.path.join(s.app_dir, "Score.ini"), "wb") as f:
        f.write(b"e2e.dat\r\n")
    tokens = ",".join(["101"] * 10 + ["401"] * 5 + ["000"] * 15).encode()
    with open(os.path.join(s.app_dir, "Score", "e2e.dat"), "wb") as f:
        f.write(b"Way=0,Word=0,New=1,Once=0,Level=2,Pattern=1,WordType=1,Set1=0,Set2=0,Set3=0,Set4=0,Set5=0,"
                b"Set6=0,Set7=0\r\n" + (tokens + b"\r\n\r\n\r\n") * 8)
    window = s.launch("the main window appears for a learner with progress")
    if window is None:
        return
    s.click(window, *TITLE_START)
    shot = s.shot(window, "level-menu-progress", lambda shot: shot.pixel(573, 207) == (0, 255, 0))
    green, red = (0, 255, 0), (255, 0, 0)
    filled = []
    for row in range(9):
        top = 38 * row + 169
        bar = [shot.pixel(x, top) for x in range(573, 649)] + [shot.pixel(573, top + 22)]
        if row != 1 and row != 8 and all(p not in (green, red) for p in bar):
            continue
        filled.append(row)
        check(bar[:50] == [green] * 50 and bar[50:75] == [red] * 25 and bar[75] not in (green, red)
              and bar[76] == green, "row %d shows 10 of 30 words known in green and 5 unknown in red" % row)
        check(shot.pixel(573, top - 1) != green and shot.pixel(573, top + 23) != green,
              "row %d's bar spans exactly 23 pixels" % row)
    print("      levels with words on the menu: %s" % ", ".join("Level %d" % (row + 1) for row in filled if row < 8))
    s.close_and_wait(window)


def glyph_cell_matches(shot, strip, column, row, left, top, width):
    """Whether the screenshot shows the large glyph strip's cell (column,
    row) copied to (left, top), over its first `width` columns."""
    return all(shot.pixel(left + x, top + y) == strip.pixel(column * 61 + x, row * 70 + y)
               for y in range(0, 70, 3) for x in range(width))


def test_training_typing(s):
    window = s.launch("the main window appears for training")
    if window is None:
        return
    s.focus(window)
    s.open_level_menu(window)
    s.open_course(window)
    s.park(window)
    seen = s.start_run(window)
    check(seen is not None, "Enter on the course screen shows the start screen")

    # The run takes the band's words in order, so the first word is "rest".
    s.type("re")
    shot = s.shot(window, "word-typing", lambda shot: shot.pixel(399, 270) == MAGENTA)
    large = artwork("FONTLARGE")
    # "rest" is 156 pixels wide: it starts at 10 + (780 - 156) / 2 = 322.
    check(glyph_cell_matches(shot, large, 0, 17, 322, 198, 33), "the typed r is drawn in blue from the glyph strip")
    check(glyph_cell_matches(shot, large, 0, 4, 355, 198, 44), "the typed e follows it at the r's advance")
    bar = [shot.pixel(x, y) for x in (399, 426) for y in (270, 275)]
    check(bar == [MAGENTA] * 4, "the cursor bar stands under the next letter in magenta")
    check(shot.pixel(398, 272) != MAGENTA and shot.pixel(427, 272) != MAGENTA and shot.pixel(410, 269) != MAGENTA
          and shot.pixel(410, 276) != MAGENTA, "the cursor bar is exactly 28 x 6 pixels")
    check(shot.pixel(420, 230) == (255, 255, 255), "the letters still to type stay hidden")

    s.type("st")
    # The last letter t stands at 322 + 33 + 44 + 44 = 443.
    last_letter = lambda shot: glyph_cell_matches(shot, large, 0, 19, 443, 198, 35)
    shot = s.shot(window, "word-complete", last_letter)
    check(last_letter(shot), "the whole word is typed in blue")
    check(all(shot.pixel(x, 272) != MAGENTA for x in range(300, 520)), "a completed word has no cursor bar")

    # On to the first sentence that needs two lines: either's second sense.
    # Each move is seen on screen before the next key.
    for n in range(11):
        s.key("ctrl+j")
        shot = s.shot(window, "forward-%d" % (n + 1), changed_from(shot), steady=True)
    s.type("There are two roads ", delay=40)
    # 49 characters on line 1: X0 = 10 + (780 - 686) / 2 = 57; the cursor
    # stands under character 21 of line 1.
    x = 57 + 14 * 20
    shot = s.shot(window, "sentence-typing", lambda shot: shot.pixel(x + 7, 198 + 37) == MAGENTA)
    check(shot.pixel(x + 7, 198 + 37) == MAGENTA and shot.pixel(x + 13, 198 + 39) == MAGENTA
          and shot.pixel(x + 6, 198 + 38) != MAGENTA and shot.pixel(x + 14, 198 + 38) != MAGENTA,
          "the sentence cursor bar stands under the next character of line 1")
    s.type("to the station You can take either road", delay=40)
    # The subject "two roads to the station." starts at character 11.
    subject = 57 + 14 * 10 + 1
    subject_blue = (0, 153, 255)
    shot = s.shot(window, "sentence-complete", lambda shot: shot.pixel(subject, 198 + 16) == subject_blue)
    check(shot.pixel(subject, 198 + 16) == subject_blue, "a completed sentence shows its subject band in blue")
    s.close_and_wait(window)


def test_user_dialog(s):
    window = s.launch("the main window appears for choosing a user")
    if window is None:
        return
    s.open_level_menu(window)
    s.click(window, *NAME_SELECT)
    dialog = s.wait_dialog()
    check(dialog is not None, "the name button opens the user dialog")
    if dialog is None:
        return
    list_points = [(5, 5), (695, 5), (350, 500)]
    shot = s.shot(dialog, "user-list", showing("SCR11000", list_points))
    check(shows_screen(shot, "SCR11000", list_points), "the user dialog shows its list screen")
    s.click(dialog, 444 + 65, 172 + 15)
    shot = s.shot(dialog, "user-add", showing("SCR11001", list_points))
    check(shows_screen(shot, "SCR11001", list_points), "the add button opens the name entry")
    s.focus(dialog)
    s.type("hanako")
    s.shot(dialog, "user-name-typed", entry_holds_text, steady=True)
    s.click(dialog, 440 + 65, 407 + 15)
    s.shot(dialog, "user-list-added", showing("SCR11000", list_points))
    check(wait_until(lambda: os.path.isfile(os.path.join(s.app_dir, "Score", "hanako.dat"))),
          "adding a user makes their progress file")
    s.click(dialog, 430 + 72, 443 + 17)
    check(s.wait_gone(dialog), "choosing the user closes the dialog")

    # Type the first word of a run and move on, then close during the run.
    s.open_course(window)
    s.start_run(window)
    s.type_word_and_move_on(window, "rest")
    s.close_and_wait(window)
    progress = os.path.join(s.app_dir, "Score", "hanako.dat")
    lines = open(progress, "rb").read().split(b"\r\n") if os.path.isfile(progress) else []
    check(len(lines) > 4 and lines[4].startswith(b"101,"),
          "the new user's progress holds the typed word as known in the first run")
    ini = os.path.join(s.app_dir, "Score.ini")
    check(os.path.isfile(ini) and open(ini, "rb").read() == b"hanako.dat\r\n", "Score.ini names the new user")


def bursts(samples, rate, window_ms=5, threshold=300):
    """Stretches of sound in a mono recording, as (start, end) in seconds;
    silences shorter than 20 ms do not split a stretch."""
    step = rate * window_ms // 1000
    loud = []
    for i in range(0, len(samples) - step, step):
        chunk = samples[i:i + step]
        loud.append(max(abs(v) for v in chunk) > threshold)
    found = []
    start = None
    quiet = 0
    for n, is_loud in enumerate(loud):
        if is_loud:
            if start is None:
                start = n
            quiet = 0
        elif start is not None:
            quiet += 1
            if quiet * window_ms >= 20:
                found.append((start * window_ms / 1000, (n - quiet + 1) * window_ms / 1000))
                start = None
    if start is not None:
        found.append((start * window_ms / 1000, len(loud) * window_ms / 1000))
    return found


def sounds(recording, begin=0):
    """The stretches of sound recorded from byte `begin` on, and how many
    seconds that part of the recording lasts."""
    data = open(recording, "rb").read()[begin:] if os.path.exists(recording) else b""
    samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
    return bursts(samples, 44100), len(samples) / 44100


def sound_ended(recording, begin, count=1, longer_than=0.0):
    """Whether at least `count` stretches of sound longer than the given
    seconds were recorded after `begin`, all of them over."""
    def ended():
        found, length = sounds(recording, begin)
        done = [b for b in found if b[1] < length - 0.03]
        return len(done) == len(found) and len([b for b in done if b[1] - b[0] > longer_than]) >= count
    return ended


def test_sound_recording(s):
    """Records what the program plays through SDL's disk driver while a word
    is typed: a click for each key and the word's voice after its last letter."""
    recording = os.path.join(s.dir, "sound.raw")
    s.env.update({"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": recording})
    shutil.copytree(os.path.join(BUILD, "SOUND"), os.path.join(s.app_dir, "SOUND"))
    window = s.launch("the main window appears with a recording sound device")
    if window is None:
        return
    s.open_training(window)
    # The word speaks when it is shown; the recording is read from after
    # its voice has ended. Each letter's click is heard out before the next
    # key, so every click stands on its own.
    wait_until(sound_ended(recording, 0, longer_than=0.4))
    begin = os.path.getsize(recording) if os.path.exists(recording) else 0
    for n, letter in enumerate("rest"):
        s.type(letter)
        wait_until(sound_ended(recording, begin, count=n + 1))
    wait_until(sound_ended(recording, begin, longer_than=0.4))
    s.close_and_wait(window)
    found, _ = sounds(recording, begin)
    print("      sounds (s): " + ", ".join("%.2f-%.2f" % b for b in found))
    clicks = [b for b in found if b[1] - b[0] < 0.25]
    check(len(clicks) >= 3, "the first three letters each click")
    long_after = [b for b in found if b[1] - b[0] > 0.4]
    check(bool(long_after) and clicks and long_after[-1][0] >= clicks[min(2, len(clicks) - 1)][1],
          "the word's voice follows its last letter")


def write_user(s, name, settings, band_line=b""):
    os.makedirs(os.path.join(s.app_dir, "Score"), exist_ok=True)
    with open(os.path.join(s.app_dir, "Score.ini"), "wb") as f:
        f.write(name.encode() + b".dat\r\n")
    with open(os.path.join(s.app_dir, "Score", name + ".dat"), "wb") as f:
        f.write(settings + b"\r\n\r\n\r\n\r\n" + band_line + b"\r\n")


def test_writing_guide(s):
    # A learner who practises writing with the full guide (labels on).
    write_user(s, "writer", b"Way=0,Word=0,New=1,Once=0,Level=2,Pattern=4,WordType=1,Set1=0,Set2=0,Set3=0,Set4=0,"
                            b"Set5=0,Set6=2,Set7=0")
    window = s.launch("the main window appears for the writing pattern")
    if window is None:
        return
    s.open_training(window)
    # The first sentence in order: "You can have the rest of the cake."
    s.type("You can have", delay=50)
    # 34 characters: X0 = 10 + (780 - 476) / 2 = 162; the subject "You " is
    # underlined in its colour one pixel below the glyph cells.
    subject_blue = (0, 153, 255)
    underlined = lambda shot: shot.pixel(162 + 4 + 2, 198 + 31) == subject_blue
    shot = s.shot(window, "writing-half-typed", underlined)
    check(underlined(shot), "the writing guide underlines the subject in its colour")
    s.close_and_wait(window)


def test_special_training_notice(s):
    window = s.launch("the main window appears for special training")
    if window is None:
        return
    s.open_training(window)
    s.type("xxxxxrest")
    yellow = (255, 255, 0)
    strip = lambda shot: shot.pixel(9, 117) == yellow and shot.pixel(787, 131) == yellow
    shot = s.shot(window, "special-training", strip)
    check(strip(shot), "five misses show the yellow special-training notice across the window")
    s.close_and_wait(window)


def test_dialog_screens(s):
    write_user(s, "taro", b"Way=0,Word=0,New=1,Once=0,Level=2,Pattern=1,WordType=1,Set1=0,Set2=0,Set3=0,Set4=0,"
                          b"Set5=0,Set6=0,Set7=0")
    # A second user, since the last one left cannot be deleted.
    open(os.path.join(s.app_dir, "Score", "jiro.dat"), "wb").close()
    window = s.launch("the main window appears for the dialog screens")
    if window is None:
        return
    s.open_level_menu(window)
    s.click(window, *NAME_SELECT)
    dialog = s.wait_dialog()
    if dialog is None:
        check(False, "the user dialog opens")
        return
    s.click(dialog, 444 + 65, 212 + 15)
    shot = s.shot(dialog, "user-delete", showing("SCR11002", [(5, 5), (695, 5), (350, 500)]))
    check(shows_screen(shot, "SCR11002", [(5, 5), (695, 5), (350, 500)]), "delete asks for confirmation first")
    s.click(dialog, 133 + 65, 407 + 15)
    s.shot(dialog, "user-list-again", showing("SCR11000", [(5, 5), (695, 5)]))
    s.click(dialog, 133 + 65, 445 + 15)
    s.wait_gone(dialog)
    check(os.path.isfile(os.path.join(s.app_dir, "Score", "taro.dat")), "cancelling the deletion keeps the user's file")
    # The options open from the training screen.
    s.open_course(window)
    s.start_run(window)
    s.click(window, 166 + 13, 536 + 13)
    dialog = s.wait_dialog()
    if dialog is None:
        check(False, "the set-up button opens the options")
        return
    shot = s.shot(dialog, "options", showing("SCR12100", [(5, 5), (695, 5), (200, 505)]))
    check(shows_screen(shot, "SCR12100", [(5, 5), (695, 5), (200, 505)]), "the set-up button opens the options")
    s.click(dialog, 16 + 37, 472 + 12)
    check(s.wait_gone(dialog), "cancel closes the options")
    s.close_and_wait(window)


SCENARIOS = {
    "start_navigate_close": test_start_navigate_close,
    "second_start": test_second_start,
    "guide_and_information": test_guide_and_information,
    "level_menu_statistics": test_level_menu_statistics,
    "training_typing": test_training_typing,
    "user_dialog": test_user_dialog,
    "sound_recording": test_sound_recording,
    "writing_guide": test_writing_guide,
    "special_training_notice": test_special_training_notice,
    "dialog_screens": test_dialog_screens,
}


def main():
    names = sys.argv[3:] or list(SCENARIOS)
    for name in names:
        s = Session()
        try:
            SCENARIOS[name](s)
        except Exception as error:  # a crash of the harness is a failure, not a pass
            check(False, "%s raised %r" % (name, error))
        finally:
            s.finish()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
