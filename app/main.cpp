// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry point. The start-up sequence and the windows belong to
// the Root made here; what is here concerns the process as a whole: its home
// folder, a display that cannot be opened, and the signals that ask it to end.

#include "core/CommandLine.h"
#include "core/Identity.h"
#include "app/Root.h"
#include "platform/SystemDialogs.h"

#include <QApplication>
#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QList>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// Without HOME, Qt takes "/" for the home folder and the settings would land
// in /.config at the root of the file system; the account's own home folder
// is what the user means.
void ensureHome()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return;
    const passwd *account = ::getpwuid(::getuid());
    if (account && account->pw_dir && account->pw_dir[0] == '/')
        ::setenv("HOME", account->pw_dir, 1);
}
#endif

// While the application object is being made, a fatal message can only mean
// that no platform plugin could reach its display; Qt would then abort and
// leave a core file. The user hears that in one line instead, and the
// plugin's own warnings on the way there are held back; when the display
// opens after all, they are passed on unchanged.
class DisplayGuard
{
public:
    explicit DisplayGuard(const char *argv0)
    {
        const QString name =
            argv0 ? Root::applicationNameFromPath(QString::fromLocal8Bit(argv0)) : QString();
        s_programName = (name.isEmpty() ? Identity::executableName() : name).toLocal8Bit();
        s_previous = qInstallMessageHandler(&DisplayGuard::handle);
    }

    ~DisplayGuard()
    {
        qInstallMessageHandler(s_previous);
        for (const Held &m : std::as_const(s_held)) {
            const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                             m.category.constData());
            if (s_previous)
                s_previous(m.type, context, m.text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(m.text));
        }
        s_held.clear();
    }

    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

private:
    struct Held
    {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s: cannot open a display\n", s_programName.constData());
            std::fflush(stderr);
            std::_Exit(1);
        }
        s_held.append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                       QByteArray(context.category), text});
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QByteArray s_programName;
    static inline QList<Held> s_held;
};

#ifdef Q_OS_UNIX
// SIGTERM (log-out, shutdown, kill), SIGINT (Ctrl+C) and SIGHUP (the
// terminal went away) end the program the way closing its window does: the
// handler only writes a byte, and the event loop calls EndProgram once the
// work in hand is done. A save runs to its end within one event, so it is
// either complete or never started, and the lock file is removed on the way
// out. A second signal of the same kind finds the default action again and
// ends a program that no longer answers at once.
int g_signalSockets[2] = {-1, -1};

extern "C" void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalSockets[0], &byte, 1);
    errno = saved;
}

void endOnSignals(Root &root)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0)
        return;
    for (const int fd : g_signalSockets)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);   // not for the browser the program starts
    // A burst of signals must never block the handler.
    ::fcntl(g_signalSockets[0], F_SETFL, ::fcntl(g_signalSockets[0], F_GETFL) | O_NONBLOCK);

    auto *notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, &root] {
        notifier->setEnabled(false);
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(g_signalSockets[1], &byte, 1);
        root.EndProgram();
    });

    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction current = {};
        // Started with nohup (or a signal ignored on purpose): that stays.
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}
#endif

// The status to end with at once, for a request that opens no window.
std::optional<int> answerWithoutWindow(const CommandLine::Request &request)
{
    switch (request.action) {
    case CommandLine::Action::Help:
        std::printf("%s\n", qPrintable(CommandLine::usage(Identity::executableName())));
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s %s\n", qPrintable(Identity::name()), qPrintable(Identity::version()));
        return 0;
    case CommandLine::Action::Misused:
        std::fprintf(stderr, "%s\n", qPrintable(CommandLine::usage(Identity::executableName())));
        return CommandLine::MisusedStatus;
    case CommandLine::Action::Start:
    case CommandLine::Action::Open:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    ensureHome();
#endif

    // A command line that asks for no window, or that makes no sense, is
    // answered before a display is needed. Qt takes its own options (all
    // beginning with a dash) out of the arguments only once the application
    // exists, so a line with any dash is judged after that.
    QStringList rawArguments;
    bool anyDash = false;
    for (int i = 0; i < argc; ++i) {
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
        anyDash = anyDash || (i > 0 && argv[i][0] == '-');
    }
    const CommandLine::Request early = CommandLine::parse(rawArguments, QDir::currentPath());
    if (early.action != CommandLine::Action::Misused || !anyDash) {
        if (const auto status = answerWithoutWindow(early))
            return *status;
    }

    // First, so that a second copy can still show its message.
    std::optional<DisplayGuard> displayGuard(std::in_place, argc > 0 ? argv[0] : nullptr);
    QApplication app(argc, argv);
    displayGuard.reset();

    Root::prepareApplication();
    const CommandLine::Request request =
        CommandLine::parse(QCoreApplication::arguments(), QDir::currentPath());
    if (const auto status = answerWithoutWindow(request))
        return *status;

    // Everything the program is made of hangs from the root; it is destroyed
    // on the way out of main, and the single-instance lock with it.
    SystemDialogs dialogs;
    Root root(dialogs);
#ifdef Q_OS_UNIX
    // Before the lock is taken, so that a signal never leaves it behind.
    endOnSignals(root);
#endif
    if (!root.start(QDate::currentDate(), Root::drawFromClock(), request.file))
        return 0;
    const int status = app.exec();
    // The windows EndProgram unloaded are deleted before the root goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
