// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HandOverRequest.h"

#include <QDir>
#include <QStringDecoder>

namespace HandOverRequest {

namespace {

constexpr QByteArrayView Heading = "pallastro-open 1\n";

} // namespace

QByteArray encode(const QString &absolutePath)
{
    return Heading.toByteArray() + absolutePath.toUtf8() + '\n';
}

bool complete(QByteArrayView bytes)
{
    return bytes.size() >= MaximumSize || bytes.count('\n') >= 2;
}

std::optional<QString> decode(QByteArrayView bytes)
{
    if (bytes.size() > MaximumSize || !bytes.startsWith(Heading) || !bytes.endsWith('\n'))
        return std::nullopt;
    const QByteArrayView line = bytes.sliced(Heading.size(), bytes.size() - Heading.size() - 1);
    if (line.isEmpty())
        return std::nullopt;
    // Control characters (line ends and NUL included) belong in no path a
    // user chose, and would only confuse what shows or logs it.
    for (const char c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString path = utf8.decode(line);
    if (utf8.hasError() || !QDir::isAbsolutePath(path))
        return std::nullopt;
    return path;
}

} // namespace HandOverRequest
