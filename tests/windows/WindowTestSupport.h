// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window tests share: a main that never lets a native dialog in,
// and helpers to find, reset and dispose of the two top-level windows.

#include "windows/result/frmGreekNumerologyResult.h"
#include "windows/main/frmMain.h"
#include "assets/Assets.h"
#include "core/modGreekNumerology.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QtTest>

namespace WindowTest {

// The windows of a type that are open (shown and not closed).
template<class Window>
QList<Window *> openWindows()
{
    QList<Window *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *typed = qobject_cast<Window *>(w); typed && typed->isVisible())
            found << typed;
    return found;
}

template<class Window>
Window *onlyOpen()
{
    const QList<Window *> windows = openWindows<Window>();
    return windows.size() == 1 ? windows.first() : nullptr;
}

// Deletes every window left over, without running close handlers, and puts
// the reading state back to that of a fresh process.
inline void disposeAll()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Deleting a window also deletes its menus, which are top-level widgets
    // of their own: pick the windows out first, then delete them.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmMain *>(w) || qobject_cast<frmGreekNumerologyResult *>(w))
            windows << w;
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
    modGreekNumerology::resetReadingState();
    frmGreekNumerologyResult::LifePathPosition = 0;
    frmGreekNumerologyResult::DestinyPosition = 0;
}

// The picture a portrait control shows, as an image (null when it shows none).
inline QImage shownPicture(const QLabel *image)
{
    return image->pixmap().toImage();
}

// What image-list entry `entry` looks like in a 120 x 120 portrait control.
inline QImage portraitAt120(int entry)
{
    return QPixmap::fromImage(Assets::portrait(entry).scaled(120, 120, Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation))
        .toImage();
}

} // namespace WindowTest

#define PALLASTRO_WINDOW_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char **argv)                                                                             \
    {                                                                                                           \
        qunsetenv("QT_QPA_PLATFORMTHEME");                                                                      \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                                \
        QApplication app(argc, argv);                                                                           \
        QApplication::setQuitOnLastWindowClosed(false);                                                         \
        TestClass test;                                                                                         \
        return QTest::qExec(&test, argc, argv);                                                                 \
    }
