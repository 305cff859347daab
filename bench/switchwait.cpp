// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program with two top-level windows, types a name into the first,
// presses its Get button from the keyboard and times until the second window
// is painted; then presses Back there and times until a fresh first window
// is painted. Everything is seen from outside the program, as the X server
// sees it: the keys go in through XTest, and a window counts as painted once
// every one of its pixels has been drawn since it was mapped, by the
// rectangles the Damage extension reports.
//
// usage: pallastro_switchwait TITLE FIRST_WIDTH SECOND_WIDTH TIMEOUT_SECONDS PROGRAM [ARGS...]
// prints: <ms from Get's key release to the second window painted>
//         <ms from Back's key release to the fresh first window painted>
//
// The keys are those of Pallastro's input window: the name box has the focus
// when the window opens, four Tabs lead to the Get button, and Back has the
// focus when the result window opens. Space presses a focused button; it
// clicks on release, without the delay of an access key's animated click.
//
// Meant for a bare X server without a window manager (Xvfb): top-level
// windows are then children of the root window, their map events reach a
// client listening on the root, and nothing but the program draws into them.

#include "bench/XWait.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

using xwait::hasTitle;
using xwait::ignoreErrors;
using xwait::nowMs;

namespace {

struct Session
{
    Display *display = nullptr;
    int damageEvent = 0;
    pid_t child = -1;
    const char *title = nullptr;
    double timeoutMs = 0;
};

// The window being waited for and what of it has been drawn since its map.
struct Target
{
    Window window = None;
    XRectangle bounds{};  // on the root
    Region drawn = nullptr;
};

enum class Wait { Event, Timeout, ChildEnded, Failed };

// Waits for the next X event until the absolute time `until`.
Wait nextEvent(Session &s, XEvent &event, double until)
{
    const int fd = ConnectionNumber(s.display);
    for (;;) {
        if (XPending(s.display)) {
            XNextEvent(s.display, &event);
            return Wait::Event;
        }
        int status = 0;
        if (waitpid(s.child, &status, WNOHANG) == s.child) {
            s.child = -1;
            return Wait::ChildEnded;
        }
        const double left = until - nowMs();
        if (left <= 0)
            return Wait::Timeout;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        // Wake at least every 50 ms to notice a child that died early.
        timeval wait{0, static_cast<suseconds_t>(std::min(left, 50.0) * 1000)};
        if (select(fd + 1, &readable, nullptr, nullptr, &wait) < 0 && errno != EINTR) {
            std::perror("switchwait: select");
            return Wait::Failed;
        }
    }
}

bool isDamage(const Session &s, const XEvent &event) { return event.type == s.damageEvent + XDamageNotify; }

// The part of a damage rectangle that falls on the target, in the target's
// own coordinates; false when none does.
bool clipToTarget(const XRectangle &area, const Target &t, XRectangle &inside)
{
    const int left = std::max<int>(area.x, t.bounds.x);
    const int top = std::max<int>(area.y, t.bounds.y);
    const int right = std::min<int>(area.x + area.width, t.bounds.x + t.bounds.width);
    const int bottom = std::min<int>(area.y + area.height, t.bounds.y + t.bounds.height);
    if (right <= left || bottom <= top)
        return false;
    inside = {static_cast<short>(left - t.bounds.x), static_cast<short>(top - t.bounds.y),
              static_cast<unsigned short>(right - left), static_cast<unsigned short>(bottom - top)};
    return true;
}

// Waits for a top-level window of the title and the width to be mapped and
// then wholly drawn; returns the moment of the last stroke that completed it.
Wait waitPainted(Session &s, int width, Target &t, double &paintedAt)
{
    const double until = nowMs() + s.timeoutMs;
    t = Target{};
    for (;;) {
        XEvent event;
        const Wait got = nextEvent(s, event, until);
        if (got != Wait::Event)
            return got;
        if (event.type == MapNotify && t.window == None && !event.xmap.override_redirect) {
            XWindowAttributes a{};
            const Window w = event.xmap.window;
            if (!XGetWindowAttributes(s.display, w, &a) || a.width != width || !hasTitle(s.display, w, s.title))
                continue;
            t.window = w;
            t.bounds = {static_cast<short>(a.x), static_cast<short>(a.y), static_cast<unsigned short>(a.width),
                        static_cast<unsigned short>(a.height)};
            t.drawn = XCreateRegion();
        } else if (event.type == ConfigureNotify && event.xconfigure.window == t.window && t.window != None) {
            const XConfigureEvent &c = event.xconfigure;
            if (c.x == t.bounds.x && c.y == t.bounds.y && c.width == t.bounds.width && c.height == t.bounds.height)
                continue;   // restacked only
            // Moved or resized before it was drawn: what counts is the window now.
            t.bounds = {static_cast<short>(c.x), static_cast<short>(c.y), static_cast<unsigned short>(c.width),
                        static_cast<unsigned short>(c.height)};
            XDestroyRegion(t.drawn);
            t.drawn = XCreateRegion();
        } else if (isDamage(s, event) && t.window != None) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            XRectangle inside{};
            if (!clipToTarget(damage.area, t, inside))
                continue;
            XUnionRectWithRegion(&inside, t.drawn, t.drawn);
            if (XRectInRegion(t.drawn, 0, 0, t.bounds.width, t.bounds.height) == RectangleIn) {
                paintedAt = nowMs();
                XDestroyRegion(t.drawn);
                t.drawn = nullptr;
                return Wait::Event;
            }
        }
    }
}

// Lets the program finish what it does after a window appears or a key
// arrives: returns once nothing has been drawn on the target for quietMs,
// or after maxMs in any case (a blinking text cursor never stops drawing).
Wait settle(Session &s, const Target &t, double quietMs, double maxMs)
{
    const double end = nowMs() + maxMs;
    double quietUntil = nowMs() + quietMs;
    for (;;) {
        XEvent event;
        const Wait got = nextEvent(s, event, std::min(quietUntil, end));
        if (got == Wait::Timeout)
            return Wait::Event;
        if (got != Wait::Event)
            return got;
        XRectangle inside{};
        if (isDamage(s, event)
            && clipToTarget(reinterpret_cast<const XDamageNotifyEvent &>(event).area, t, inside))
            quietUntil = nowMs() + quietMs;
    }
}

void key(Display *display, KeySym symbol, bool down)
{
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down ? True : False, CurrentTime);
    XFlush(display);
}

void tap(Display *display, KeySym symbol)
{
    key(display, symbol, true);
    key(display, symbol, false);
}

// Focus as a window manager would give it; without one, keys would go to
// whatever window the pointer happens to be over.
void focus(Display *display, Window window)
{
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    XFlush(display);
}

void finish(Session &s)
{
    if (s.child > 0) {
        kill(s.child, SIGKILL);
        waitpid(s.child, nullptr, 0);
        s.child = -1;
    }
}

int failed(Session &s, Wait why, const char *what)
{
    if (why == Wait::Timeout)
        std::fprintf(stderr, "switchwait: %s: nothing within the time allowed\n", what);
    else if (why == Wait::ChildEnded)
        std::fprintf(stderr, "switchwait: %s: the program ended\n", what);
    else
        std::fprintf(stderr, "switchwait: %s: failed\n", what);
    finish(s);
    return 1;
}

// Presses a focused button with Space and releases it; the click, and so
// the switch, happens on the release, which is when the clock starts.
Wait pressButton(Session &s, const Target &on, double &releasedAt)
{
    key(s.display, XK_space, true);
    // The button drawn pressed means every key before it has been handled.
    const Wait got = settle(s, on, 100, 2000);
    if (got != Wait::Event)
        return got;
    releasedAt = nowMs();
    key(s.display, XK_space, false);
    return Wait::Event;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s TITLE FIRST_WIDTH SECOND_WIDTH TIMEOUT_SECONDS PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    Session s;
    s.title = argv[1];
    const int firstWidth = std::atoi(argv[2]);
    const int secondWidth = std::atoi(argv[3]);
    s.timeoutMs = std::atof(argv[4]) * 1000.0;

    s.display = XOpenDisplay(nullptr);
    if (!s.display) {
        std::fprintf(stderr, "switchwait: cannot open display\n");
        return 2;
    }
    int ignored = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(s.display, &ignored, &ignored, &major, &minor)) {
        std::fprintf(stderr, "switchwait: the X server has no XTEST extension\n");
        return 2;
    }
    int damageError = 0;
    if (!XDamageQueryExtension(s.display, &s.damageEvent, &damageError)) {
        std::fprintf(stderr, "switchwait: the X server has no DAMAGE extension\n");
        return 2;
    }
    // A window may be gone by the time its name or size is asked for.
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(s.display);
    XSelectInput(s.display, root, SubstructureNotifyMask);
    // On the root, from before the program starts, so that no stroke into
    // any of its windows can be missed; every rectangle is reported.
    XDamageCreate(s.display, root, XDamageReportRawRectangles);
    XSync(s.display, False);

    s.child = fork();
    if (s.child < 0) {
        std::perror("switchwait: fork");
        return 2;
    }
    if (s.child == 0) {
        close(ConnectionNumber(s.display));
        // Only the timings go to standard output.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[5], argv + 5);
        std::perror("switchwait: exec");
        _exit(127);
    }

    Target first, second, fresh;
    double painted = 0, released = 0;
    Wait got = waitPainted(s, firstWidth, first, painted);
    if (got != Wait::Event)
        return failed(s, got, "the first window");
    focus(s.display, first.window);
    if ((got = settle(s, first, 150, 3000)) != Wait::Event)
        return failed(s, got, "the first window settling");

    for (const KeySym letter : {XK_a, XK_d, XK_a})
        tap(s.display, letter);
    for (int i = 0; i < 4; ++i)
        tap(s.display, XK_Tab);
    if ((got = settle(s, first, 150, 3000)) != Wait::Event)
        return failed(s, got, "typing the name");

    if ((got = pressButton(s, first, released)) != Wait::Event)
        return failed(s, got, "pressing Get");
    if ((got = waitPainted(s, secondWidth, second, painted)) != Wait::Event)
        return failed(s, got, "the second window");
    const double toSecond = painted - released;

    focus(s.display, second.window);
    if ((got = settle(s, second, 150, 3000)) != Wait::Event)
        return failed(s, got, "the second window settling");
    if ((got = pressButton(s, second, released)) != Wait::Event)
        return failed(s, got, "pressing Back");
    if ((got = waitPainted(s, firstWidth, fresh, painted)) != Wait::Event)
        return failed(s, got, "the fresh first window");
    const double backToFirst = painted - released;

    finish(s);
    std::printf("%.1f %.1f\n", toSecond, backToFirst);
    return 0;
}
