#!/usr/bin/env python3
"""End-to-end tests of the real program in a real X server (Xvfb), driven by
real pointer and key events from xdotool, with screenshots read back.

Usage: e2e.py BUILD_DIR CLOSE_WINDOW_TOOL
Prints a line per check and ends with 'N passed, N failed'."""

import os
import shutil
import subprocess
import sys
import tempfile
import struct
import time

BUILD = os.path.abspath(sys.argv[1])
CLOSE_TOOL = os.path.abspath(sys.argv[2])
ARTWORK = os.path.join(BUILD, "artwork")

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


class Ppm:
    """A picture read through ImageMagick as raw PPM: no decoding in Python,
    so screenshots can be taken again and again while waiting."""

    def __init__(self, path, env=None):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, env=env,
                              check=True).stdout
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
        assert fields[0] == b"P6", path
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = data[pos:]

    def pixel(self, x, y):
        o = (y * self.width + x) * 3
        return tuple(self.data[o:o + 3])


_artwork_cache = {}


def artwork(name):
    if name not in _artwork_cache:
        _artwork_cache[name] = Ppm(os.path.join(ARTWORK, name + ".png"))
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
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten",
                                      "tcp"], pass_fds=[write_fd], stderr=subprocess.DEVNULL)
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

    def wait_window(self, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            w = self.windows()
            if w:
                time.sleep(0.5)
                return w[0]
            time.sleep(0.1)
        return None

    def size(self, window):
        out = run(["xdotool", "getwindowgeometry", "--shell", str(window)], self.env).stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def wait_dialog(self, timeout=10):
        """The sub-window: the visible window of the program that is 700 x 525."""
        end = time.time() + timeout
        while time.time() < end:
            for w in self.windows():
                if self.size(w) == (700, 525):
                    time.sleep(0.3)
                    return w
            time.sleep(0.1)
        return None

    def geometry(self, window):
        out = run(["xdotool", "getwindowgeometry", "--shell", str(window)], self.env).stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"])

    def click(self, window, x, y):
        wx, wy = self.geometry(window)
        run(["xdotool", "mousemove", "--sync", str(wx + x), str(wy + y)], self.env)
        time.sleep(0.1)
        run(["xdotool", "click", "1"], self.env)
        time.sleep(0.4)

    def park(self, window):
        """Moves the pointer off every button, so no hover frame shows."""
        wx, wy = self.geometry(window)
        run(["xdotool", "mousemove", "--sync", str(wx + 790), str(wy + 300)], self.env)
        time.sleep(0.3)

    def open_training(self, window):
        """Title, level 2, then Enter twice: past the start screen into a run."""
        run(["xdotool", "windowfocus", "--sync", str(window)], self.env)
        self.click(window, 302 + 96, 249 + 20)
        self.click(window, 59 + 122, 200 + 19)
        self.start_run(window)
        time.sleep(0.2)

    def start_run(self, window):
        """From the course screen, Enter starts a run and Enter ends the
        start screen's wait."""
        run(["xdotool", "windowfocus", "--sync", str(window)], self.env)
        run(["xdotool", "key", "Return"], self.env)
        time.sleep(0.3)
        run(["xdotool", "key", "Return"], self.env)
        time.sleep(0.6)

    def type_word_and_move_on(self, word):
        """Types a run's word, then Enter twice moves past its sentence to
        the next word, which keeps the word's result."""
        run(["xdotool", "type", "--delay", "60", word], self.env)
        time.sleep(0.3)
        run(["xdotool", "key", "--delay", "200", "Return", "Return"], self.env)
        time.sleep(0.5)

    def key(self, window, name):
        run(["xdotool", "key", "--window", str(window), name], self.env)
        time.sleep(0.3)

    def shot(self, window, name, ready=None, timeout=10):
        """A screenshot of the window. With `ready`, screenshots are taken
        again until it holds or the time is up, so a slow machine gets time
        to act on the last input; the last one is returned either way."""
        path = os.path.join(self.dir, name + ".png")
        end = time.time() + timeout
        while True:
            run(["import", "-window", str(window), "-depth", "8", "-define", "png:color-type=2", path], self.env)
            picture = Ppm(path)
            if ready is None or ready(picture) or time.time() > end:
                break
            time.sleep(0.2)
        keep = os.environ.get("TYPEKO_E2E_SHOTS")
        if keep:
            os.makedirs(keep, exist_ok=True)
            shutil.copy2(path, keep)
        return picture

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
        self.start()
        window = self.wait_window()
        check(window is not None, what)
        return window

    def close(self, window):
        run([CLOSE_TOOL, str(window)], self.env)

    def close_and_wait(self, window):
        """Closes the window as a window manager would and lets the
        program end."""
        self.close(window)
        self.procs[-1].wait(timeout=10)

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


def showing(picture_name, points):
    return lambda shot: same_as_artwork(shot, picture_name, points)


# Points of each background that no button covers.
BACKGROUND_POINTS = [(5, 5), (795, 5), (400, 30), (700, 560), (150, 150)]


def test_start_navigate_close(s):
    window = s.launch("the main window appears")
    if window is None:
        return
    shot = s.shot(window, "title", showing("SCR00000", BACKGROUND_POINTS))
    check((shot.width, shot.height) == (800, 600), "the window's client area is 800 x 600")
    check(same_as_artwork(shot, "SCR00000", BACKGROUND_POINTS), "the title screen shows its picture")

    s.click(window, 302 + 96, 249 + 20)
    shot = s.shot(window, "level-menu", showing("SCR10000", [(5, 5), (795, 5), (700, 560)]))
    check(same_as_artwork(shot, "SCR10000", [(5, 5), (795, 5), (700, 560)]), "the title button opens the level menu")

    s.click(window, 59 + 122, 200 + 19)
    time.sleep(0.5)
    shot = s.shot(window, "course", showing("SCR12000", [(5, 590), (795, 590), (795, 300)]))
    check(same_as_artwork(shot, "SCR12000", [(5, 590), (795, 590), (795, 300)]), "level 2 opens its course screen")

    s.click(window, 21 + 35, 523 + 26)
    shot = s.shot(window, "level-menu-again", showing("SCR10000", [(5, 5), (795, 5)]))
    check(same_as_artwork(shot, "SCR10000", [(5, 5), (795, 5)]), "back returns to the level menu")

    s.close(window)
    time.sleep(0.4)
    shot = s.shot(window, "closing", showing("SCR99999", BACKGROUND_POINTS), timeout=0.8)
    check(same_as_artwork(shot, "SCR99999", BACKGROUND_POINTS), "closing shows the goodbye picture")
    proc = s.procs[-1]
    try:
        code = proc.wait(timeout=10)
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
    time.sleep(1.0)
    check(s.stacking_index(window) < s.stacking_index_of_other(window), "another window covers the first copy")
    second = s.start()
    try:
        code = second.wait(timeout=10)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, "a second start ends with exit code 0")
    time.sleep(0.5)
    check(len(s.windows()) == 1, "a second start shows no window of its own")
    check(sorted(os.listdir(s.app_dir)) == before, "a second start writes nothing")
    check(s.stacking_index(window) > s.stacking_index_of_other(window), "the first copy raises its window on top")
    check(first.poll() is None, "the first copy keeps running")
    s.close(window)
    first.wait(timeout=10)


def strip_matches(shot, strip_name, frame, frame_width, left, top, points):
    """Whether the control at (left, top) shows the given frame of its strip."""
    strip = artwork(strip_name)
    return all(shot.pixel(left + x, top + y) == strip.pixel(frame * frame_width + x, y) for x, y in points)


def test_guide_and_information(s):
    window = s.launch("the main window appears for the guide")
    if window is None:
        return
    inside = [(5, 5), (25, 26), (44, 40)]
    s.click(window, 302 + 96, 335 + 20)
    for page in range(5):
        s.park(window)
        shot = s.shot(window, "guide-%d" % (page + 1),
                      showing("SCR2000%d" % page, [(5, 5), (795, 5), (400, 300), (795, 595)]))
        check(same_as_artwork(shot, "SCR2000%d" % page, [(5, 5), (795, 5), (400, 300), (795, 595)]),
              "guide page %d shows its picture" % (page + 1))
        check(strip_matches(shot, "ImgBtnPrev", 3 if page == 0 else 0, 50, 325, 523, inside),
              "guide page %d shows the previous button %s" % (page + 1, "greyed" if page == 0 else "available"))
        check(strip_matches(shot, "ImgBtnNext", 3 if page == 4 else 0, 50, 425, 523, inside),
              "guide page %d shows the next button %s" % (page + 1, "greyed" if page == 4 else "available"))
        if page < 4:
            s.click(window, 425 + 25, 523 + 26)
    s.click(window, 425 + 25, 523 + 26)
    time.sleep(0.5)
    shot = s.shot(window, "guide-5-again")
    check(same_as_artwork(shot, "SCR20004", [(5, 5), (400, 300)]), "the last page's next button does nothing")
    s.click(window, 21 + 35, 523 + 26)
    shot = s.shot(window, "title-again", showing("SCR00000", BACKGROUND_POINTS))
    check(same_as_artwork(shot, "SCR00000", BACKGROUND_POINTS), "back from a guide page returns to the title")
    s.click(window, 318 + 154, 409 + 20)
    s.park(window)
    shot = s.shot(window, "information", showing("SCR20005", [(5, 5), (795, 5), (400, 300), (795, 595)]))
    check(same_as_artwork(shot, "SCR20005", [(5, 5), (795, 5), (400, 300), (795, 595)]),
          "the information button opens the information page")
    check(strip_matches(shot, "bBack1", 0, 71, 21, 540, [(2, 2), (35, 26), (68, 49)]),
          "the information page's back button stands at top 540")
    s.click(window, 21 + 35, 540 + 26)
    shot = s.shot(window, "title-from-information", showing("SCR00000", BACKGROUND_POINTS))
    check(same_as_artwork(shot, "SCR00000", BACKGROUND_POINTS), "back from the information page returns to the title")
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
    s.click(window, 302 + 96, 249 + 20)
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
    run(["xdotool", "windowfocus", "--sync", str(window)], s.env)
    s.click(window, 302 + 96, 249 + 20)
    s.click(window, 59 + 122, 200 + 19)
    s.park(window)
    run(["xdotool", "key", "Return"], s.env)
    time.sleep(0.3)
    shot = s.shot(window, "start-screen", showing("SCR88888", [(5, 5), (795, 595), (400, 590)]), timeout=2.5)
    check(same_as_artwork(shot, "SCR88888", [(5, 5), (795, 595), (400, 590)]), "Enter on the course screen shows the start screen")
    run(["xdotool", "key", "Return"], s.env)
    time.sleep(0.6)

    # The run takes the band's words in order, so the first word is "rest".
    run(["xdotool", "type", "--delay", "60", "re"], s.env)
    time.sleep(0.4)
    shot = s.shot(window, "word-typing", lambda shot: shot.pixel(399, 270) == (255, 0, 153))
    large = artwork("FONTLARGE")
    # "rest" is 156 pixels wide: it starts at 10 + (780 - 156) / 2 = 322.
    check(glyph_cell_matches(shot, large, 0, 17, 322, 198, 33), "the typed r is drawn in blue from the glyph strip")
    check(glyph_cell_matches(shot, large, 0, 4, 355, 198, 44), "the typed e follows it at the r's advance")
    magenta = (255, 0, 153)
    bar = [shot.pixel(x, y) for x in (399, 426) for y in (270, 275)]
    check(bar == [magenta] * 4, "the cursor bar stands under the next letter in magenta")
    check(shot.pixel(398, 272) != magenta and shot.pixel(427, 272) != magenta and shot.pixel(410, 269) != magenta
          and shot.pixel(410, 276) != magenta, "the cursor bar is exactly 28 x 6 pixels")
    check(shot.pixel(420, 230) == (255, 255, 255), "the letters still to type stay hidden")

    run(["xdotool", "type", "--delay", "60", "st"], s.env)
    time.sleep(0.4)
    # The last letter t stands at 322 + 33 + 44 + 44 = 443.
    last_letter = lambda shot: glyph_cell_matches(shot, large, 0, 19, 443, 198, 35)
    shot = s.shot(window, "word-complete", last_letter)
    check(last_letter(shot), "the whole word is typed in blue")
    check(all(shot.pixel(x, 272) != magenta for x in range(300, 520)), "a completed word has no cursor bar")

    # On to the first sentence that needs two lines: either's second sense.
    for _ in range(11):
        run(["xdotool", "key", "ctrl+j"], s.env)
        time.sleep(0.15)
    time.sleep(0.5)
    run(["xdotool", "type", "--delay", "40", "There are two roads "], s.env)
    time.sleep(0.5)
    # 49 characters on line 1: X0 = 10 + (780 - 686) / 2 = 57; the cursor
    # stands under character 21 of line 1.
    x = 57 + 14 * 20
    shot = s.shot(window, "sentence-typing", lambda shot: shot.pixel(x + 7, 198 + 37) == (255, 0, 153))
    check(shot.pixel(x + 7, 198 + 37) == magenta and shot.pixel(x + 13, 198 + 39) == magenta
          and shot.pixel(x + 6, 198 + 38) != magenta and shot.pixel(x + 14, 198 + 38) != magenta,
          "the sentence cursor bar stands under the next character of line 1")
    run(["xdotool", "type", "--delay", "40", "to the station You can take either road"], s.env)
    time.sleep(0.6)
    # The subject "two roads to the station." starts at character 11.
    subject = 57 + 14 * 10 + 1
    shot = s.shot(window, "sentence-complete", lambda shot: shot.pixel(subject, 198 + 16) == (0, 153, 255))
    subject_blue = (0, 153, 255)
    check(shot.pixel(subject, 198 + 16) == subject_blue, "a completed sentence shows its subject band in blue")
    s.close_and_wait(window)


def test_user_dialog(s):
    window = s.launch("the main window appears for choosing a user")
    if window is None:
        return
    s.click(window, 302 + 96, 249 + 20)
    s.shot(window, "menu-before-dialog", showing("SCR10000", [(5, 5), (795, 5)]))
    s.click(window, 576 + 65, 82 + 11)
    dialog = s.wait_dialog()
    check(dialog is not None, "the name button opens the user dialog")
    if dialog is None:
        return
    shot = s.shot(dialog, "user-list", showing("SCR11000", [(5, 5), (695, 5), (350, 500)]))
    check(same_as_artwork(shot, "SCR11000", [(5, 5), (695, 5), (350, 500)]), "the user dialog shows its list screen")
    s.click(dialog, 444 + 65, 172 + 15)
    shot = s.shot(dialog, "user-add", showing("SCR11001", [(5, 5), (695, 5), (350, 500)]))
    check(same_as_artwork(shot, "SCR11001", [(5, 5), (695, 5), (350, 500)]), "the add button opens the name entry")
    run(["xdotool", "windowfocus", "--sync", str(dialog)], s.env)
    run(["xdotool", "type", "--delay", "60", "hanako"], s.env)
    time.sleep(0.3)
    s.click(dialog, 440 + 65, 407 + 15)
    shot = s.shot(dialog, "user-list-added", showing("SCR11000", [(5, 5), (695, 5), (350, 500)]))
    check(os.path.isfile(os.path.join(s.app_dir, "Score", "hanako.dat")), "adding a user makes their progress file")
    s.click(dialog, 430 + 72, 443 + 17)
    end = time.time() + 10
    while time.time() < end and dialog in s.windows():
        time.sleep(0.1)
    check(dialog not in s.windows(), "choosing the user closes the dialog")

    # Type the first word of a run and move on, then close during the run.
    s.click(window, 59 + 122, 200 + 19)
    s.shot(window, "course-for-user", showing("SCR12000", [(5, 590), (795, 590)]))
    s.start_run(window)
    s.type_word_and_move_on("rest")
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


def test_sound_recording(s):
    """Records what the program plays through SDL's disk driver while a word
    is typed: a click for each key and the word's voice after its last letter."""
    recording = os.path.join(s.dir, "sound.raw")
    s.env.update({"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": recording})
    shutil.copytree(os.path.join(BUILD, "SOUND"), os.path.join(s.app_dir, "SOUND"))
    window = s.launch("the main window appears with a recording sound device")
    if window is None:
        return
    run(["xdotool", "windowfocus", "--sync", str(window)], s.env)
    s.click(window, 302 + 96, 249 + 20)
    s.click(window, 59 + 122, 200 + 19)
    # The word speaks when it is shown; the recording is read from after that.
    run(["xdotool", "key", "Return"], s.env)
    time.sleep(0.3)
    run(["xdotool", "key", "Return"], s.env)
    time.sleep(2.5)
    begin = os.path.getsize(recording) if os.path.exists(recording) else 0
    for letter in "rest":
        run(["xdotool", "type", letter], s.env)
        time.sleep(0.6)
    time.sleep(2.0)
    s.close_and_wait(window)
    data = open(recording, "rb").read()[begin:] if os.path.exists(recording) else b""
    samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
    found = bursts(samples, 44100)
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


def test_writing_guide_and_special_training(s):
    # A learner who practises writing with the full guide (labels on).
    write_user(s, "writer", b"Way=0,Word=0,New=1,Once=0,Level=2,Pattern=4,WordType=1,Set1=0,Set2=0,Set3=0,Set4=0,"
                            b"Set5=0,Set6=2,Set7=0")
    window = s.launch("the main window appears for the writing pattern")
    if window is None:
        return
    s.open_training(window)
    # The first sentence in order: "You can have the rest of the cake."
    run(["xdotool", "type", "--delay", "50", "You can have"], s.env)
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
    run(["xdotool", "type", "--delay", "60", "xxxxxrest"], s.env)
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
    s.click(window, 302 + 96, 249 + 20)
    s.click(window, 576 + 65, 82 + 11)
    dialog = s.wait_dialog()
    if dialog is None:
        check(False, "the user dialog opens")
        return
    s.click(dialog, 444 + 65, 212 + 15)
    shot = s.shot(dialog, "user-delete", showing("SCR11002", [(5, 5), (695, 5), (350, 500)]))
    check(same_as_artwork(shot, "SCR11002", [(5, 5), (695, 5), (350, 500)]), "delete asks for confirmation first")
    s.click(dialog, 133 + 65, 407 + 15)
    s.shot(dialog, "user-list-again", showing("SCR11000", [(5, 5), (695, 5)]))
    s.click(dialog, 133 + 65, 445 + 15)
    end = time.time() + 10
    while time.time() < end and dialog in s.windows():
        time.sleep(0.1)
    check(os.path.isfile(os.path.join(s.app_dir, "Score", "taro.dat")), "cancelling the deletion keeps the user's file")
    # The options open from the training screen.
    s.click(window, 59 + 122, 200 + 19)
    run(["xdotool", "windowfocus", "--sync", str(window)], s.env)
    run(["xdotool", "key", "Return"], s.env)
    time.sleep(0.3)
    run(["xdotool", "key", "Return"], s.env)
    time.sleep(0.8)
    s.click(window, 166 + 13, 536 + 13)
    dialog = s.wait_dialog()
    if dialog is None:
        check(False, "the set-up button opens the options")
        return
    shot = s.shot(dialog, "options", showing("SCR12100", [(5, 5), (695, 5), (200, 505)]))
    check(same_as_artwork(shot, "SCR12100", [(5, 5), (695, 5), (200, 505)]), "the set-up button opens the options")
    s.click(dialog, 16 + 37, 472 + 12)
    end = time.time() + 10
    while time.time() < end and dialog in s.windows():
        time.sleep(0.1)
    check(dialog not in s.windows(), "cancel closes the options")
    s.close_and_wait(window)


def main():
    for test in (test_start_navigate_close, test_second_start, test_guide_and_information, test_level_menu_statistics,
                 test_training_typing, test_user_dialog, test_sound_recording,
                 test_writing_guide_and_special_training, test_special_training_notice, test_dialog_screens):
        only = os.environ.get("TYPEKO_E2E_ONLY")
        if only and only not in test.__name__:
            continue
        s = Session()
        try:
            test(s)
        except Exception as error:  # a crash of the harness is a failure, not a pass
            check(False, "%s raised %r" % (test.__name__, error))
        finally:
            s.finish()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
