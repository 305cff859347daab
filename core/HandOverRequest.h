// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a second copy sends the running one: the path of the reading to show.
// A line naming the request, then the absolute path in UTF-8, each ended by a
// line feed. The running copy reads the file itself; nothing of the reading
// travels, so a request can at worst name a file that Open then refuses.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace HandOverRequest {

// Longer requests are cut off unread: a path needs far less.
inline constexpr qsizetype MaximumSize = 8192;

// What the running copy answers once it has taken a request.
inline constexpr QByteArrayView Accepted = "ok\n";

QByteArray encode(const QString &absolutePath);

// The path of a whole, well-formed request; nothing for anything else.
std::optional<QString> decode(QByteArrayView bytes);

// Whether bytes received so far already hold a whole request (or more than
// one could ever be), so that reading can stop.
bool complete(QByteArrayView bytes);

} // namespace HandOverRequest
