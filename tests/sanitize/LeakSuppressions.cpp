// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The sanitizers' defaults, built into every program of a sanitizer
// build (tests/sanitize/LeakSuppressions.cmake). A suppressions file named in
// LSAN_OPTIONS would have to be readable by whoever runs the program, and the
// tests run some programs as a throwaway user, who may not be able to enter
// the tree at all; LeakSanitizer then aborts at exit.
//
// Leaks inside system libraries that the program cannot free: fontconfig's
// caches and the X/GL client libraries keep allocations until exit.

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libX11.so\n"
           "leak:libxcb.so\n"
           "leak:libGLX\n"
           "leak:libEGL\n";
}

// Freed memory is filled with a pattern: Qt's own code is not instrumented,
// and an object it uses after it was freed (a socket deleted under a message
// box, say) would otherwise still read as it was, and the fault go unseen.
extern "C" const char *__asan_default_options()
{
    return "max_free_fill_size=4096:free_fill_byte=190";
}
