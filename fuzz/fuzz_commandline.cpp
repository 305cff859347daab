// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the command line.
//
// The input is split at its NUL bytes, as a command line is: the first part
// is the working folder, the second the program, the rest its arguments.
// For every input parse() must not crash, and:
// - the answer follows from the arguments alone: Help, Version and Misused
//   carry no file; Open carries one that is absolute, clean and a file on
//   disk (not one of Qt's resources, whose paths begin with a colon);
// - a file it opens is the same whatever the working folder when the
//   argument was absolute, and parses back to itself from any folder, so
//   that the running copy a path is handed to opens the very same file;
// - after "--", any one non-empty argument is a file, dash or not.

#include "core/CommandLine.h"

#include <QByteArrayView>
#include <QDir>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using CommandLine::Action;

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_commandline: %s\n", what);
        std::abort();
    }
}

bool operator==(const CommandLine::Request &a, const CommandLine::Request &b)
{
    return a.action == b.action && a.file == b.file;
}

void checkShape(const CommandLine::Request &request)
{
    if (request.action == Action::Open) {
        check(!request.file.isEmpty(), "Open without a file");
        check(QDir::isAbsolutePath(request.file), "Open with a relative file");
        check(QDir::cleanPath(request.file) == request.file, "Open with a file not cleaned");
        check(!request.file.startsWith(QLatin1Char(':')), "Open with a path into Qt's resources");
    } else {
        check(request.file.isEmpty(), "a file with an action that opens none");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList parts;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = input.indexOf('\0', start);
        parts << QString::fromLocal8Bit(input.sliced(start, (end < 0 ? input.size() : end) - start));
        if (end < 0)
            break;
        start = end + 1;
    }
    // The working folder is always absolute: it comes from the process.
    const QString folder = QDir::cleanPath(QLatin1Char('/') + parts.takeFirst());
    if (parts.isEmpty())
        parts << QStringLiteral("pallastro");
    const QStringList &arguments = parts;

    const CommandLine::Request request = CommandLine::parse(arguments, folder);
    checkShape(request);
    check(CommandLine::parse(arguments, folder) == request, "two answers to one command line");

    const QStringList rest = arguments.mid(1);
    const bool separated = !rest.isEmpty() && rest.constFirst() == QLatin1String("--");
    const QStringList named = separated ? rest.mid(1) : rest;
    switch (request.action) {
    case Action::Start:
        check(rest.isEmpty(), "started plainly with arguments");
        break;
    case Action::Help:
    case Action::Version:
        check(rest.size() == 1 && rest.constFirst().startsWith(QLatin1Char('-')),
              "help or version without its one option");
        break;
    case Action::Open:
        check(named.size() == 1 && !named.constFirst().isEmpty(), "opened without one named file");
        break;
    case Action::Misused:
        break;
    }
    if (named.size() == 1 && !named.constFirst().isEmpty() && !named.constFirst().startsWith(QLatin1Char('-')))
        check(request.action == Action::Open, "one plain argument did not open a file");

    // After "--" a single non-empty argument is a file, whatever it looks like.
    if (rest.size() == 1 && !rest.constFirst().isEmpty()) {
        const CommandLine::Request forced =
            CommandLine::parse({arguments.constFirst(), QStringLiteral("--"), rest.constFirst()}, folder);
        check(forced.action == Action::Open, "a file after -- was not opened");
        checkShape(forced);
        if (request.action == Action::Open)
            check(forced.file == request.file, "-- changed which file opens");
    }

    if (request.action == Action::Open) {
        // Handed to a copy in another folder, the path names the same file.
        for (const QString &elsewhere : {QStringLiteral("/"), QStringLiteral("/somewhere/else")}) {
            const CommandLine::Request again =
                CommandLine::parse({arguments.constFirst(), request.file}, elsewhere);
            check(again.action == Action::Open && again.file == request.file,
                  "the opened path does not parse back to itself");
            const QString &argument = named.constFirst();
            if (QDir::isAbsolutePath(argument) && !argument.startsWith(QLatin1Char(':'))) {
                const CommandLine::Request moved = CommandLine::parse(arguments, elsewhere);
                check(moved == request, "an absolute file depends on the working folder");
            }
        }
    }
    check(CommandLine::usage(arguments.constFirst()).contains(arguments.constFirst()),
          "the usage line does not name the program");
    return 0;
}
