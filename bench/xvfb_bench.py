#!/usr/bin/env python3
"""Start-up, memory, key response and CPU of the real program in Xvfb.

Usage: xvfb_bench.py BUILD_DIR [--launches N] [--keys N] [--peer tipp10] ...

Each launch starts the program from a folder of its own with a fresh home
and data folder, on SDL's dummy audio driver, and times with ScreenTimer
(built beside window_bench) the exec, the map of the window and its first
paints; reads its memory 3 s after the exec; then runs ten words of level 2
in the word pattern, typing each word with real key events and Enter twice
to move on, timing every key to the next damage of the window, and reads
the memory again. One more launch idles on the title and on the typing
screen, types further runs until enough keys are timed, and types whole
runs at a fixed rate for the CPU each key costs. The figures are printed as
a table; nothing here judges them.

With --peer tipp10 launches of TIPP10 alternate with ours: the time to its
window and first paint, its memory 3 s after start and its idle CPU."""

import argparse
import math
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# Window points of the buttons the run goes through.
TITLE_START = (302 + 96, 249 + 20)
LEVEL_2 = (59 + 122, 200 + 19)
PATTERN_WORD = (50 + 141, 347 + 22)
OFF_THE_BUTTONS = (790, 300)

# Points of each background that no control covers, and the rest of what
# tells a screen: the points where its picture differs from every other
# background of the main window.
SCREENS = {
    "title": ("SCR00000", [(5, 5), (795, 5), (400, 30), (700, 560), (150, 150)]),
    "level menu": ("SCR10000", [(5, 5), (795, 5), (700, 560)]),
    "course": ("SCR12000", [(5, 590), (795, 590), (795, 300)]),
    "start": ("SCR88888", [(5, 5), (795, 595), (400, 590)]),
    # White here on the training background only; the corner is grey while
    # a sentence flashes, so a match also means the screen has settled.
    "training": ("SCR13000", [(5, 5), (795, 5), (5, 300), (795, 300)]),
}
WINDOW_SIZE = (800, 600)
MOST_POINTS = 400

# The level and band a run takes its words from, counted from 0.
LEVEL, BAND = 1, 0
# A key waits until the window has been still this long before the next.
QUIET_MS = 30
# Longest time a step may take before the bench gives up on it.
STEP_MS = 15000
SETTLE_MS = 1000


class Picture:
    """A picture of the artwork, read through ImageMagick as raw PPM."""

    def __init__(self, path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
        fields = data.split(maxsplit=4)
        if fields[0] != b"P6" or fields[3] != b"255":
            raise RuntimeError("unexpected picture format of " + path)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def pixel(self, x, y):
        o = (y * self.width + x) * 3
        return "%02x%02x%02x" % tuple(self.pixels[o:o + 3])


class Screens:
    """What ScreenTimer waits for to know that a screen is shown."""

    def __init__(self, artwork):
        names = [n[:-4] for n in os.listdir(artwork) if n.startswith("SCR") and n.endswith(".png")]
        pictures = {n: Picture(os.path.join(artwork, n + ".png")) for n in names}
        backgrounds = {n: p for n, p in pictures.items() if (p.width, p.height) == WINDOW_SIZE}
        self.expected = {}
        for screen, (name, fixed) in SCREENS.items():
            art = backgrounds[name]
            others = [p for n, p in backgrounds.items() if n != name]
            telling = [(x, y) for y in range(0, art.height, 8) for x in range(0, art.width, 8)
                       if all(o.pixel(x, y) != art.pixel(x, y) for o in others)]
            step = max(1, len(telling) // MOST_POINTS)
            self.expected[screen] = (["all"] + ["%d,%d,%s" % (x, y, art.pixel(x, y)) for x, y in fixed]
                                     + ["most"] + ["%d,%d,%s" % (x, y, art.pixel(x, y)) for x, y in telling[::step]])
        # The word pattern's button shows its chosen frame, the fourth of its strip.
        strip = Picture(os.path.join(artwork, "bWord.png"))
        self.expected["word pattern"] = ["all"] + ["%d,%d,%s" % (50 + x, 347 + y, strip.pixel(3 * 282 + x, y))
                                                   for x, y in [(5, 5), (141, 22), (276, 38)]]


def band_words(course_path, level, band):
    """The words of a band of the course text, in its order."""
    levels = []
    names = []
    with open(course_path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or line.startswith(";"):
                continue
            fields = line.split("\t")
            if fields[0].startswith("#"):
                name = fields[0][1:].strip()
                if not names or names[-1] != name:
                    names.append(name)
                    levels.append([])
                levels[-1].append([])
                continue
            words = levels[-1][-1]
            word_id = int(fields[1])
            if not words or words[-1][0] != word_id:
                words.append((word_id, fields[3].strip()))
    return [word for _, word in levels[level][band]]


def run_words(words, first, count=10):
    """The words of a run in order from `first`, wrapping to the band's start."""
    return [words[(first + i) % len(words)] for i in range(count)]


KEYSYMS = {" ": "space"}


def keys_of(word):
    """The keysyms that type a word; only letters, digits and spaces are
    typed, the cursor passes everything else by itself."""
    return [KEYSYMS.get(c, c) for c in word if c.isascii() and (c.isalnum() or c == " ")]


def run_keys(word):
    """A word typed, then Enter brings the cursor back to its start and
    Enter again moves on."""
    return keys_of(word) + ["Return", "Return"]


class Process:
    """Memory and CPU of a running process, from /proc."""

    def __init__(self, pid):
        self.pid = pid

    def memory(self):
        values = {}
        with open("/proc/%d/status" % self.pid) as f:
            for line in f:
                key, _, rest = line.partition(":")
                if key in ("VmRSS", "RssAnon", "RssFile"):
                    values[key] = int(rest.split()[0]) / 1024
        return values

    def cpu(self):
        """CPU time in ms so far: from utime + stime (in clock ticks) and from
        every thread's scheduler statistics (in nanoseconds)."""
        with open("/proc/%d/stat" % self.pid) as f:
            fields = f.read().rpartition(")")[2].split()
        ticks = int(fields[11]) + int(fields[12])
        scheduled = 0
        for task in os.listdir("/proc/%d/task" % self.pid):
            try:
                with open("/proc/%d/task/%s/schedstat" % (self.pid, task)) as f:
                    scheduled += int(f.read().split()[0])
            except FileNotFoundError:
                pass  # a thread that ended meanwhile
        return ticks * 1000 / os.sysconf("SC_CLK_TCK"), scheduled / 1e6


class Timer:
    """A ScreenTimer process, which starts one program and watches its window."""

    def __init__(self, tool, env, cwd):
        self.proc = subprocess.Popen([tool], env=env, cwd=cwd, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True, bufsize=1)

    def read(self, what):
        line = self.proc.stdout.readline().strip()
        if not line.startswith(("ok", "spawned")):
            raise RuntimeError("%s: %s" % (what, line or "ScreenTimer ended"))
        return line

    def ask(self, *words):
        self.proc.stdin.write(" ".join(str(w) for w in words) + "\n")
        return self.read(words[0])

    @staticmethod
    def values(line):
        return dict(w.split("=", 1) for w in line.split()[1:] if "=" in w)

    def launch(self, wm_class, program, timeout=STEP_MS):
        self.proc.stdin.write("launch %s %d %d %s\n" % (wm_class, SETTLE_MS, timeout, program))
        spawned = time.monotonic()
        pid = int(self.values(self.read("launch"))["pid"])
        return pid, spawned, self.values(self.read("launch"))

    def wait_for(self, expected):
        self.ask("pixels", STEP_MS, *expected)

    def keys(self, keysyms, quiet=QUIET_MS):
        return [float(v) for v in self.ask("keys", quiet, 2000, *keysyms).split()[1:]]

    def finish(self):
        try:
            self.ask("close", 10000)
        except RuntimeError as error:
            print("      closing: %s" % error, file=sys.stderr)
        self.proc.stdin.close()
        self.proc.wait(timeout=30)


class Bench:
    def __init__(self, args):
        self.args = args
        self.build = os.path.abspath(args.build)
        self.program = os.path.join(self.build, "typeko")
        self.tool = os.path.abspath(args.timer or os.path.join(self.build, "bench", "ScreenTimer"))
        for path in (self.program, self.tool):
            if not os.access(path, os.X_OK):
                sys.exit("xvfb_bench: %s is missing (build it first)" % path)
        self.screens = Screens(os.path.join(self.build, "artwork"))
        self.words = band_words(os.path.join(self.build, "course.tsv"), LEVEL, BAND)
        self.dir = tempfile.mkdtemp(prefix="typeko-bench-")
        # One copy of the program; each launch links it into a folder of its
        # own, where the program keeps its data.
        self.copy = os.path.join(self.dir, "typeko")
        shutil.copy2(self.program, self.copy)
        self.xvfb, self.display = start_xvfb()
        self.count = 0

    def close(self):
        self.xvfb.kill()
        self.xvfb.wait()
        shutil.rmtree(self.dir, ignore_errors=True)

    def folder(self):
        """A fresh launch folder: home, runtime folder, program folder."""
        self.count += 1
        home = os.path.join(self.dir, "launch-%d" % self.count)
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        env.update({"DISPLAY": self.display, "XDG_RUNTIME_DIR": runtime, "QT_QPA_PLATFORM": "xcb",
                    "SDL_AUDIODRIVER": "dummy", "HOME": home, "XDG_DATA_HOME": os.path.join(home, "share"),
                    "XDG_CONFIG_HOME": os.path.join(home, "config")})
        return home, env

    def start(self):
        """Starts our program; returns the timer, the process and the start-up figures."""
        home, env = self.folder()
        app = os.path.join(home, "app")
        os.makedirs(app)
        program = os.path.join(app, "typeko")
        os.link(self.copy, program)
        timer = Timer(self.tool, env, home)
        try:
            pid, spawned, started = timer.launch("typeko", program)
            timer.wait_for(self.screens.expected["title"])
        except RuntimeError:
            timer.finish()
            raise
        return timer, Process(pid), spawned, started

    def open_course(self, timer):
        """Title, level 2 and the word pattern, the pointer off every button."""
        timer.ask("click", *TITLE_START)
        timer.wait_for(self.screens.expected["level menu"])
        timer.ask("click", *LEVEL_2)
        timer.wait_for(self.screens.expected["course"])
        timer.ask("click", *PATTERN_WORD)
        timer.wait_for(self.screens.expected["word pattern"])
        timer.ask("move", *OFF_THE_BUTTONS)
        timer.ask("quiet", 200, STEP_MS)
        timer.ask("focus")

    def start_run(self, timer):
        """Enter on the course screen, Enter again once the start screen
        shows, and the first word on the training screen."""
        timer.keys(["Return"])
        timer.wait_for(self.screens.expected["start"])
        timer.keys(["Return"])
        timer.wait_for(self.screens.expected["training"])
        timer.ask("quiet", 200, STEP_MS)

    def type_run(self, timer, run_number):
        """Types the ten words of a run, each key timed; returns the times
        once the run has ended on the course screen."""
        times = []
        words = run_words(self.words, 10 * run_number)
        for index, word in enumerate(words):
            keys = run_keys(word)
            timed = timer.keys(keys)
            times += timed
            if self.args.key_log:
                # Which key each time belongs to: a letter, the Enter that
                # ends a word, the one that moves on, or the run's last.
                kinds = ["letter"] * (len(keys) - 2) + ["back to start", "next word" if index < len(words) - 1 else "run end"]
                with open(self.args.key_log, "a", encoding="utf-8") as log:
                    for kind, value in zip(kinds, timed):
                        log.write(f"{kind}\t{value:.3f}\n")
        timer.wait_for(self.screens.expected["course"])
        timer.ask("quiet", 500, STEP_MS)
        return times

    def launch_and_run(self, results):
        timer, process, spawned, started = self.start()
        try:
            results["map"].append(float(started["map_ms"]))
            results["first damage"].append(float(started["first_damage_ms"]))
            results["painted"].append(float(started["painted_ms"]))
            time.sleep(max(0.0, spawned + 3.0 - time.monotonic()))
            results["memory at 3 s"].append(process.memory())
            self.open_course(timer)
            self.start_run(timer)
            results["keys"] += self.type_run(timer, 0)
            results["memory after a run"].append(process.memory())
        finally:
            timer.finish()

    def long_session(self, results, keys_needed):
        """Idle on the title and on the typing screen, runs until enough
        keys are timed, and runs typed at a fixed rate."""
        timer, process, spawned, _ = self.start()
        try:
            time.sleep(max(0.0, spawned + 3.0 - time.monotonic()))
            results["idle title"] = self.idle(timer, process)
            self.open_course(timer)
            self.start_run(timer)
            results["idle training"] = self.idle(timer, process)
            run_number = 0
            while True:
                results["keys"] += self.type_run(timer, run_number)
                run_number += 1
                if len(results["keys"]) >= keys_needed:
                    break
                self.start_run(timer)
            interval = 1000 / self.args.rate
            for _ in range(self.args.paced_runs):
                self.start_run(timer)
                keys = [k for word in run_words(self.words, 10 * run_number) for k in run_keys(word)]
                run_number += 1
                # The last Enter ends the run and saves it: not a key of typing.
                before, at = process.cpu(), time.monotonic()
                timer.ask("pace", interval, *keys[:-1])
                timer.ask("quiet", 100, STEP_MS)
                after, elapsed = process.cpu(), time.monotonic() - at
                results["paced"].append((len(keys) - 1, elapsed, [a - b for a, b in zip(after, before)]))
                timer.keys(keys[-1:])
                timer.wait_for(self.screens.expected["course"])
        finally:
            timer.finish()

    def idle(self, timer, process):
        before, at = process.cpu(), time.monotonic()
        damage = int(timer.values(timer.ask("count", int(self.args.idle_seconds * 1000)))["damage_events"])
        after, elapsed = process.cpu(), time.monotonic() - at
        return [(a - b) / elapsed for a, b in zip(after, before)], damage


class Peer:
    """TIPP10 launched the same way, for comparison. Its first start builds
    its lesson database, which takes seconds; each launch starts instead
    from a copy of a home in which that was done once, as a learner's
    second start would."""

    def __init__(self, bench):
        self.bench = bench
        self.program = shutil.which("tipp10")
        if not self.program:
            sys.exit("xvfb_bench: tipp10 is not installed (apt-get install tipp10 libqt6sql6-sqlite)")
        self.template, env = bench.folder()
        config = os.path.join(self.template, "config", "TIPP10")
        os.makedirs(config)
        # With this, its first start shows no welcome dialog: it is what
        # the dialog's "don't show again" writes.
        with open(os.path.join(config, "TIPP10.conf"), "w") as f:
            f.write("[main]\ncheck_illustration=false\nlanguage_layout=us_qwerty_win\nlanguage_lesson=en_us_qwerty\n")
        timer = Timer(bench.tool, env, self.template)
        try:
            timer.launch("tipp10", self.program, timeout=120000)
        finally:
            timer.finish()
        if not os.path.isfile(os.path.join(self.template, "share", "TIPP10", "TIPP10", "tipp10v2.db")):
            sys.exit("xvfb_bench: TIPP10 wrote no lesson database")

    def launch(self, results, idle):
        home, env = self.bench.folder()
        for part in ("config", "share"):
            shutil.copytree(os.path.join(self.template, part), os.path.join(home, part))
        timer = Timer(self.bench.tool, env, home)
        try:
            pid, spawned, started = timer.launch("tipp10", self.program)
            process = Process(pid)
            results["map"].append(float(started["map_ms"]))
            results["first damage"].append(float(started["first_damage_ms"]))
            results["painted"].append(float(started["painted_ms"]))
            time.sleep(max(0.0, spawned + 3.0 - time.monotonic()))
            results["memory at 3 s"].append(process.memory())
            if idle:
                results["idle title"] = self.bench.idle(timer, process)
        finally:
            timer.finish()


def start_xvfb():
    """One X server for every launch. It must not reset when its last client
    goes: a client that connects during the reset loses its connection."""
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                             "-noreset"],
                            pass_fds=[write_fd], stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_fd, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_fd)
    return xvfb, ":" + number.decode().strip()


def new_results():
    return {"map": [], "first damage": [], "painted": [], "memory at 3 s": [], "memory after a run": [],
            "keys": [], "paced": [], "idle title": None, "idle training": None}


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[max(0, math.ceil(fraction * len(ordered)) - 1)]


def load_average():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def rows(r, rate):
    """The table's rows for one program: (figure, value) with the value as text."""
    def ms(values):
        if not values:
            return "-"
        return "%.0f ms (%.0f-%.0f)" % (statistics.median(values), min(values), max(values))

    def mib(samples, key):
        return "%.1f MiB" % statistics.median(s[key] for s in samples) if samples else "-"

    def memory(samples):
        return "%s; heap %s / files %s" % (mib(samples, "VmRSS"), mib(samples, "RssAnon"), mib(samples, "RssFile"))

    def idle(value):
        if value is None:
            return "-"
        (ticks, scheduled), damage = value
        return "%.2f ms/s (stat %.1f); %d damage events" % (scheduled, ticks, damage)

    out = [("exec -> map of the main window", ms(r["map"])),
           ("exec -> first damage after the map", ms(r["first damage"])),
           ("exec -> first screen painted as it settles", ms(r["painted"])),
           ("memory 3 s after start", memory(r["memory at 3 s"])),
           ("memory after a ten-word run", memory(r["memory after a run"]))]
    keys = [k for k in r["keys"] if k >= 0]
    missed = len(r["keys"]) - len(keys)
    out.append(("key -> screen update, median / p99", "%.2f / %.2f ms over %d keys%s" % (
        statistics.median(keys), percentile(keys, 0.99), len(keys), ", %d without update" % missed if missed else "")
        if keys else "-"))
    out.append(("idle CPU, first screen", idle(r["idle title"])))
    out.append(("idle CPU, typing screen", idle(r["idle training"])))
    if r["paced"]:
        count = sum(p[0] for p in r["paced"])
        elapsed = sum(p[1] for p in r["paced"])
        ticks = sum(p[2][0] for p in r["paced"])
        scheduled = sum(p[2][1] for p in r["paced"])
        idle_rate = r["idle training"][0][1] if r["idle training"] else 0.0
        out.append(("CPU per key at %g keys/s" % rate, "%.2f ms (stat %.2f); %.2f ms net of idle, %d keys"
                    % (scheduled / count, ticks / count, (scheduled - idle_rate * elapsed) / count, count)))
    else:
        out.append(("CPU per key at %g keys/s" % rate, "-"))
    return out


def print_table(columns, rate):
    names = list(columns)
    table = [rows(columns[name], rate) for name in names]
    width = max(len(figure) for figure, _ in table[0])
    widths = [max(len(value) for _, value in t) for t in table]
    print("| %s | %s |" % ("figure".ljust(width), " | ".join(n.ljust(w) for n, w in zip(names, widths))))
    print("|%s|%s|" % ("-" * (width + 2), "|".join("-" * (w + 2) for w in widths)))
    for i, (figure, _) in enumerate(table[0]):
        print("| %s | %s |" % (figure.ljust(width), " | ".join(t[i][1].ljust(w) for t, w in zip(table, widths))))


def merge(into, part):
    for key, value in part.items():
        if isinstance(value, list):
            into[key] += value
        elif value is not None:
            into[key] = value


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("build", help="the build folder holding typeko, artwork/ and course.tsv")
    parser.add_argument("--launches", type=int, default=8, help="launches for the start-up and memory medians")
    parser.add_argument("--keys", type=int, default=1000, help="keys at least to time from key to screen update")
    parser.add_argument("--rate", type=float, default=20, help="keys per second for the CPU per key")
    parser.add_argument("--paced-runs", type=int, default=3, help="runs typed at that rate")
    parser.add_argument("--idle-seconds", type=float, default=10, help="how long each idle CPU figure takes")
    parser.add_argument("--peer", choices=["tipp10"], help="also measure this program, launched in turn with ours")
    parser.add_argument("--key-log", help="append each timed key's kind and time to this file")
    parser.add_argument("--timer", help="the ScreenTimer helper (default: BUILD/bench/ScreenTimer)")
    args = parser.parse_args()

    bench = Bench(args)
    ours, theirs = new_results(), new_results()
    failures = []

    def measure(step, into, *extra):
        """Runs a step on fresh results and keeps them only when it went
        through: a launch that fails is told and made again, up to three
        failures in all."""
        while True:
            part = new_results()
            try:
                step(part, *extra)
                merge(into, part)
                return
            except RuntimeError as error:
                failures.append(str(error))
                print("      failed: %s" % error, file=sys.stderr)
                if len(failures) >= 3:
                    raise

    load_before = load_average()
    started = time.monotonic()
    try:
        peer = Peer(bench) if args.peer else None
        for n in range(args.launches):
            print("launch %d of %d" % (n + 1, args.launches), file=sys.stderr)
            measure(bench.launch_and_run, ours)
            if peer:
                measure(peer.launch, theirs, n == args.launches - 1)
        print("timing keys, idle and paced runs", file=sys.stderr)
        measure(bench.long_session, ours, args.keys - len(ours["keys"]))
    finally:
        bench.close()
    print("%s: %d launches%s, %.0f s; load average before %s, after %s" % (
        bench.program, args.launches, " with TIPP10 in turn" if peer else "", time.monotonic() - started,
        load_before, load_average()))
    for failure in failures:
        print("a launch failed and was made again: " + failure)
    columns = {"TypeKo": ours}
    if peer:
        columns["TIPP10"] = theirs
    print_table(columns, args.rate)
    return 0


if __name__ == "__main__":
    sys.exit(main())
