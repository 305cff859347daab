// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a second copy sends the running one: the path of the reading to show.
// A heading line that names the request and the path's length in bytes,
// then the absolute path in UTF-8, exactly that long. The length frames the
// path, so that line breaks and tabs, which file names may hold, travel as
// they are. The running copy reads the file itself; nothing of the reading
// travels, so a request can at worst name a file that Open then refuses.
//
// A request of the first version (heading line, then the path ended by a
// line feed) is still taken from a copy that speaks only that one.

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

// Whether bytes received so far already hold a whole request, or show that
// none can come of them, so that reading can stop.
bool complete(QByteArrayView bytes);

} // namespace HandOverRequest
