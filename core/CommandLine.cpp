// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CommandLine.h"

#include <QDir>

namespace CommandLine {

Request parse(const QStringList &arguments, const QString &workingFolder)
{
    QStringList rest = arguments.mid(1);
    bool optionsEnd = false;
    if (!rest.isEmpty() && rest.constFirst() == QLatin1String("--")) {
        // "pallastro -- -reading.grn" names a file that starts with a dash.
        rest.removeFirst();
        optionsEnd = true;
    }

    if (rest.isEmpty())
        return optionsEnd ? Request{Action::Misused, {}} : Request{};
    if (rest.size() > 1)
        return {Action::Misused, {}};

    const QString &argument = rest.constFirst();
    if (!optionsEnd && argument.startsWith(QLatin1Char('-'))) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return {Action::Help, {}};
        if (argument == QLatin1String("--version"))
            return {Action::Version, {}};
        return {Action::Misused, {}};
    }
    if (argument.isEmpty())
        return {Action::Misused, {}};
    // Qt reads a name that begins with a colon as one of its own resources,
    // which QDir takes for absolute; on the command line it is a file in the
    // working folder like any other.
    const QString name = argument.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + argument : argument;
    // Cleaned, but links are left alone: the file is the one the user named.
    return {Action::Open, QDir::cleanPath(QDir(workingFolder).absoluteFilePath(name))};
}

QString usage(const QString &executableName)
{
    return QStringLiteral("Usage: %1 [FILE]").arg(executableName);
}

} // namespace CommandLine
