// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The text encoding of the settings store and of saved readings. Part of
// modHelp, kept widget-free so that the saved-reading parser and its fuzz
// target can use it alone.

#include <QString>

namespace modHelp {

// Shift every Latin-1 character code by +85 / -85, dropping what would leave 0..255.
QString EncodeText(const QString &text);
QString DecodeText(const QString &text);

} // namespace modHelp
