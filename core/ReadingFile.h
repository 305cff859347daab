// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The saved reading (.grn): two lines, Life Path then Destiny, each the
// decimal text of the number with every character stored as its code + 85,
// each ended by CR LF. Free of widgets so that it can be tested and fuzzed alone.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace ReadingFile {

struct Reading
{
    qint16 lifePath = 0;
    qint16 destiny = 0;
    friend bool operator==(const Reading &, const Reading &) = default;
};

// Whether Open takes a file of this name: its last three characters must be
// "grn" exactly, in lower case; no dot is needed before them.
bool isReadingName(const QString &path);

// The name Save writes a reading under, so that Open takes it again: the
// name chosen when Open would take it, else that name with ".grn" after it
// ("anna.txt" -> "anna.txt.grn"; a name ending in a dot takes just "grn").
QString readingName(const QString &chosen);

// A valid reading takes at most 16 bytes; the slack lets trailing lines
// through while keeping every read small.
inline constexpr qint64 MaximumFileSize = 4096;

// The exact bytes of a saved reading.
QByteArray encode(const Reading &reading);

// The reading in bytes, or nothing when they are not a valid reading.
std::optional<Reading> parse(QByteArrayView bytes);

// Reads and parses a file in bounded memory and time.
std::optional<Reading> read(const QString &path);

// Writes atomically: either the whole new file is there, or the old one is untouched.
bool write(const QString &path, const Reading &reading);

} // namespace ReadingFile
