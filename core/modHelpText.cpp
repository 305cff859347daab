// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// EncodeText / DecodeText live apart from the rest of modHelp so that the
// saved-reading parser and its fuzz target can link them without widgets.

#include "core/modHelpText.h"

namespace modHelp {

namespace {

constexpr int Offset = 85;

QString shifted(const QString &text, int by)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode();
        if (code > 0xFF)
            continue;   // not representable in the 8-bit code page
        const int moved = code + by;
        if (moved < 0 || moved > 0xFF)
            continue;
        out.append(QChar(moved));
    }
    return out;
}

} // namespace

QString EncodeText(const QString &text) { return shifted(text, Offset); }

QString DecodeText(const QString &text) { return shifted(text, -Offset); }

} // namespace modHelp
