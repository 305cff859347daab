// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the two measuring helpers (mapwait, switchwait) share: a monotonic
// clock, the match of a window by its title, and an X error handler that
// lets a window vanish while it is being looked at.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <ctime>

namespace xwait {

inline double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// Qt may append " \u2014 <application display name>" to a title, so the
// title given is matched as the start of the window's name.
inline bool hasTitle(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = std::strncmp(name, title, std::strlen(title)) == 0;
    XFree(name);
    return same;
}

inline int ignoreErrors(Display *, XErrorEvent *) { return 0; }

} // namespace xwait
