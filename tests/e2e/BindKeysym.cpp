// Binds a keysym to a keycode that has none, for the life of the X server,
// so that xdotool can type the character with a key of its own. Left to
// itself, xdotool binds a spare keycode for each such character and takes
// the binding back straight after the key; a program that reads the key
// only after that finds no character on it, and on a loaded machine it
// often does.
//
//   BindKeysym KEYSYM      (for example 0x100301c for U+301C)
//
// Exit code 0 when the keysym is on a key (it may have been already), 1 when
// no keycode is free, 2 on wrong arguments, 3 without a display.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: BindKeysym KEYSYM\n");
        return 2;
    }
    KeySym keysym = std::strtoul(argv[1], nullptr, 0);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "BindKeysym: no display\n");
        return 3;
    }
    if (XKeysymToKeycode(display, keysym) != 0) {
        XCloseDisplay(display);
        return 0;
    }
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perCode = 0;
    KeySym *map = XGetKeyboardMapping(display, first, last - first + 1, &perCode);
    int free = 0;
    for (int code = last; code >= first && free == 0; --code) {
        bool empty = true;
        for (int i = 0; i < perCode; ++i)
            empty = empty && map[(code - first) * perCode + i] == NoSymbol;
        if (empty)
            free = code;
    }
    XFree(map);
    if (free == 0) {
        std::fprintf(stderr, "BindKeysym: no free keycode\n");
        XCloseDisplay(display);
        return 1;
    }
    XChangeKeyboardMapping(display, free, 1, &keysym, 1);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
