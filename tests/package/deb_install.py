#!/usr/bin/env python3
"""Installs the Debian package on this machine, uses the installed program in
a real X server as a learner would, and removes the package again however
the test ends.

Usage: deb_install.py BUILD_DIR CLOSE_WINDOW_TOOL PACKAGE.deb
Needs root; exits 77 (skipped) otherwise. Ends with 'N passed, N failed'."""

import glob
import importlib.util
import os
import subprocess
import sys

BUILD, CLOSE_TOOL, DEB = sys.argv[1:4]
PROGRAM_DIR = "/usr/lib/typeko"
HERE = os.path.dirname(os.path.abspath(__file__))

# The end-to-end harness reads its build folder and closing tool from argv.
sys.argv = [sys.argv[0], BUILD, CLOSE_TOOL]
harness = importlib.util.spec_from_file_location("e2e", os.path.join(HERE, "..", "e2e", "e2e.py"))
e2e = importlib.util.module_from_spec(harness)
harness.loader.exec_module(e2e)
check = e2e.check


def installed():
    out = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "typeko"], capture_output=True, text=True).stdout
    return "install ok installed" in out


def install():
    result = subprocess.run(["dpkg", "-i", DEB], capture_output=True, text=True)
    if result.returncode != 0:
        # Missing dependencies leave the package unconfigured; apt completes it.
        print(result.stdout + result.stderr)
        env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
        subprocess.run(["apt-get", "-f", "install", "-y", "-qq"], env=env, capture_output=True)
    return installed()


def files_under(folders):
    found = set()
    for folder in folders:
        for root, dirs, files in os.walk(folder):
            found.update(os.path.join(root, name) for name in dirs + files)
    return found


def use_installed_program(s):
    """Starts /usr/bin/typeko, opens a course, starts a run, types and closes."""
    proc = subprocess.Popen(["/usr/bin/typeko"], env=s.env, cwd=s.dir, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    s.procs.append(proc)
    window = s.wait_window()
    check(window is not None, "the installed program shows its window")
    if window is None:
        return
    shot = s.shot(window, "installed-title")
    check(e2e.shows_screen(shot, "SCR00000", e2e.BACKGROUND_POINTS), "the installed program shows the title screen")
    s.open_level_menu(window)
    shot = s.open_course(window)
    check(e2e.shows_screen(shot, "SCR12000", e2e.COURSE_POINTS), "the installed program opens the course screen of level 2")
    # The run takes the band's words in order, so the first is "rest".
    s.start_run(window)
    s.type_word_and_move_on(window, "rest")
    check(proc.poll() is None, "the installed program keeps running while a word is typed in a run")
    s.close(window)
    try:
        code = proc.wait(timeout=e2e.WAIT)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, "the installed program ends with exit code 0 after closing")


def main():
    if os.geteuid() != 0:
        print("skipped: installing a package needs root")
        return 77
    if installed():
        print("typeko is installed on this machine already; it is left alone")
        return 1
    s = e2e.Session()
    # The installed program finds the user's data folder from HOME alone.
    s.env.pop("XDG_DATA_HOME", None)
    store = os.path.join(s.dir, ".local", "share", "VirtualStore", "usr", "lib", "typeko")
    progress = os.path.join(store, "Score", "-----.dat")
    try:
        check(install(), "the package installs")
        if installed():
            for path in ("/usr/bin/typeko", PROGRAM_DIR + "/typeko", PROGRAM_DIR + "/SOUND",
                         "/usr/share/applications/org.typeko.TypeKo.desktop",
                         "/usr/share/metainfo/org.typeko.TypeKo.metainfo.xml",
                         "/usr/share/icons/hicolor/256x256/apps/org.typeko.TypeKo.png"):
                check(os.path.exists(path), "the package installs " + path)
            check(os.path.realpath("/usr/bin/typeko") == PROGRAM_DIR + "/typeko",
                  "/usr/bin/typeko leads to the program in its folder")
            before = files_under([PROGRAM_DIR, "/usr/bin"])
            use_installed_program(s)
            check(os.path.isfile(progress), "the progress file lands in the user's store under HOME")
            if os.path.isfile(progress):
                text = open(progress, "rb").read()
                check(text.endswith(b"[END]\r\n"), "the stored progress file is complete")
                lines = text.split(b"\r\n")
                check(len(lines) > 4 and lines[4].startswith(b"101,"),
                      "the stored progress holds the typed word as known")
            check(os.path.isfile(os.path.join(store, "Score.ini")), "Score.ini lands in the user's store")
            added = files_under([PROGRAM_DIR, "/usr/bin"]) - before
            check(not added, "the program writes nothing under /usr (new: %s)" % sorted(added))
    except Exception as error:  # a crash of the harness is a failure, not a pass
        check(False, "the package test raised %r" % (error,))
    finally:
        for proc in s.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        removal = subprocess.run(["dpkg", "--purge", "typeko"], capture_output=True, text=True)
        check(removal.returncode == 0 and not installed(), "the package is removed again")
        check(not os.path.exists(PROGRAM_DIR) and not os.path.lexists("/usr/bin/typeko"),
              "removing the package leaves no program files")
        check(os.path.isfile(progress), "the user's progress stays after the package is removed")
        s.finish()
    print("%d passed, %d failed" % (e2e.passed, e2e.failed))
    return 1 if e2e.failed or not e2e.passed else 0


if __name__ == "__main__":
    sys.exit(main())
