#pragma once

// A stand-in for the platform interfaces. It records what the program asked
// for and answers from queues the test fills. It installs itself on
// construction and restores the real platform on destruction. The day and
// the draw it holds are the values a test hands to the code it runs; the end
// of the program is recorded by the test root (TestRoot.h).

#include "Platform.h"

#include <QDate>
#include <QDir>
#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

struct ShownMessage
{
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
    QString parentClass;   // class name of the window it was shown over, or empty
};

class FakePlatform final : public Platform
{
public:
    FakePlatform() { setPlatform(this); s_current = this; }
    ~FakePlatform() override { setPlatform(nullptr); s_current = nullptr; }

    // The fake in force, if any.
    static FakePlatform *current() { return s_current; }
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

    // What was shown or asked.
    QList<ShownMessage> messages;
    QList<FileDialogRequest> fileRequests;
    QList<QUrl> openedUrls;
    QList<int> endedWith;

    // What to answer.
    QQueue<QMessageBox::StandardButton> messageAnswers;   // default: the first button offered
    QQueue<QString> fileAnswers;                          // default: cancel (empty)
    QQueue<float> randomDraws;                            // default: 0.0
    bool urlsOpen = true;
    QDate fixedToday{2026, 12, 7};

    QTemporaryDir sandbox;   // settings and lock files land here

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        messages.append({icon, text, buttons,
                         parent ? QString::fromLatin1(parent->metaObject()->className()) : QString()});
        if (!messageAnswers.isEmpty())
            return messageAnswers.dequeue();
        for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
            if (buttons.testFlag(b))
                return b;
        return QMessageBox::NoButton;
    }

    QString askFileName(QWidget *, const FileDialogRequest &request) override
    {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }

    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return urlsOpen;
    }

    // The next draw the test hands over; 0.0 when none is queued.
    float nextDraw() { return randomDraws.isEmpty() ? 0.0f : randomDraws.dequeue(); }

    QString settingsFilePath(const QString &applicationName) override
    {
        return QDir(sandbox.path()).filePath(QStringLiteral("config/%1/%1.conf").arg(applicationName));
    }

    QString lockDirectory() override { return QDir(sandbox.path()).filePath(QStringLiteral("run")); }


    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : messages)
            texts << m.text;
        return texts;
    }

private:
    static inline FakePlatform *s_current = nullptr;
};
