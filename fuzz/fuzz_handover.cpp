// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the hand-over request: what a second copy, or any
// program of the user's, sends the running copy over its channel.
//
// Every input is what a caller sends. It is read twice the way the channel
// reads it: once in one piece, once in the pieces a socket might deliver
// (their sizes drawn from the input), keeping at most MaximumSize + 1 bytes
// and stopping as soon as complete() says the request is whole. Then:
// - nothing crashes, and the reader has stopped once MaximumSize bytes came;
// - a request decode() accepts is complete, no longer than MaximumSize, and
//   no part of it is complete before its last byte, so both readings end
//   with exactly the path decode() gave;
// - an accepted path is absolute, holds no NUL and is no Qt resource path,
//   and encode() of it decodes to the same path, whole and in pieces;
// - paths made from the input's bytes survive encode() -> decode() too.

#include "core/HandOverRequest.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using HandOverRequest::MaximumSize;

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_handover: %s\n", what);
        std::abort();
    }
}

// Piece sizes from the input's own bytes, so that a finding replays exactly.
class Pieces
{
public:
    Pieces(QByteArrayView bytes, qsizetype largest)
        : m_largest(largest)
    {
        for (const char c : bytes)
            m_state = (m_state ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        m_state |= 1;
    }

    qsizetype next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return 1 + qsizetype(m_state % std::uint64_t(m_largest));
    }

private:
    std::uint64_t m_state = 0xcbf29ce484222325ULL;
    qsizetype m_largest;
};

struct Reading
{
    bool answered = false;   // complete() said so and decode() ran
    std::optional<QString> path;
    qsizetype kept = 0;      // bytes taken from the caller
};

// What the channel makes of the bytes, delivered in pieces of the sizes
// given (a size of 0 means everything at once).
Reading readAsTheChannel(QByteArrayView bytes, Pieces *pieces)
{
    Reading reading;
    QByteArray received;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype arrived = pieces ? qMin(pieces->next(), bytes.size() - at) : bytes.size();
        // The channel takes no more than one byte past the largest request.
        const qsizetype taken = qMin(arrived, MaximumSize - received.size() + 1);
        received += bytes.sliced(at, taken);
        at += arrived;
        check(received.size() <= MaximumSize + 1, "the channel kept more than it may");
        if (HandOverRequest::complete(received)) {
            reading.answered = true;
            reading.path = HandOverRequest::decode(received);
            break;
        }
    }
    reading.kept = received.size();
    if (received.size() >= MaximumSize)
        check(reading.answered, "a caller that sent MaximumSize bytes is still waited for");
    return reading;
}

void checkAcceptedPath(const QString &path)
{
    check(!path.isEmpty(), "accepted an empty path");
    check(QDir::isAbsolutePath(path), "accepted a relative path");
    check(!path.startsWith(QLatin1Char(':')), "accepted a path into Qt's resources");
    check(!path.contains(QChar(u'\0')), "accepted a path with a NUL");
}

// encode() -> decode(), whole and in pieces, for a path that decode() must
// take back: absolute, no NUL, and short enough for one request.
void roundTrip(const QString &path, QByteArrayView seedBytes)
{
    const QByteArray request = HandOverRequest::encode(path);
    if (request.size() > MaximumSize) {
        // Too long for the channel: the running copy must not take it.
        check(!HandOverRequest::decode(request), "decoded a request longer than MaximumSize");
        return;
    }
    check(HandOverRequest::complete(request), "encode() wrote a request complete() does not end");
    check(HandOverRequest::decode(request) == path, "decode(encode(p)) != p");
    // The last byte, and the first line, are what a reader stops early on
    // when it gets the framing wrong.
    check(!HandOverRequest::complete(request.first(request.size() - 1)),
          "encode()'s request is complete before its last byte");
    const qsizetype lineEnd = request.indexOf('\n');
    if (lineEnd >= 0 && lineEnd + 1 < request.size())
        check(!HandOverRequest::complete(request.first(lineEnd + 1)),
              "encode()'s request is complete after its first line");
    Pieces pieces(seedBytes, 97);
    const Reading piecewise = readAsTheChannel(request, &pieces);
    check(piecewise.answered && piecewise.path == path, "encode()'s request read in pieces lost the path");
}

// An absolute path made of the input's bytes: invalid UTF-8 becomes U+FFFD
// and NUL, the one character no path holds, becomes '/'.
QString pathFrom(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes.first(qMin<qsizetype>(bytes.size(), MaximumSize)));
    text.replace(QChar(u'\0'), QLatin1Char('/'));
    return QLatin1Char('/') + text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));

    const std::optional<QString> decoded = HandOverRequest::decode(input);
    const Reading whole = readAsTheChannel(input, nullptr);
    // One-byte pieces for short inputs (each byte its own readyRead, as a
    // slow caller sends them); larger pieces for long ones.
    Pieces pieces(input, input.size() <= 512 ? 1 : 300);
    const Reading piecewise = readAsTheChannel(input, &pieces);

    if (decoded) {
        check(input.size() <= MaximumSize, "accepted a request longer than MaximumSize");
        check(HandOverRequest::complete(input), "accepted a request complete() does not end");
        check(whole.answered && whole.kept == input.size() && whole.path == decoded,
              "read in one piece, an accepted request gave another path");
        check(piecewise.answered && piecewise.kept == input.size() && piecewise.path == decoded,
              "read in pieces, an accepted request was cut short or gave another path");
        checkAcceptedPath(*decoded);
        roundTrip(*decoded, input);
    }
    if (whole.answered && whole.path)
        checkAcceptedPath(*whole.path);
    if (piecewise.answered && piecewise.path)
        checkAcceptedPath(*piecewise.path);

    roundTrip(pathFrom(input), input);
    return 0;
}
