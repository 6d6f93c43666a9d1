// Starts a program under X, watches what its window shows and drives it
// with XTest, for the benchmark script beside it. Everything that is timed
// happens in this one process on one monotonic clock: the exec, the map of
// the window, each damage report and each key sent, so no start-up of a
// helper process lands inside a figure.
//
// Commands arrive one a line on standard input and each is answered with
// one line on standard output, "ok ..." or "error ...":
//   launch CLASS SETTLE_MS TIMEOUT_MS PROGRAM [ARGUMENTS...]
//       Starts the program (first answering "spawned pid=N") and waits for
//       its first mapped top-level window whose WM_CLASS names CLASS (and
//       that stays mapped), then for its paints to stop for SETTLE_MS. Answers the times from the
//       exec to the map, to the first damage and to the damage after which
//       the window first read as the picture it settled on.
//   pixels TIMEOUT_MS [all X,Y,RRGGBB...] [most X,Y,RRGGBB...]
//       Waits until every "all" pixel and more than half of the "most"
//       pixels of the window show their colours.
//   quiet MS TIMEOUT_MS     waits until no damage has come for MS.
//   count MS                counts the damage reports during MS.
//   click X Y | move X Y    pointer events at a point of the window.
//   focus                   gives the window the keyboard focus.
//   keys QUIET_MS TIMEOUT_MS KEYSYM...
//       Presses each key, answers the time from the press to the next damage
//       (-1 when none came within TIMEOUT_MS), and waits for QUIET_MS
//       without damage before the next key.
//   pace INTERVAL_MS KEYSYM...
//       Presses the keys on a fixed schedule without waiting for the window.
//   close TIMEOUT_MS        asks the window to close as a window manager
//                           would and waits for the program to end.
//   kill                    ends the program at once.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

double NowMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// A window that goes away while it is looked at raises an X error; it is
// remembered here instead of ending the process.
bool GotXError = false;

int RememberError(Display *, XErrorEvent *)
{
    GotXError = true;
    return 0;
}

struct TExpected {
    int X = 0;
    int Y = 0;
    unsigned long Rgb = 0;
};

struct TTimer {
    Display *Dpy = nullptr;
    Window Root = 0;
    int DamageEventBase = 0;

    pid_t Child = -1;
    int ExitStatus = 0;
    double ExecAt = 0;
    std::string WantedClass;
    Window Target = 0;
    double MapAt = -1;
    // Damage objects of every top-level window created since the launch:
    // the one that turns out to be the program's is watched from its
    // first paint on, even when that comes before its map is seen here.
    std::map<Window, Damage> Damages;

    unsigned long DamageEvents = 0;
    double LastDamageAt = -1;
    // The first damage of the window since it was taken as the target.
    double FirstDamageAt = -1;
};

TTimer T;

bool ClassMatches(Window window)
{
    XClassHint hint = {};
    GotXError = false;
    if (!XGetClassHint(T.Dpy, window, &hint) || GotXError)
        return false;
    const bool match = (hint.res_name && strcasecmp(hint.res_name, T.WantedClass.c_str()) == 0) ||
                       (hint.res_class && strcasecmp(hint.res_class, T.WantedClass.c_str()) == 0);
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return match;
}

void Watch(Window window)
{
    if (T.Damages.count(window))
        return;
    T.Damages[window] = XDamageCreate(T.Dpy, window, XDamageReportRawRectangles);
}

void Handle(const XEvent &event, double receivedAt)
{
    switch (event.type) {
    case CreateNotify:
        if (event.xcreatewindow.parent == T.Root && T.Child > 0)
            Watch(event.xcreatewindow.window);
        return;
    case DestroyNotify:
        // The server frees a damage object with its window.
        T.Damages.erase(event.xdestroywindow.window);
        if (event.xdestroywindow.window == T.Target)
            T.Target = 0;
        return;
    case UnmapNotify:
        if (event.xunmap.window == T.Target)
            T.Target = 0;
        return;
    case MapNotify:
        if (T.Child > 0 && !T.Target && event.xmap.event == T.Root && ClassMatches(event.xmap.window)) {
            Watch(event.xmap.window);
            T.Target = event.xmap.window;
            T.MapAt = receivedAt;
            T.FirstDamageAt = -1;
        }
        return;
    default:
        break;
    }
    if (event.type == T.DamageEventBase + XDamageNotify) {
        const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
        if (T.Target && damage.drawable == T.Target) {
            ++T.DamageEvents;
            T.LastDamageAt = receivedAt;
            if (T.FirstDamageAt < 0)
                T.FirstDamageAt = receivedAt;
        }
    }
}

// Handles every event that has arrived, stamping them with the time they
// were read off the connection.
void Drain()
{
    const double at = NowMs();
    while (XPending(T.Dpy)) {
        XEvent event;
        XNextEvent(T.Dpy, &event);
        Handle(event, at);
    }
}

void ReapChild()
{
    if (T.Child <= 0)
        return;
    int status = 0;
    if (waitpid(T.Child, &status, WNOHANG) == T.Child) {
        T.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        T.Child = -1;
    }
}

// Handles events until `until` (a time on NowMs's clock) or, with
// `stopOnDamage`, until the first damage report; returns whether one came.
bool Pump(double until, bool stopOnDamage)
{
    const unsigned long before = T.DamageEvents;
    for (;;) {
        Drain();
        ReapChild();
        if (stopOnDamage && T.DamageEvents != before)
            return true;
        const double left = until - NowMs();
        if (left <= 0)
            return T.DamageEvents != before;
        pollfd fd = {ConnectionNumber(T.Dpy), POLLIN, 0};
        // The child's end is only seen between waits, so no wait is long.
        poll(&fd, 1, static_cast<int>(std::min(left, 50.0)) + 1);
    }
}

// The window's picture, or nothing when it cannot be read.
XImage *ReadPicture()
{
    if (!T.Target)
        return nullptr;
    GotXError = false;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(T.Dpy, T.Target, &attributes) || GotXError || attributes.map_state != IsViewable)
        return nullptr;
    XImage *image = XGetImage(T.Dpy, T.Target, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    XSync(T.Dpy, False);
    if (image && GotXError) {
        XDestroyImage(image);
        return nullptr;
    }
    return image;
}

std::uint64_t PictureHash(XImage *image)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            hash ^= XGetPixel(image, x, y) & 0xFFFFFFul;
            hash *= 1099511628211ull;
        }
    return hash;
}

size_t CountMatching(XImage *image, const std::vector<TExpected> &expected)
{
    size_t matching = 0;
    for (const TExpected &e : expected)
        if (e.X >= 0 && e.Y >= 0 && e.X < image->width && e.Y < image->height &&
            (XGetPixel(image, e.X, e.Y) & 0xFFFFFFul) == e.Rgb)
            ++matching;
    return matching;
}

bool ParseExpected(const std::string &text, TExpected &expected)
{
    char colour[7] = {};
    if (std::sscanf(text.c_str(), "%d,%d,%6[0-9a-fA-F]", &expected.X, &expected.Y, colour) != 3 ||
        std::strlen(colour) != 6)
        return false;
    expected.Rgb = std::strtoul(colour, nullptr, 16);
    return true;
}

void Answer(const std::string &line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Ms(double ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", ms);
    return text;
}

void Launch(const std::vector<std::string> &words)
{
    if (words.size() < 5) {
        Answer("error usage: launch CLASS SETTLE_MS TIMEOUT_MS PROGRAM [ARGUMENTS...]");
        return;
    }
    if (T.Child > 0) {
        Answer("error a program is running already");
        return;
    }
    T.WantedClass = words[1];
    const double settle = std::atof(words[2].c_str());
    const double timeout = std::atof(words[3].c_str());
    T.Target = 0;
    T.MapAt = -1;
    T.Damages.clear();
    // The pointer waits in a corner of the screen, off the window, so no
    // button is hovered when the window appears.
    const int width = DisplayWidth(T.Dpy, DefaultScreen(T.Dpy));
    const int height = DisplayHeight(T.Dpy, DefaultScreen(T.Dpy));
    XTestFakeMotionEvent(T.Dpy, -1, width - 1, height - 1, 0);
    XSync(T.Dpy, False);
    Drain();

    std::vector<char *> argv;
    for (size_t i = 4; i < words.size(); ++i)
        argv.push_back(const_cast<char *>(words[i].c_str()));
    argv.push_back(nullptr);
    T.ExecAt = NowMs();
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        Answer("error cannot start " + words[4]);
        return;
    }
    T.Child = pid;
    Answer("spawned pid=" + std::to_string(pid));

    // Each burst of damage is followed by a read of the picture; the picture
    // the window settles on is then looked up among them. A window of the
    // class that goes away again (a progress dialog) was not the one.
    const double end = T.ExecAt + timeout;
    Window watched = 0;
    unsigned long seen = 0;
    std::vector<std::pair<double, std::uint64_t>> pictures;
    double quietFrom = 0;
    while (NowMs() < end && T.Child > 0) {
        if (T.Target != watched) {
            watched = T.Target;
            pictures.clear();
            quietFrom = NowMs();
            seen = T.DamageEvents;
        }
        if (!watched) {
            Pump(std::min(end, NowMs() + 20), false);
            continue;
        }
        // Damage that came with the map is answered by a read as well.
        if (T.FirstDamageAt >= 0 && (pictures.empty() || T.DamageEvents != seen)) {
            seen = T.DamageEvents;
            quietFrom = T.LastDamageAt;
            if (XImage *image = ReadPicture()) {
                pictures.emplace_back(T.LastDamageAt, PictureHash(image));
                XDestroyImage(image);
            }
        }
        if (NowMs() - quietFrom >= settle)
            break;
        Pump(std::min(end, quietFrom + settle), true);
    }
    if (!T.Target && T.Child > 0) {
        Answer("error no window within the time");
        return;
    }
    if (T.Child <= 0) {
        Answer("error the program ended with " + std::to_string(T.ExitStatus));
        return;
    }
    XImage *image = ReadPicture();
    if (!image || T.FirstDamageAt < 0) {
        if (image)
            XDestroyImage(image);
        Answer("error the window never painted");
        return;
    }
    const std::uint64_t settled = PictureHash(image);
    XDestroyImage(image);
    double painted = -1;
    for (const auto &[at, hash] : pictures)
        if (hash == settled) {
            painted = at;
            break;
        }
    char window[32];
    std::snprintf(window, sizeof window, "0x%lx", T.Target);
    Answer("ok window=" + std::string(window) + " map_ms=" + Ms(T.MapAt - T.ExecAt) +
           " first_damage_ms=" + Ms(T.FirstDamageAt - T.ExecAt) +
           " painted_ms=" + (painted < 0 ? std::string("-1") : Ms(painted - T.ExecAt)) +
           " settled=" + std::string(NowMs() < end ? "yes" : "no") +
           " pictures=" + std::to_string(pictures.size()));
}

void WaitForPixels(const std::vector<std::string> &words)
{
    if (words.size() < 2) {
        Answer("error usage: pixels TIMEOUT_MS [all X,Y,RRGGBB...] [most X,Y,RRGGBB...]");
        return;
    }
    const double end = NowMs() + std::atof(words[1].c_str());
    std::vector<TExpected> all;
    std::vector<TExpected> most;
    std::vector<TExpected> *group = nullptr;
    for (size_t i = 2; i < words.size(); ++i) {
        TExpected e;
        if (words[i] == "all")
            group = &all;
        else if (words[i] == "most")
            group = &most;
        else if (group && ParseExpected(words[i], e))
            group->push_back(e);
        else {
            Answer("error unexpected " + words[i]);
            return;
        }
    }
    for (;;) {
        Drain();
        if (XImage *image = ReadPicture()) {
            const bool shown = CountMatching(image, all) == all.size() &&
                               (most.empty() || CountMatching(image, most) * 2 > most.size());
            XDestroyImage(image);
            if (shown) {
                Answer("ok");
                return;
            }
        }
        if (NowMs() >= end || T.Child <= 0) {
            Answer(T.Child > 0 ? "error timeout" : "error the program ended");
            return;
        }
        // A new look after each paint, and now and then without one.
        Pump(std::min(end, NowMs() + 100), true);
    }
}

// Waits until no damage has come for `quietMs`; returns whether that
// happened before `until`.
bool WaitQuiet(double quietMs, double until)
{
    double quietFrom = NowMs();
    while (NowMs() - quietFrom < quietMs) {
        if (NowMs() >= until)
            return false;
        if (Pump(std::min(until, quietFrom + quietMs), true))
            quietFrom = T.LastDamageAt;
    }
    return true;
}

bool PointAt(int x, int y)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    if (!T.Target || !XTranslateCoordinates(T.Dpy, T.Target, T.Root, x, y, &rootX, &rootY, &child))
        return false;
    XTestFakeMotionEvent(T.Dpy, -1, rootX, rootY, 0);
    XFlush(T.Dpy);
    return true;
}

struct TKey {
    KeyCode Code = 0;
    bool Shift = false;
};

// The key and shift state that type a keysym on the server's keyboard map.
bool KeyFor(const std::string &name, TKey &key)
{
    const KeySym sym = XStringToKeysym(name.c_str());
    if (sym == NoSymbol)
        return false;
    key.Code = XKeysymToKeycode(T.Dpy, sym);
    if (!key.Code)
        return false;
    int perCode = 0;
    KeySym *syms = XGetKeyboardMapping(T.Dpy, key.Code, 1, &perCode);
    key.Shift = perCode > 1 && syms[0] != sym && syms[1] == sym;
    XFree(syms);
    return true;
}

void Press(const TKey &key, bool down)
{
    static const KeyCode shift = XKeysymToKeycode(T.Dpy, XK_Shift_L);
    if (key.Shift && down)
        XTestFakeKeyEvent(T.Dpy, shift, True, 0);
    XTestFakeKeyEvent(T.Dpy, key.Code, down, 0);
    if (key.Shift && !down)
        XTestFakeKeyEvent(T.Dpy, shift, False, 0);
    XFlush(T.Dpy);
}

bool KeysOf(const std::vector<std::string> &words, size_t first, std::vector<TKey> &keys)
{
    for (size_t i = first; i < words.size(); ++i) {
        TKey key;
        if (!KeyFor(words[i], key)) {
            Answer("error no key types " + words[i]);
            return false;
        }
        keys.push_back(key);
    }
    return true;
}

void TimeKeys(const std::vector<std::string> &words)
{
    if (words.size() < 4) {
        Answer("error usage: keys QUIET_MS TIMEOUT_MS KEYSYM...");
        return;
    }
    const double quiet = std::atof(words[1].c_str());
    const double timeout = std::atof(words[2].c_str());
    std::vector<TKey> keys;
    if (!KeysOf(words, 3, keys))
        return;
    std::string answer = "ok";
    for (const TKey &key : keys) {
        // Damage still on its way from before is no answer to this key.
        Drain();
        Press(key, true);
        const double sent = NowMs();
        const bool updated = Pump(sent + timeout, true);
        answer += " " + (updated ? Ms(T.LastDamageAt - sent) : std::string("-1"));
        Press(key, false);
        WaitQuiet(quiet, NowMs() + timeout);
        if (T.Child <= 0) {
            Answer("error the program ended");
            return;
        }
    }
    Answer(answer);
}

void PaceKeys(const std::vector<std::string> &words)
{
    if (words.size() < 3) {
        Answer("error usage: pace INTERVAL_MS KEYSYM...");
        return;
    }
    const double interval = std::atof(words[1].c_str());
    std::vector<TKey> keys;
    if (!KeysOf(words, 2, keys))
        return;
    const double start = NowMs();
    for (size_t i = 0; i < keys.size(); ++i) {
        Pump(start + i * interval, false);
        Press(keys[i], true);
        Pump(start + (i + 0.5) * interval, false);
        Press(keys[i], false);
    }
    Answer("ok ms=" + Ms(NowMs() - start));
}

void Close(const std::vector<std::string> &words)
{
    const double end = NowMs() + (words.size() > 1 ? std::atof(words[1].c_str()) : 10000.0);
    if (T.Child <= 0) {
        Answer("error no program runs");
        return;
    }
    if (T.Target) {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = T.Target;
        event.xclient.message_type = XInternAtom(T.Dpy, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(T.Dpy, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(T.Dpy, T.Target, False, NoEventMask, &event);
        XFlush(T.Dpy);
    }
    while (T.Child > 0 && NowMs() < end)
        Pump(std::min(end, NowMs() + 20), false);
    if (T.Child > 0) {
        kill(T.Child, SIGKILL);
        waitpid(T.Child, nullptr, 0);
        T.Child = -1;
        Answer("error it did not end; killed");
        return;
    }
    Answer("ok exit=" + std::to_string(T.ExitStatus));
}

void Run(const std::vector<std::string> &words)
{
    const std::string &verb = words[0];
    if (verb == "launch") {
        Launch(words);
    } else if (verb == "pixels") {
        WaitForPixels(words);
    } else if (verb == "quiet" && words.size() == 3) {
        const double quiet = std::atof(words[1].c_str());
        Answer(WaitQuiet(quiet, NowMs() + std::atof(words[2].c_str())) ? "ok" : "error timeout");
    } else if (verb == "count" && words.size() == 2) {
        const unsigned long before = T.DamageEvents;
        Pump(NowMs() + std::atof(words[1].c_str()), false);
        Answer("ok damage_events=" + std::to_string(T.DamageEvents - before));
    } else if ((verb == "click" || verb == "move") && words.size() == 3) {
        if (!PointAt(std::atoi(words[1].c_str()), std::atoi(words[2].c_str()))) {
            Answer("error no window");
            return;
        }
        if (verb == "click") {
            XTestFakeButtonEvent(T.Dpy, 1, True, 0);
            XTestFakeButtonEvent(T.Dpy, 1, False, 0);
            XFlush(T.Dpy);
        }
        Answer("ok");
    } else if (verb == "focus") {
        if (!T.Target) {
            Answer("error no window");
            return;
        }
        XSetInputFocus(T.Dpy, T.Target, RevertToPointerRoot, CurrentTime);
        XSync(T.Dpy, False);
        Answer("ok");
    } else if (verb == "keys") {
        TimeKeys(words);
    } else if (verb == "pace") {
        PaceKeys(words);
    } else if (verb == "close") {
        Close(words);
    } else if (verb == "kill") {
        if (T.Child > 0) {
            kill(T.Child, SIGKILL);
            waitpid(T.Child, nullptr, 0);
            T.Child = -1;
        }
        Answer("ok");
    } else {
        Answer("error unknown command " + verb);
    }
}

} // namespace

int main()
{
    T.Dpy = XOpenDisplay(nullptr);
    if (!T.Dpy) {
        std::fprintf(stderr, "ScreenTimer: no display\n");
        return 1;
    }
    int damageErrorBase = 0;
    int major = 0;
    int minor = 0;
    int eventBase = 0;
    int errorBase = 0;
    // The version is asked for because the server serves damage requests
    // only to clients that have told it theirs.
    if (!XDamageQueryExtension(T.Dpy, &T.DamageEventBase, &damageErrorBase) ||
        !XDamageQueryVersion(T.Dpy, &major, &minor) ||
        !XTestQueryExtension(T.Dpy, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "ScreenTimer: the server lacks DAMAGE or XTEST\n");
        return 1;
    }
    XSetErrorHandler(RememberError);
    T.Root = DefaultRootWindow(T.Dpy);
    XSelectInput(T.Dpy, T.Root, SubstructureNotifyMask);

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;)
            words.push_back(word);
        if (!words.empty())
            Run(words);
    }
    if (T.Child > 0) {
        kill(T.Child, SIGKILL);
        waitpid(T.Child, nullptr, 0);
    }
    XCloseDisplay(T.Dpy);
    return 0;
}
