// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The desktop around the program, as a test scripts it: the dialogs answer
// from queues the test fills and record what was asked; the browser is a URL
// handler that records the addresses the program opens; the settings and the
// lock live in QStandardPaths' test locations, emptied when a FakeDesktop is
// made and when it goes. The day and the draw it holds are the values a test
// hands to the code it runs. The end of the program is recorded here by the
// test root (TestRoot.h).

#include "platform/Dialogs.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QUrl>

#include <functional>

struct ShownMessage
{
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
    QString parentClass;   // class name of the window it was shown over, or empty
};

class QEventLoop;

class FakeDesktop final : public QObject, public Dialogs
{
    Q_OBJECT
public:
    FakeDesktop();
    ~FakeDesktop() override;
    FakeDesktop(const FakeDesktop &) = delete;
    FakeDesktop &operator=(const FakeDesktop &) = delete;

    // The one in force, if any.
    static FakeDesktop *current();

    // What was shown, asked or opened.
    QList<ShownMessage> messages;
    QList<FileDialogRequest> fileRequests;
    QList<PrintDialogRequest> printRequests;
    QList<QUrl> openedUrls;
    QList<int> endedWith;

    // What to answer.
    QQueue<QMessageBox::StandardButton> messageAnswers;   // default: the first button offered
    QQueue<QString> fileAnswers;                          // default: cancel (empty)
    // The print dialog: a path prints into that PDF file, an empty one cancels
    // (also the default); with noPrinter the system has no printer at all.
    QQueue<QString> printAnswers;
    bool noPrinter = false;
    QQueue<float> randomDraws;                            // default: 0.0
    QDate fixedToday{2026, 12, 7};

    // Every question stays open this long before it is answered, running an
    // event loop of its own as a modal dialog does: posted events, deferred
    // deletes, sockets and timers are served meanwhile, so that what the
    // real dialog would let happen under the code that asked happens here.
    int questionOpenMs = 10;
    // Run once inside each question's loop, right after it opens: what the
    // world does while the user has not answered yet.
    std::function<void()> whileAsked;

    // The next draw the test hands over; 0.0 when none is queued.
    float nextDraw() { return randomDraws.isEmpty() ? 0.0f : randomDraws.dequeue(); }

    QStringList messageTexts() const;

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    QString askFileName(QWidget *parent, const FileDialogRequest &request) override;
    PrintAnswer askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) override;

    // Keeps the question open as the real dialog would, until it is
    // answered; false when the program ended first, as the real dialog's
    // loop then ends unanswered.
    bool waitForAnswer();
    // The program ended: every question open ends unanswered.
    void programEnded();

    // Removes the program's settings and lock folders from the test locations.
    static void emptyTestFolders();

private:
    QList<QEventLoop *> m_openQuestions;
    bool m_ended = false;

public slots:
    // QDesktopServices hands every http, https and mailto address here.
    void open(const QUrl &url);
};
