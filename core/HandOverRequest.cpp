// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/HandOverRequest.h"

#include <QDir>
#include <QStringDecoder>

namespace HandOverRequest {

namespace {

constexpr QByteArrayView FirstHeading = "pallastro-open 1\n";
constexpr QByteArrayView Heading = "pallastro-open 2 ";
// "8192" at most: a longer length could never fit.
constexpr qsizetype MaximumLengthDigits = 4;

// Where the path begins, and its length as the heading gives it.
struct Frame
{
    qsizetype pathStart = 0;
    qsizetype pathLength = 0;
};

enum class HeadingState { Unfinished, Malformed, Whole };

HeadingState readHeading(QByteArrayView bytes, Frame &frame)
{
    const qsizetype common = qMin(bytes.size(), Heading.size());
    if (bytes.first(common) != Heading.first(common))
        return HeadingState::Malformed;
    if (bytes.size() <= Heading.size())
        return HeadingState::Unfinished;
    qsizetype length = 0;
    qsizetype i = Heading.size();
    for (; i < bytes.size() && bytes[i] != '\n'; ++i) {
        const char c = bytes[i];
        const qsizetype digits = i - Heading.size();
        if (c < '0' || c > '9' || digits >= MaximumLengthDigits || (digits == 1 && length == 0))
            return HeadingState::Malformed;
        length = length * 10 + (c - '0');
    }
    if (i == bytes.size())
        return HeadingState::Unfinished;
    if (i == Heading.size() || length == 0 || i + 1 + length > MaximumSize)
        return HeadingState::Malformed;
    frame.pathStart = i + 1;
    frame.pathLength = length;
    return HeadingState::Whole;
}

std::optional<QString> absolutePathFrom(QByteArrayView bytes)
{
    // NUL ends a path everywhere; nothing else is ruled out here, since
    // the file system, not this channel, says which names exist.
    if (bytes.isEmpty() || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString path = utf8.decode(bytes);
    // QDir calls a path into Qt's own resources (":/...") absolute too; no
    // copy sends one, and the reading must come from the file system.
    if (utf8.hasError() || !QDir::isAbsolutePath(path) || path.startsWith(QLatin1Char(':')))
        return std::nullopt;
    return path;
}

std::optional<QString> decodeFirstVersion(QByteArrayView bytes)
{
    // The heading's own line feed is not the path's.
    if (bytes.size() <= FirstHeading.size() || !bytes.endsWith('\n'))
        return std::nullopt;
    const QByteArrayView line = bytes.sliced(FirstHeading.size(), bytes.size() - FirstHeading.size() - 1);
    // That version ends its path with a line feed, so it can hold no
    // control character at all.
    for (const char c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::nullopt;
    }
    return absolutePathFrom(line);
}

} // namespace

QByteArray encode(const QString &absolutePath)
{
    const QByteArray path = absolutePath.toUtf8();
    return Heading.toByteArray() + QByteArray::number(path.size()) + '\n' + path;
}

bool complete(QByteArrayView bytes)
{
    if (bytes.size() >= MaximumSize)
        return true;
    if (bytes.startsWith(FirstHeading))
        return bytes.count('\n') >= 2;
    // Short of its line feed, the first version's heading is no fault yet:
    // the rest of it may be in the next piece.
    if (FirstHeading.startsWith(bytes))
        return false;
    Frame frame;
    switch (readHeading(bytes, frame)) {
    case HeadingState::Unfinished:
        return false;
    case HeadingState::Malformed:
        return true;
    case HeadingState::Whole:
        break;
    }
    return bytes.size() >= frame.pathStart + frame.pathLength;
}

std::optional<QString> decode(QByteArrayView bytes)
{
    if (bytes.size() > MaximumSize)
        return std::nullopt;
    if (bytes.startsWith(FirstHeading))
        return decodeFirstVersion(bytes);
    Frame frame;
    if (readHeading(bytes, frame) != HeadingState::Whole
        || bytes.size() != frame.pathStart + frame.pathLength)
        return std::nullopt;
    return absolutePathFrom(bytes.sliced(frame.pathStart));
}

} // namespace HandOverRequest
