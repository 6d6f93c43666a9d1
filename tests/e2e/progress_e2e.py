#!/usr/bin/env python3
"""End-to-end scenarios in which a learner's progress could be lost: the real
program in Xvfb, real key and pointer events, real signals, and the files it
leaves behind read back.

Usage: progress_e2e.py BUILD_DIR CLOSE_WINDOW_TOOL SCENARIO
Prints a line per check and ends with 'N passed, N failed'."""

import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e  # noqa: E402  (the harness reads the same arguments)
from e2e import (Session, check, run, showing, wait_until, BACKGROUND_POINTS, COURSE_POINTS,  # noqa: E402
                 TITLE_START, NAME_SELECT, WAIT)

PATTERN_WORD = (50 + 141, 347 + 22)
BACK = (23 + 35, 523 + 26)
DIALOG_ADD = (444 + 65, 172 + 15)
DIALOG_ADD_OK = (440 + 65, 407 + 15)
DIALOG_SELECT = (430 + 72, 443 + 17)
DIALOG_CANCEL = (133 + 65, 445 + 15)
GUIDE = (302 + 96, 335 + 20)
GUIDE_NEXT = (425 + 25, 523 + 26)
GUIDE_PREV = (325 + 25, 523 + 26)


def score_path(s, name="-----"):
    return os.path.join(s.app_dir, "Score", name + ".dat")


def band_line(path, line=4):
    """The band line of level index 1, band A: the fifth line of the file."""
    if not os.path.isfile(path):
        return b""
    lines = open(path, "rb").read().split(b"\r\n")
    return lines[line] if len(lines) > line else b""


def app_windows(s):
    out = run(["xdotool", "search", "--onlyvisible", "--classname", "typeko"], s.env).stdout.split()
    return [int(w) for w in out]


def wait_other_window(s, known, timeout=WAIT):
    """A visible window of the program that is none of `known` (a message
    box), once it has painted: two screenshots of it alike in a row."""
    found = []
    wait_until(lambda: found.extend(w for w in app_windows(s) if w not in known) or found, timeout)
    if not found:
        return None
    s.shot(found[0], "message-opened", lambda shot: True, timeout, steady=True)
    return found[0]


def wait_exit(proc, timeout):
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None


def word_pattern_chosen(shot):
    return e2e.strip_matches(shot, "bWord", 3, 282, 50, 347, [(5, 5), (141, 22), (276, 38)])


def train_rest_and_leave(s, window):
    """Level 2, the word pattern, a run in which "rest" is typed and passed,
    then back to the course screen: one word recorded as known."""
    s.open_course(window)
    s.click(window, *PATTERN_WORD)
    s.shot(window, "word-pattern", word_pattern_chosen)
    s.start_run(window)
    s.type_word_and_move_on(window, "rest")
    s.click(window, *BACK)
    s.shot(window, "course-after-run", showing("SCR12000", COURSE_POINTS))


def open_user_dialog(s, what):
    """Starts the program and opens the user dialog from the level menu;
    returns the main window and the dialog, either None when it failed."""
    window = s.launch(what)
    if window is None:
        return None, None
    s.open_level_menu(window)
    s.click(window, *NAME_SELECT)
    dialog = s.wait_dialog()
    check(dialog is not None, "the user dialog opens")
    return window, dialog


def test_cancelled_dialog_then_training(s):
    window, dialog = open_user_dialog(s, "the main window appears")
    if dialog is None:
        return
    s.click(dialog, *DIALOG_CANCEL)
    check(s.wait_gone(dialog), "cancel closes the dialog")
    train_rest_and_leave(s, window)
    s.close_and_wait(window)
    check(band_line(score_path(s)).startswith(b"101,"),
          "after a cancelled dialog, the run typed later is in the progress file")
    window = s.launch("the program starts again")
    if window is not None:
        s.close_and_wait(window)
    check(band_line(score_path(s)).startswith(b"101,"), "the word is still known after a restart")


def test_kill_after_run_and_term_during_run(s):
    window = s.launch("the main window appears")
    if window is None:
        return
    s.open_level_menu(window)
    train_rest_and_leave(s, window)
    check(wait_until(lambda: band_line(score_path(s)).startswith(b"101,")),
          "a finished run is on disk before the window closes")
    s.procs[-1].send_signal(signal.SIGKILL)
    s.procs[-1].wait(timeout=WAIT)
    check(band_line(score_path(s)).startswith(b"101,"), "the finished run survives a kill")

    window = s.launch("the program starts again after the kill")
    if window is None:
        return
    s.open_level_menu(window)
    s.open_course(window)
    s.start_run(window)
    before = s.shot(window, "second-run")
    s.type("in")
    s.shot(window, "second-run-typing", e2e.changed_from(before), steady=True)
    ini = os.path.join(s.app_dir, "Score.ini")
    if os.path.exists(ini):
        os.remove(ini)
    started = time.time()
    s.procs[-1].send_signal(signal.SIGTERM)
    code = wait_exit(s.procs[-1], WAIT)
    took = time.time() - started
    check(code == 0, "SIGTERM during a run ends the program with exit code 0")
    check(took < 0.9, "it ends at once, without the goodbye's pause (%.2f s)" % took)
    text = open(score_path(s), "rb").read() if os.path.isfile(score_path(s)) else b""
    check(b"\r\nSession=0,0,0,2," in text, "the second run's start was saved on the way out")
    check(band_line(score_path(s)).startswith(b"101,"), "the first run is still there")
    check(os.path.isfile(ini) and open(ini, "rb").read() == b"-----.dat\r\n", "Score.ini is written on SIGTERM")

    # A request to end while the user dialog is open ends the program too.
    window, dialog = open_user_dialog(s, "the program starts a third time")
    if dialog is None:
        return
    os.remove(ini)
    s.procs[-1].send_signal(signal.SIGHUP)
    check(wait_exit(s.procs[-1], WAIT) == 0, "SIGHUP while the dialog is open ends the program")
    check(os.path.isfile(ini), "and still writes Score.ini")


def test_wave_dash_name(s):
    # A file an earlier build wrote under a name with 〜 comes back under ～.
    os.makedirs(os.path.join(s.app_dir, "Score"))
    with open(score_path(s, "c〜d"), "wb") as f:
        f.write(b"Way=0,Word=0,New=1,Once=0,Level=2,Pattern=1,WordType=1,Set1=0,Set2=0,Set3=0,Set4=0,Set5=0,"
                b"Set6=0,Set7=0\r\n\r\n\r\n\r\n104,000\r\n")
    with open(os.path.join(s.app_dir, "Score.ini"), "wb") as f:
        f.write("c～d.dat\r\n".encode("cp932"))
    window, dialog = open_user_dialog(s, "the main window appears")
    check(os.path.isfile(score_path(s, "c～d")) and not os.path.exists(score_path(s, "c〜d")),
          "an old file under 〜 is renamed to the name Score.ini gives back")
    if dialog is None:
        return
    s.click(dialog, *DIALOG_ADD)
    s.shot(dialog, "name-entry", showing("SCR11001", [(5, 5), (695, 5), (350, 500)]))
    s.focus(dialog)
    s.type("a〜b", delay=80)
    s.shot(dialog, "name-typed", e2e.entry_holds_text, steady=True)
    s.click(dialog, *DIALOG_ADD_OK)
    check(wait_until(lambda: os.path.isfile(score_path(s, "a～b"))), "the typed 〜 is kept as ～ in the file name")
    check(not os.path.exists(score_path(s, "a〜b")), "no file is made under the name that would not come back")
    s.click(dialog, *DIALOG_SELECT)
    s.wait_gone(dialog)
    train_rest_and_leave(s, window)
    s.close_and_wait(window)
    ini = open(os.path.join(s.app_dir, "Score.ini"), "rb").read()
    check(ini == "a～b.dat\r\n".encode("cp932"), "Score.ini names the user in code page 932")
    window = s.launch("the program starts again")
    if window is None:
        return
    s.close_and_wait(window)
    check(band_line(score_path(s, "a～b")).startswith(b"101,"), "the user opens with their progress after a restart")
    names = sorted(os.listdir(os.path.join(s.app_dir, "Score")))
    check(names == ["a～b.dat", "c～d.dat"], "one file per user: %r" % names)
    check(band_line(score_path(s, "c～d")).startswith(b"104,"), "the renamed user's progress was kept")


def test_overlong_names_in_score_ini(s):
    for what, first_line in (("a five-megabyte first line", b"x" * (5 * 1024 * 1024)),
                             ("a 300-character name", b"n" * 300 + b".dat")):
        with open(os.path.join(s.app_dir, "Score.ini"), "wb") as f:
            f.write(first_line + b"\r\n")
        started = time.time()
        window = s.launch("the program starts with %s in Score.ini" % what)
        if window is None:
            continue
        check(time.time() - started < 10, "start-up is not held up by it")
        s.close(window)
        check(wait_exit(s.procs[-1], WAIT) == 0, "closing ends normally")
        check(open(os.path.join(s.app_dir, "Score.ini"), "rb").read() == b"-----.dat\r\n",
              "the user fell back to -----")
        check(os.path.isfile(score_path(s)), "the progress is saved under -----")


def test_foreign_progress_file(s):
    os.makedirs(os.path.join(s.app_dir, "Score"))
    foreign = bytes((i * 97 + 13) % 256 for i in range(3000))
    with open(score_path(s), "wb") as f:
        f.write(foreign)
    proc = s.start()
    box = wait_other_window(s, [])
    check(box is not None, "a message tells about the file that cannot be used")
    if box is not None:
        s.shot(box, "foreign-file-message")
        run(["xdotool", "windowfocus", "--sync", str(box)], s.env)
        run(["xdotool", "key", "Return"], s.env)
    window = s.wait_window()
    check(window is not None, "the window opens after the message")
    kept = [n for n in os.listdir(os.path.join(s.app_dir, "Score")) if n.startswith("-----.dat.bak-")]
    check(len(kept) == 1, "the file is kept beside under a backup name: %r" % kept)
    if kept:
        check(open(os.path.join(s.app_dir, "Score", kept[0]), "rb").read() == foreign, "with its bytes unchanged")
    if window is not None:
        s.close_and_wait(window)
    check(open(score_path(s), "rb").read().startswith(b"Way=0,"), "a fresh progress file takes the name")
    check(proc.returncode == 0, "the program ends normally")


def test_two_runtime_folders(s):
    window = s.launch("the first copy shows its window")
    if window is None:
        return
    first = s.procs[-1]
    before = sorted(os.listdir(s.app_dir))
    other = dict(s.env)
    other["XDG_RUNTIME_DIR"] = os.path.join(s.dir, "runtime-2")
    os.makedirs(other["XDG_RUNTIME_DIR"], mode=0o700)
    second = subprocess.Popen([os.path.join(s.app_dir, "typeko")], env=other, cwd=s.dir,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    check(wait_exit(second, WAIT) == 0, "a copy with another runtime folder ends with exit code 0")
    check(len(s.windows()) == 1, "it shows no window of its own")
    check(sorted(os.listdir(s.app_dir)) == before, "and writes nothing into the data folder")

    # When the first copy cannot be reached, the second says why it stops.
    os.remove(os.path.join(s.app_dir, "TypeKo.instance"))
    third = subprocess.Popen([os.path.join(s.app_dir, "typeko")], env=other, cwd=s.dir,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    box = wait_other_window(s, app_windows(s))
    check(box is not None, "a copy that cannot reach the first one says so")
    if box is not None:
        s.shot(box, "already-running-message")
        run(["xdotool", "windowfocus", "--sync", str(box)], s.env)
        run(["xdotool", "key", "Return"], s.env)
    check(wait_exit(third, WAIT) == 0, "and ends with exit code 0")
    s.close_and_wait(window)
    check(first.returncode == 0, "the first copy closes normally")


def test_goodbye_after_a_failed_save(s):
    window = s.launch("the main window appears")
    if window is None:
        return
    # A folder where the progress file belongs makes every save fail.
    os.makedirs(score_path(s))
    s.close(window)
    known = s.windows()
    box = wait_other_window(s, known)
    check(box is not None, "closing asks whether to end without saving")
    if box is None:
        return
    shot = s.shot(box, "unsaved-question")
    # The first message says the save failed; its OK leads to the question.
    run(["xdotool", "windowfocus", "--sync", str(box)], s.env)
    run(["xdotool", "key", "Return"], s.env)
    # The first box may still be mapped for a moment after its OK.
    check(s.wait_gone(box), "the save failure's message closes with its OK")
    question = wait_other_window(s, known + [box])
    check(question is not None, "the yes/no question follows")
    if question is None:
        return
    s.shot(question, "unsaved-yes-no")
    run(["xdotool", "windowfocus", "--sync", str(question)], s.env)
    run(["xdotool", "key", "Return"], s.env)
    # Watched for from the answer on: the goodbye stands for a second.
    shot = s.catch(window, "goodbye-unsaved", "SCR99999N", BACKGROUND_POINTS + [(400, 296), (300, 296)])
    check(shot is not None, "the goodbye says the progress was not saved")
    check(wait_exit(s.procs[-1], WAIT) == 0, "the program ends with exit code 0")


def test_greyed_guide_button_has_no_hover(s):
    window = s.launch("the main window appears")
    if window is None:
        return
    points = [(x, y) for x in (5, 25, 45) for y in (5, 26, 47)]
    next_frame = lambda frame: lambda shot: e2e.strip_matches(shot, "ImgBtnNext", frame, 50, 425, 523, points)
    prev_frame = lambda frame: lambda shot: e2e.strip_matches(shot, "ImgBtnPrev", frame, 50, 325, 523, points)
    s.click(window, *GUIDE)
    s.shot(window, "guide-1", showing("SCR20000", [(5, 5), (400, 300)]))
    for page in range(1, 5):
        s.click(window, *GUIDE_NEXT)
        s.shot(window, "guide-%d" % (page + 1), showing("SCR2000%d" % page, [(5, 5), (400, 300)]))
    # The pointer rests on the button as it turns grey on the last page.
    resting = s.shot(window, "guide-last-resting", next_frame(3))
    # Then it leaves for the previous button and comes back: once the
    # previous button has lost its hover frame, the program has seen the
    # pointer enter the greyed button.
    s.point_at(window, *GUIDE_PREV)
    s.shot(window, "guide-last-prev-hover", prev_frame(2))
    s.point_at(window, *GUIDE_NEXT)
    entered = s.shot(window, "guide-last-hover", prev_frame(0), steady=True)
    check(next_frame(3)(resting) and next_frame(3)(entered), "a greyed button keeps its greyed frame under the pointer")
    s.close_and_wait(window)


SCENARIOS = {
    "cancelled_dialog": test_cancelled_dialog_then_training,
    "kill_and_term": test_kill_after_run_and_term_during_run,
    "wave_dash_name": test_wave_dash_name,
    "overlong_names": test_overlong_names_in_score_ini,
    "foreign_progress": test_foreign_progress_file,
    "two_runtime_folders": test_two_runtime_folders,
    "goodbye_unsaved": test_goodbye_after_a_failed_save,
    "greyed_hover": test_greyed_guide_button_has_no_hover,
}


def main():
    name = sys.argv[3]
    s = Session()
    try:
        SCENARIOS[name](s)
    except Exception as error:  # a crash of the harness is a failure, not a pass
        check(False, "%s raised %r" % (name, error))
    finally:
        s.finish()
    print("%d passed, %d failed" % (e2e.passed, e2e.failed))
    return 1 if e2e.failed or not e2e.passed else 0


if __name__ == "__main__":
    sys.exit(main())
