// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line and the channel through which a second copy hands a file
// to the running one: what either accepts, and that nothing else gets through.

#include "core/CommandLine.h"
#include "core/HandOverRequest.h"
#include "platform/InstanceChannel.h"
#include "platform/PipeOwner.h"
#include "tests/platform/ThrowawayUser.h"

#include <QtTest>

#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using CommandLine::Action;

class tst_handover : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<InstanceChannel> m_channel;
    QStringList m_received;

    QString channelName() const { return InstanceChannel::nameFor(m_folder->path(), QStringLiteral("pallastro")); }

#ifdef Q_OS_WIN
    static std::wstring pipePath(const QString &name)
    {
        return (QStringLiteral("\\\\.\\pipe\\") + name).toStdWString();
    }

    // A pipe made the way another user's program could make ours: first, and
    // open to everyone, so that anyone's instances may join it.
    static HANDLE squat(const QString &name, DWORD instances)
    {
        SECURITY_DESCRIPTOR openToAll;
        ::InitializeSecurityDescriptor(&openToAll, SECURITY_DESCRIPTOR_REVISION);
        ::SetSecurityDescriptorDacl(&openToAll, TRUE, nullptr, FALSE);
        SECURITY_ATTRIBUTES attributes = {sizeof attributes, &openToAll, FALSE};
        return ::CreateNamedPipeW(pipePath(name).c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT,
                                  instances, 0, 0, 0, &attributes);
    }
#endif

    // Sends bytes as a caller would and gives what the channel answered
    // before it closed the connection (or before `seconds` ran out).
    QByteArray call(const QByteArray &bytes, int seconds = 5)
    {
        QLocalSocket socket;
        socket.connectToServer(channelName());
        if (!socket.waitForConnected(2000))
            return "(no connection)";
        socket.write(bytes);
        QByteArray answer;
        QDeadlineTimer deadline(seconds * 1000);
        while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
            QTest::qWait(20);
            answer += socket.readAll();
        }
        return answer + socket.readAll();
    }

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("file");   // relative to the root
        const QString absolute = QDir::rootPath() + QStringLiteral("srv/readings/x.grn");
        // clang-format off
        QTest::newRow("nothing")            << QStringList{}                            << Action::Start   << "";
        QTest::newRow("a relative file")    << QStringList{"a/../b.grn"}                << Action::Open    << "home/u/b.grn";
        QTest::newRow("an absolute file")   << QStringList{absolute}                    << Action::Open    << absolute;
        QTest::newRow("any name is a file") << QStringList{"notes.txt"}                 << Action::Open    << "home/u/notes.txt";
        QTest::newRow("a file after --")    << QStringList{"--", "-r.grn"}              << Action::Open    << "home/u/-r.grn";
        QTest::newRow("--help")             << QStringList{"--help"}                    << Action::Help    << "";
        QTest::newRow("-h")                 << QStringList{"-h"}                        << Action::Help    << "";
        QTest::newRow("--version")          << QStringList{"--version"}                 << Action::Version << "";
        QTest::newRow("two files")          << QStringList{"a.grn", "b.grn"}            << Action::Misused << "";
        QTest::newRow("--help and a file")  << QStringList{"--help", "a.grn"}           << Action::Misused << "";
        QTest::newRow("unknown option")     << QStringList{"-x"}                        << Action::Misused << "";
        QTest::newRow("-- alone")           << QStringList{"--"}                        << Action::Misused << "";
        QTest::newRow("-- and two files")   << QStringList{"--", "a.grn", "b.grn"}      << Action::Misused << "";
        QTest::newRow("an empty argument")  << QStringList{""}                          << Action::Misused << "";
        // Qt takes a name that begins with a colon for one of its resources.
        QTest::newRow("a name with a colon first") << QStringList{":r.grn"}             << Action::Open    << "home/u/:r.grn";
        QTest::newRow("a colon and a slash first") << QStringList{":/icons/a.png"}      << Action::Open    << "home/u/:/icons/a.png";
        // clang-format on
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, file);
        arguments.prepend(QStringLiteral("pallastro"));
        const CommandLine::Request request =
            CommandLine::parse(arguments, QDir::rootPath() + QStringLiteral("home/u"));
        QCOMPARE(request.action, action);
        QCOMPARE(request.file, file.isEmpty() || QDir::isAbsolutePath(file) ? file : QDir::rootPath() + file);
    }

    void request_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("path");   // empty: refused
        QTest::addColumn<bool>("asWritten"); // what encode() writes for the path
        const auto framed = [](const QByteArray &path) {
            return "pallastro-open 2 " + QByteArray::number(path.size()) + "\n" + path;
        };
        const QByteArray first = "pallastro-open 1\n";
        const QByteArray longest(HandOverRequest::MaximumSize - framed("").size() - 4, 'a');
        // clang-format off
        QTest::newRow("a path")               << framed("/tmp/a.grn")                   << "/tmp/a.grn"   << true;
        QTest::newRow("not ASCII")            << framed("/tmp/\xc3\xa9t\xc3\xa9.grn")  << QString::fromUtf8("/tmp/\xc3\xa9t\xc3\xa9.grn") << true;
        QTest::newRow("a line break")         << framed("/tmp/a\nb.grn")                << "/tmp/a\nb.grn" << true;
        QTest::newRow("a tab and a CR")       << framed("/tmp/a\tb\r.grn")              << "/tmp/a\tb\r.grn" << true;
        QTest::newRow("the longest")          << framed("/" + longest)                  << "/" + QString::fromLatin1(longest) << true;
        QTest::newRow("one byte too long")    << framed("/a" + longest)                 << ""             << false;
        QTest::newRow("relative")             << framed("a.grn")                        << ""             << false;
        // Qt takes a path that begins with a colon for one of its resources.
        QTest::newRow("a path into resources") << framed(":/icons/a.png")               << ""             << false;
        QTest::newRow("empty")                << framed("")                             << ""             << false;
        QTest::newRow("short of its length")  << framed("/tmp/a.grn").chopped(1)        << ""             << false;
        QTest::newRow("past its length")      << framed("/tmp/a.grn") + "x"             << ""             << false;
        QTest::newRow("a leading zero")       << QByteArray("pallastro-open 2 010\n/tmp/a.grn") << ""   << false;
        QTest::newRow("a sign")               << QByteArray("pallastro-open 2 +10\n/tmp/a.grn") << ""   << false;
        QTest::newRow("no length")            << QByteArray("pallastro-open 2 \n/tmp/a.grn") << ""      << false;
        QTest::newRow("NUL in the path")      << framed(QByteArray("/tmp/a\0.grn", 11)) << ""            << false;
        QTest::newRow("broken UTF-8")         << framed("/tmp/\xc3.grn")                << ""             << false;
        QTest::newRow("another version")      << QByteArray("pallastro-open 3 10\n/tmp/a.grn") << ""    << false;
        QTest::newRow("no heading")           << QByteArray("/tmp/a.grn\n")             << ""             << false;
        // What a copy that speaks only the first version sends.
        QTest::newRow("first: a path")        << first + "/tmp/a.grn\n"                 << "/tmp/a.grn"   << false;
        QTest::newRow("first: unfinished")    << first + "/tmp/a.grn"                   << ""             << false;
        QTest::newRow("first: the heading alone") << first                             << ""             << false;
        QTest::newRow("first: two paths")     << first + "/tmp/a.grn\n/tmp/b.grn\n"     << ""             << false;
        QTest::newRow("first: CR in the path") << first + "/tmp/a.grn\r\n"              << ""             << false;
        QTest::newRow("first: into resources") << first + ":/icons/a.png\n"             << ""             << false;
        QTest::newRow("first: too long")      << first + "/" + QByteArray(HandOverRequest::MaximumSize, 'a') + "\n" << "" << false;
        // clang-format on
    }

    void request()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, path);
        QFETCH(bool, asWritten);
        QCOMPARE(HandOverRequest::decode(bytes).value_or(QString()), path);
        if (asWritten)
            QCOMPARE(HandOverRequest::encode(path), bytes);
        // Reading stops once the whole request, or its fault, is in; never
        // before, as a request can come in pieces.
        QVERIFY(HandOverRequest::complete(bytes) || path.isEmpty());
        if (!path.isEmpty()) {
            // Wherever the pieces break, the heading of either version included.
            for (qsizetype size = 0; size < bytes.size(); ++size)
                QVERIFY2(!HandOverRequest::complete(bytes.first(size)), qPrintable(QString::number(size)));
        }
    }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_channel = std::make_unique<InstanceChannel>();
        m_received.clear();
        connect(m_channel.get(), &InstanceChannel::fileHandedOver, this,
                [this](const QString &path) { m_received << path; });
        QVERIFY2(m_channel->listen(channelName()), qPrintable(m_channel->errorString()));
    }

    void cleanup()
    {
        m_channel.reset();
        m_folder.reset();
    }

    // What callers send over the socket, and what comes of it.
    void callers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("taken");
        // clang-format off
        QTest::newRow("a request")          << HandOverRequest::encode("/tmp/a.grn")          << true;
        QTest::newRow("a relative path")    << HandOverRequest::encode("a.grn")               << false;
        QTest::newRow("noise")              << QByteArray("GET / HTTP/1.0\r\n\r\n")           << false;
        QTest::newRow("endless")            << QByteArray(4 * HandOverRequest::MaximumSize, 'x') << false;
        QTest::newRow("says nothing")       << QByteArray()                                    << false;
        QTest::newRow("half a request")     << QByteArray("pallastro-open 1\n/tmp/a")         << false;
        // clang-format on
    }

    void callers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, taken);
        QElapsedTimer clock;
        clock.start();
        const QByteArray answer = call(bytes);
        QCOMPARE(answer, taken ? QByteArray(HandOverRequest::Accepted.toByteArray()) : QByteArray());
        // Every caller is let go, the slow ones once their time is up.
        QVERIFY(clock.elapsed() < InstanceChannel::RequestTimeoutMs + 1500);
        QCOMPARE(m_received, taken ? QStringList{QStringLiteral("/tmp/a.grn")} : QStringList{});
        // ... and the channel still serves the next one.
        QCOMPARE(call(HandOverRequest::encode(QStringLiteral("/tmp/b.grn"))),
                 HandOverRequest::Accepted.toByteArray());
    }

    void silentCallersHoldUpNoOne_data()
    {
        QTest::addColumn<int>("silent");
        QTest::newRow("one") << 1;
        QTest::newRow("eight") << 8;
        QTest::newRow("more than are held") << InstanceChannel::MaximumCallers + 8;
    }

    void silentCallersHoldUpNoOne()
    {
        QFETCH(int, silent);
        std::vector<std::unique_ptr<QLocalSocket>> callers;
        for (int i = 0; i < silent; ++i) {
            callers.push_back(std::make_unique<QLocalSocket>());
            callers.back()->connectToServer(channelName());
            QVERIFY(callers.back()->waitForConnected(2000));
        }
        QCOMPARE(call(HandOverRequest::encode(QStringLiteral("/tmp/a.grn")), 1),
                 HandOverRequest::Accepted.toByteArray());
        QCOMPARE(m_received, QStringList{QStringLiteral("/tmp/a.grn")});
        for (const auto &caller : callers)
            QTRY_COMPARE_WITH_TIMEOUT(caller->state(), QLocalSocket::UnconnectedState,
                                      InstanceChannel::RequestTimeoutMs + 1500);
    }

    void aSecondCopyHandsOver()
    {
        // The second copy blocks while it waits, as it does at start-up; the
        // running copy answers from a thread of its own here.
        QThread running;
        QObject context;
        context.moveToThread(&running);
        running.start();
        const QString name = InstanceChannel::nameFor(m_folder->path(), QStringLiteral("other"));
        InstanceChannel *channel = nullptr;
        QString received;
        bool listening = false;
        QMetaObject::invokeMethod(&context, [&] {
            channel = new InstanceChannel;
            listening = channel->listen(name);
            connect(channel, &InstanceChannel::fileHandedOver, channel,
                    [&received](const QString &path) { received = path; });
        }, Qt::BlockingQueuedConnection);
        QVERIFY(listening);
        const bool handedOver = InstanceChannel::handOver(name, QStringLiteral("/tmp/é.grn"), 5000);
        QMetaObject::invokeMethod(&context, [&] { delete channel; }, Qt::BlockingQueuedConnection);
        running.quit();
        running.wait();
        QVERIFY(handedOver);
        QCOMPARE(received, QStringLiteral("/tmp/é.grn"));

        // Nobody listening: the second copy gives up within its connect time.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!InstanceChannel::handOver(name + QStringLiteral("-none"), QStringLiteral("/tmp/a.grn"), 5000));
        QVERIFY(clock.elapsed() < InstanceChannel::ConnectTimeoutMs + 1000);
    }

    void aCopyInAnotherProcessHandsOver()
    {
        // A second copy of its own, as a double-click starts one; on Windows
        // it first asks whose process serves the pipe.
        const QString name = InstanceChannel::nameFor(m_folder->path(), QStringLiteral("process"));
        InstanceChannel channel;
        QVERIFY2(channel.listen(name), qPrintable(channel.errorString()));
        QString received;
        connect(&channel, &InstanceChannel::fileHandedOver, this,
                [&received](const QString &path) { received = path; });
        const QString path = QDir::rootPath() + QStringLiteral("srv/a reading.grn");
        QProcess second;
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hand-over"), name, path});
        QVERIFY2(second.waitForStarted(), qPrintable(second.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(received, path);
    }

    // Pipe names are machine-wide on Windows, and a server that comes second
    // only adds instances to the pipe of whoever came first: callers would
    // reach either. The channel refuses to listen on a name it does not hold.
    void aNameHeldElsewhereIsRefused_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::newRow("another channel")        << "channel";
        QTest::newRow("a pipe open to all")     << "open pipe";
        QTest::newRow("a pipe of one instance") << "single pipe";
    }

    void aNameHeldElsewhereIsRefused()
    {
#ifndef Q_OS_WIN
        QSKIP("a socket file in the user's folder is the user's; pipe names are Windows'");
#else
        QFETCH(QString, holder);
        const QString name = InstanceChannel::nameFor(m_folder->path(), QStringLiteral("held"));
        std::unique_ptr<InstanceChannel> first;
        HANDLE pipe = INVALID_HANDLE_VALUE;
        if (holder == QLatin1String("channel")) {
            first = std::make_unique<InstanceChannel>();
            QVERIFY2(first->listen(name), qPrintable(first->errorString()));
        } else {
            pipe = squat(name, holder == QLatin1String("open pipe") ? PIPE_UNLIMITED_INSTANCES : 1);
            QVERIFY(pipe != INVALID_HANDLE_VALUE);
        }
        {
            InstanceChannel second;
            const bool listening = second.listen(name);
            if (pipe != INVALID_HANDLE_VALUE)
                ::CloseHandle(pipe);
            QVERIFY(!listening);
            QVERIFY2(second.errorString().contains(QLatin1String("another process already holds the pipe")),
                     qPrintable(second.errorString()));
        }
        // Once the holder is gone, the name is free again.
        first.reset();
        InstanceChannel later;
        QVERIFY2(later.listen(name), qPrintable(later.errorString()));
#endif
    }

    void theHeldNameTakesNoCaller()
    {
#ifndef Q_OS_WIN
        QSKIP("pipe instances are Windows'");
#else
        // What holds the name is a pipe instance too. With no server
        // listening beside it, a caller must find every instance busy (and
        // wait for one) rather than reach it and wait for an answer in vain.
        const QString name = InstanceChannel::nameFor(m_folder->path(), QStringLiteral("guarded"));
        auto owner = std::make_unique<PipeOwner>(name);
        QVERIFY2(owner->holdsName(), qPrintable(owner->errorString()));
        QVERIFY(!PipeOwner(name).holdsName());
        HANDLE caller = ::CreateFileW(pipePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
        const DWORD error = ::GetLastError();
        if (caller != INVALID_HANDLE_VALUE)
            ::CloseHandle(caller);
        QVERIFY(caller == INVALID_HANDLE_VALUE);
        QCOMPARE(error, DWORD(ERROR_PIPE_BUSY));
        owner.reset();
        QVERIFY(PipeOwner(name).holdsName());
#endif
    }

    void theServerIsThisUsers()
    {
#ifndef Q_OS_WIN
        QSKIP("the server of a pipe is Windows'");
#else
        QLocalSocket socket;
        socket.connectToServer(channelName());
        QVERIFY(socket.waitForConnected(2000));
        QVERIFY(PipeOwner::servedByThisUser(socket.socketDescriptor()));
        // Nothing to ask, or not a pipe: not known to be this user's.
        QVERIFY(!PipeOwner::servedByThisUser(qintptr(INVALID_HANDLE_VALUE)));
        const std::wstring plain = QDir::toNativeSeparators(m_folder->filePath(QStringLiteral("plain"))).toStdWString();
        HANDLE file = ::CreateFileW(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        QVERIFY(file != INVALID_HANDLE_VALUE);
        const bool fileServed = PipeOwner::servedByThisUser(qintptr(file));
        ::CloseHandle(file);
        QVERIFY(!fileServed);
#endif
    }

    void aLeftSocketIsReplaced()
    {
        // A copy that crashed leaves its socket file behind.
        const QString name = InstanceChannel::nameFor(m_folder->path(), QStringLiteral("crashed"));
#ifdef Q_OS_UNIX
        QVERIFY(QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                  {QStringLiteral("-c"), QStringLiteral("import socket,sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])"), name}) == 0);
        QVERIFY(QFileInfo(name).exists());
#endif
        InstanceChannel channel;
        QVERIFY2(channel.listen(name), qPrintable(channel.errorString()));
    }

    void anotherUserIsTurnedAway()
    {
#ifndef Q_OS_LINUX
        QSKIP("user ids of socket callers are about Linux");
#else
        if (!ThrowawayUser::unavailableReason().isEmpty())
            QSKIP(qPrintable(ThrowawayUser::unavailableReason()));
        // Even with the folder and the socket opened to all, which the
        // program never does, the caller's user id is checked.
        QVERIFY(ThrowawayUser::setMode(m_folder->path(), 0755));
        QVERIFY(ThrowawayUser::setMode(channelName(), 0777));
        const QString script = QStringLiteral(
            "import socket,sys\n"
            "s=socket.socket(socket.AF_UNIX)\n"
            "s.connect(sys.argv[1])\n"
            "s.sendall(sys.argv[2].encode())\n"
            "s.settimeout(5)\n"
            "try:\n"
            "    print(repr(s.recv(16)))\n"
            "except ConnectionResetError:\n"
            "    print('reset')\n");
        QProcess other;
        other.setProcessChannelMode(QProcess::MergedChannels);
        ThrowawayUser::startAs(other, ThrowawayUser::freshId(), QStringLiteral("/usr/bin/python3"),
                               {QStringLiteral("-c"), script, channelName(),
                                QString::fromUtf8(HandOverRequest::encode(QStringLiteral("/tmp/a.grn")))});
        QTRY_COMPARE_WITH_TIMEOUT(other.state(), QProcess::NotRunning, 10000);
        // Connected, and sent away without a word.
        const QByteArray answer = other.readAll().trimmed();
        QVERIFY2(answer == "b''" || answer == "reset", answer.constData());
        QVERIFY(m_received.isEmpty());
#endif
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The second copy of aCopyInAnotherProcessHandsOver: hands the path over
    // and says by its status whether the running copy took it.
    if (argc == 4 && qstrcmp(argv[1], "--hand-over") == 0)
        return InstanceChannel::handOver(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), 10000)
                   ? 0
                   : 1;
    tst_handover test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_handover.moc"
