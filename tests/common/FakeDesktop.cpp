// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/common/FakeDesktop.h"

#include "core/Identity.h"
#include "platform/UserFolders.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

#include <cstdlib>

namespace {

FakeDesktop *g_current = nullptr;

const char *const Schemes[] = {"http", "https", "mailto"};

void emptyFolder(const QString &path)
{
    // Only ever a folder in a test location: never the user's own files.
    if (path.isEmpty() || !QStandardPaths::isTestModeEnabled())
        return;
    QDir(path).removeRecursively();
}

} // namespace

FakeDesktop::FakeDesktop()
{
    QStandardPaths::setTestModeEnabled(true);
    emptyTestFolders();
    for (const char *scheme : Schemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    g_current = this;
}

FakeDesktop::~FakeDesktop()
{
    g_current = nullptr;
    for (const char *scheme : Schemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    emptyTestFolders();
}

FakeDesktop *FakeDesktop::current() { return g_current; }

void FakeDesktop::emptyTestFolders()
{
    // The program's own name, and the test's, which the program takes for
    // its name when it runs as the test.
    for (const QString &name : {Identity::executableName(), Identity::applicationName()})
        emptyFolder(QFileInfo(UserFolders::settingsFile(name)).absolutePath());
    emptyFolder(UserFolders::lockFolder());
}

QStringList FakeDesktop::messageTexts() const
{
    QStringList texts;
    for (const auto &m : messages)
        texts << m.text;
    return texts;
}

QMessageBox::StandardButton FakeDesktop::message(QWidget *parent, QMessageBox::Icon icon,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons)
{
    messages.append({icon, text, buttons,
                     parent ? QString::fromLatin1(parent->metaObject()->className()) : QString()});
    if (!waitForAnswer())
        return QMessageBox::NoButton;
    if (!messageAnswers.isEmpty())
        return messageAnswers.dequeue();
    for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
        if (buttons.testFlag(b))
            return b;
    return QMessageBox::NoButton;
}

QString FakeDesktop::askFileName(QWidget *, const FileDialogRequest &request)
{
    fileRequests.append(request);
    if (!waitForAnswer())
        return {};
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

PrintAnswer FakeDesktop::askPrint(QWidget *, QPrinter &printer, const PrintDialogRequest &request)
{
    if (noPrinter)
        return PrintAnswer::NoPrinter;
    printRequests.append(request);
    if (!waitForAnswer())
        return PrintAnswer::Cancel;
    const QString path = printAnswers.isEmpty() ? QString() : printAnswers.dequeue();
    if (path.isEmpty())
        return PrintAnswer::Cancel;
    // As Qt's dialog leaves the printer when "Print to File (PDF)" is chosen.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return PrintAnswer::Print;
}

bool FakeDesktop::waitForAnswer()
{
    QEventLoop loop;
    m_openQuestions.append(&loop);
    if (whileAsked)
        QTimer::singleShot(0, &loop, whileAsked);
    QTimer::singleShot(questionOpenMs, &loop, &QEventLoop::quit);
    if (!m_ended)
        loop.exec(QEventLoop::DialogExec);
    m_openQuestions.removeOne(&loop);
    return !m_ended;
}

void FakeDesktop::programEnded()
{
    m_ended = true;
    for (QEventLoop *loop : std::as_const(m_openQuestions))
        loop->exit(-1);
}

void FakeDesktop::open(const QUrl &url) { openedUrls.append(url); }
