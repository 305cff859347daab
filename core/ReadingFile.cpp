// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ReadingFile.h"

#include "core/modHelpText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ReadingFile {

namespace {

// Longest text a qint16 can take: "-32768".
constexpr qsizetype LongestNumber = 6;

QByteArray encodedNumber(qint16 number)
{
    return modHelp::EncodeText(QString::number(number)).toLatin1();
}

// The number exactly as encode() writes it: an optional minus sign and
// digits, no leading zeros, no "-0", nothing else. Any other text — blanks,
// a plus sign, a fraction, an empty line — is not a saved number.
std::optional<qint16> wholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > LongestNumber)
        return std::nullopt;
    const bool negative = text.front() == u'-';
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    if (digits.front() == u'0' && (digits.size() > 1 || negative))
        return std::nullopt;

    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');   // at most 5 digits: no overflow
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

// One line, without its line end (LF, or CR LF), decoded to a number.
std::optional<qint16> decodeLine(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    // A valid line is short; refuse long ones before building any text.
    if (line.size() > LongestNumber)
        return std::nullopt;
    const QString decoded = modHelp::DecodeText(QString::fromLatin1(line));
    // DecodeText drops bytes the encoding never writes (below 85). Such a
    // byte means the line is not a saved number, so nothing may be dropped:
    // "8C 20 88" must not pass as 73.
    if (decoded.size() != line.size())
        return std::nullopt;
    return wholeNumber(decoded);
}

} // namespace

bool isReadingName(const QString &path)
{
    return path.endsWith(QLatin1String("grn"), Qt::CaseSensitive);
}

QString readingName(const QString &chosen)
{
    if (chosen.isEmpty() || isReadingName(chosen))
        return chosen;
    // Never "anna..grn": Windows drops a name's trailing dot anyway.
    return chosen + (chosen.endsWith(QLatin1Char('.')) ? QLatin1String("grn") : QLatin1String(".grn"));
}

QByteArray encode(const Reading &reading)
{
    QByteArray bytes;
    bytes += encodedNumber(reading.lifePath);
    bytes += "\r\n";
    bytes += encodedNumber(reading.destiny);
    bytes += "\r\n";
    return bytes;
}

std::optional<Reading> parse(QByteArrayView bytes)
{
    const qsizetype firstEnd = bytes.indexOf('\n');
    if (firstEnd < 0)
        return std::nullopt;   // fewer than two lines
    const QByteArrayView rest = bytes.sliced(firstEnd + 1);
    const qsizetype secondEnd = rest.indexOf('\n');
    // The second line may lack its line end; whatever follows it is ignored.
    const QByteArrayView second = secondEnd < 0 ? rest : rest.first(secondEnd);

    const auto lifePath = decodeLine(bytes.first(firstEnd));
    const auto destiny = decodeLine(second);
    if (!lifePath || !destiny)
        return std::nullopt;
    return Reading{*lifePath, *destiny};
}

std::optional<Reading> read(const QString &path)
{
    QByteArray bytes;
#ifdef Q_OS_UNIX
    // Opened without blocking so that a FIFO cannot hang the program, then
    // checked on the open descriptor so that nothing can be swapped in
    // between the check and the read.
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty())
        return std::nullopt;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaximumFileSize) {
        ::close(fd);
        return std::nullopt;
    }
    // Never trust the size alone (some files report 0 and still have
    // content): read at most one byte past the limit.
    bytes.resize(MaximumFileSize + 1);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(got);
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaximumFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    bytes = file.read(MaximumFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
#endif
    if (bytes.size() > MaximumFileSize)
        return std::nullopt;
    return parse(bytes);
}

bool write(const QString &path, const Reading &reading)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    // QFile buffers writes: a full disk may only show up at flush(), and
    // commit() alone could then replace the old file with an empty one.
    const QByteArray bytes = encode(reading);
    const bool written = file.write(bytes) == bytes.size() && file.flush()
                         && file.error() == QFileDevice::NoError;
    if (!written) {
        file.cancelWriting();
        file.commit();   // discards the temporary file; the old file stays
        return false;
    }
    return file.commit();
}

} // namespace ReadingFile
