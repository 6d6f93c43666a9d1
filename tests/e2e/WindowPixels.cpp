// Reads an X11 window's picture and writes it to stdout as a binary PPM.
// One small process per picture keeps screenshots cheap on a loaded
// machine, where ImageMagick takes most of a second for each.
//
// Given pixels to wait for, it reads the window again and again until every
// pixel listed after --all and more than half of those listed after --most
// show their colours, for pictures that are on screen only briefly: polling
// from inside one process cannot miss a picture that stands for a second
// however slowly new processes start.
//
//   WindowPixels WINDOW
//   WindowPixels WINDOW [--all X,Y,RRGGBB ...] [--most X,Y,RRGGBB ...] [--timeout SECONDS]
//
// Exit code 0 when a picture was written (and matched what was waited for);
// 1 when the time ran out or the window went first, with the last picture
// read written anyway; 2 on wrong arguments; 3 when the window could not be
// read at all (it was never mapped, or it has gone).

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct TExpected {
    int X = 0;
    int Y = 0;
    unsigned long Rgb = 0;
};

// What a picture must show: every one of All, and more than half of Most.
struct TWanted {
    std::vector<TExpected> All;
    std::vector<TExpected> Most;

    bool Empty() const { return All.empty() && Most.empty(); }
};

// Reading a window that is unmapped or destroyed raises an X error; it is
// remembered here instead of ending the process.
bool GotXError = false;

int RememberError(Display *, XErrorEvent *)
{
    GotXError = true;
    return 0;
}

// The window's picture as 0xRRGGBB values, row by row; empty when the window
// cannot be read.
std::vector<unsigned long> ReadPicture(Display *display, Window window, int &width, int &height)
{
    GotXError = false;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || GotXError || attributes.map_state != IsViewable)
        return {};
    XImage *image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    XSync(display, False);
    if (!image || GotXError) {
        if (image)
            XDestroyImage(image);
        return {};
    }
    width = attributes.width;
    height = attributes.height;
    std::vector<unsigned long> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            // A 24-bit TrueColor visual, as Xvfb's default screen has.
            pixels[static_cast<size_t>(y) * width + x] = p & 0xFFFFFFul;
        }
    XDestroyImage(image);
    return pixels;
}

size_t CountMatching(const std::vector<unsigned long> &pixels, int width, int height,
                     const std::vector<TExpected> &expected)
{
    size_t matching = 0;
    for (const TExpected &e : expected)
        if (e.X >= 0 && e.Y >= 0 && e.X < width && e.Y < height && pixels[static_cast<size_t>(e.Y) * width + e.X] == e.Rgb)
            ++matching;
    return matching;
}

bool Matches(const std::vector<unsigned long> &pixels, int width, int height, const TWanted &wanted)
{
    return CountMatching(pixels, width, height, wanted.All) == wanted.All.size() &&
           (wanted.Most.empty() || CountMatching(pixels, width, height, wanted.Most) * 2 > wanted.Most.size());
}

void WritePpm(const std::vector<unsigned long> &pixels, int width, int height)
{
    std::printf("P6\n%d %d\n255\n", width, height);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long p = pixels[static_cast<size_t>(y) * width + x];
            row[x * 3] = static_cast<unsigned char>(p >> 16);
            row[x * 3 + 1] = static_cast<unsigned char>(p >> 8);
            row[x * 3 + 2] = static_cast<unsigned char>(p);
        }
        std::fwrite(row.data(), 1, row.size(), stdout);
    }
    std::fflush(stdout);
}

bool ParseExpected(const char *text, TExpected &expected)
{
    char colour[7] = {};
    if (std::sscanf(text, "%d,%d,%6[0-9a-fA-F]", &expected.X, &expected.Y, colour) != 3 || std::strlen(colour) != 6)
        return false;
    expected.Rgb = std::strtoul(colour, nullptr, 16);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: WindowPixels WINDOW [--all X,Y,RRGGBB ...] [--most X,Y,RRGGBB ...] "
                             "[--timeout SECONDS]\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    TWanted wanted;
    std::vector<TExpected> *group = nullptr;
    double timeout = 10.0;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--all") == 0) {
            group = &wanted.All;
        } else if (std::strcmp(argv[i], "--most") == 0) {
            group = &wanted.Most;
        } else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            timeout = std::atof(argv[++i]);
        } else {
            TExpected e;
            if (!group || !ParseExpected(argv[i], e)) {
                std::fprintf(stderr, "WindowPixels: unexpected argument %s\n", argv[i]);
                return 2;
            }
            group->push_back(e);
        }
    }
    const bool until = !wanted.Empty();
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "WindowPixels: no display\n");
        return 3;
    }
    XSetErrorHandler(RememberError);

    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    std::vector<unsigned long> last;
    int lastWidth = 0;
    int lastHeight = 0;
    int code = 1;
    for (;;) {
        int width = 0;
        int height = 0;
        std::vector<unsigned long> pixels = ReadPicture(display, window, width, height);
        if (!pixels.empty()) {
            last = std::move(pixels);
            lastWidth = width;
            lastHeight = height;
            if (!until || Matches(last, lastWidth, lastHeight, wanted)) {
                code = 0;
                break;
            }
        } else if (!until || !last.empty()) {
            // Never readable without --until, or gone after it was seen.
            break;
        }
        if (std::chrono::steady_clock::now() >= end)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    XCloseDisplay(display);
    if (last.empty())
        return 3;
    WritePpm(last, lastWidth, lastHeight);
    return code;
}
