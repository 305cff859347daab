// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and waits, on X events rather than by polling, until a
// top-level window with the given title is mapped. At that moment it stops
// the program, reads its peak resident memory, and ends it.
//
// usage: pallastro_mapwait TITLE TIMEOUT_SECONDS PROGRAM [ARGS...]
// prints: <milliseconds from fork to map> <VmHWM in kB>
//
// Meant for a bare X server without a window manager (Xvfb), where a
// program's top-level windows are children of the root window, so a
// MapNotify for them reaches a client listening on the root.

#include "bench/XWait.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

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
#include <fstream>
#include <string>

using xwait::hasTitle;
using xwait::ignoreErrors;
using xwait::nowMs;

namespace {

long peakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

void finish(pid_t child)
{
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE TIMEOUT_SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char *title = argv[1];
    const double timeoutMs = std::atof(argv[2]) * 1000.0;

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: cannot open display\n");
        return 2;
    }
    // A window may be gone by the time its name is asked for.
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("mapwait: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[3], argv + 3);
        std::perror("mapwait: exec");
        _exit(127);
    }

    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || !hasTitle(display, event.xmap.window, title))
                continue;
            const double mapped = nowMs();
            // Freeze it so the memory reading belongs to the moment of mapping.
            kill(child, SIGSTOP);
            const long kb = peakResidentKb(child);
            finish(child);
            std::printf("%.1f %ld\n", mapped - start, kb);
            return 0;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "mapwait: %s ended before its window appeared\n", argv[3]);
            return 1;
        }
        const double left = timeoutMs - (nowMs() - start);
        if (left <= 0) {
            std::fprintf(stderr, "mapwait: no window titled \"%s\" within %s s\n", title, argv[2]);
            finish(child);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        // Wake at least every 50 ms to notice a child that died early.
        timeval wait{0, static_cast<suseconds_t>(std::min(left, 50.0) * 1000)};
        if (select(fd + 1, &readable, nullptr, nullptr, &wait) < 0 && errno != EINTR) {
            std::perror("mapwait: select");
            finish(child);
            return 2;
        }
    }
}
