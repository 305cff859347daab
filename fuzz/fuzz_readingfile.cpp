// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the saved-reading parser.
//
// For every input: parse() must not crash, anything it accepts must be
// exactly what encode() writes for that reading (line ends aside), and the
// readings derived from the input's bytes must survive encode -> parse, with
// or without the input appended as trailing lines.

#include "core/ReadingFile.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_readingfile: %s\n", what);
        std::abort();
    }
}

// The first two lines, CR LF or LF ended (the last may lack it), rewritten
// with CR LF: what an accepted input must equal once normalised.
QByteArray firstTwoLinesNormalised(QByteArrayView bytes)
{
    QByteArray out;
    qsizetype start = 0;
    for (int line = 0; line < 2; ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        QByteArrayView text = bytes.sliced(start, (end < 0 ? bytes.size() : end) - start);
        if (text.endsWith('\r'))
            text.chop(1);
        out += text.toByteArray();
        out += "\r\n";
        if (end < 0)
            break;
        start = end + 1;
    }
    return out;
}

void roundTrip(const ReadingFile::Reading &reading, QByteArrayView tail)
{
    const QByteArray bytes = ReadingFile::encode(reading);
    check(bytes.size() >= 6 && bytes.size() <= 16, "encoded size out of range");
    check(ReadingFile::parse(bytes) == reading, "parse(encode(r)) != r");
    QByteArray withTail = bytes;
    withTail.append(tail.data(), tail.size());
    check(ReadingFile::parse(withTail) == reading, "trailing lines changed the reading");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));

    if (const auto reading = ReadingFile::parse(input)) {
        check(ReadingFile::encode(*reading) == firstTwoLinesNormalised(input),
              "accepted an input that is not what encode() writes");
    }

    // Readings derived from the input: each 4-byte window gives two numbers.
    for (std::size_t i = 0; i + 4 <= size && i < 64; i += 4) {
        std::int16_t lifePath;
        std::int16_t destiny;
        std::memcpy(&lifePath, data + i, 2);
        std::memcpy(&destiny, data + i + 2, 2);
        roundTrip({lifePath, destiny}, input);
    }
    if (size < 4)
        roundTrip({std::int16_t(size ? data[0] : 0), std::int16_t(size > 1 ? -data[1] : 0)}, input);
    return 0;
}
