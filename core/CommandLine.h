// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program was asked to do on its command line: nothing in
// particular, open one saved reading, or tell how it is used. File managers
// start it with the reading's path, so one path is all it takes.

#include <QString>
#include <QStringList>

namespace CommandLine {

enum class Action {
    Start,      // no argument: the main window, as always
    Open,       // one file: that reading in the result window
    Help,       // --help: the usage line on standard output, status 0
    Version,    // --version: name and version on standard output, status 0
    Misused     // anything else: the usage line on standard error, status 2
};

struct Request
{
    Action action = Action::Start;
    QString file;   // for Open, absolute, so that another copy can use it too
};

// arguments as QCoreApplication::arguments() gives them, the program first;
// relative paths are taken from workingFolder.
Request parse(const QStringList &arguments, const QString &workingFolder);

// "Usage: pallastro [FILE]", for the executable named.
QString usage(const QString &executableName);

inline constexpr int MisusedStatus = 2;

} // namespace CommandLine
