// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A key pressed and then released on a control, as a keyboard sends it,
// and what a button said in between: whether it went down on the press
// and was clicked only on the release, as Space does it.

#include <QAbstractButton>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace KeyPress {

struct Outcome
{
    bool downWhileHeld = false;
    int pressedWhileHeld = 0;
    int clicksWhileHeld = 0;
    int releasedAfter = 0;
    int clicksAfter = 0;
};

inline Qt::KeyboardModifiers modifiersOf(Qt::Key key)
{
    // The keypad's Enter comes with the keypad's modifier.
    return key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
}

// Presses `key` on `target`, then releases it. The spies outlive a button
// that its own click closes.
inline Outcome pressAndRelease(QWidget *target, Qt::Key key)
{
    Outcome outcome;
    auto *button = qobject_cast<QAbstractButton *>(target);
    std::unique_ptr<QSignalSpy> pressed, released, clicked;
    if (button) {
        pressed = std::make_unique<QSignalSpy>(button, &QAbstractButton::pressed);
        released = std::make_unique<QSignalSpy>(button, &QAbstractButton::released);
        clicked = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
    }
    QPointer<QWidget> guard = target;
    QTest::keyPress(target, key, modifiersOf(key));
    if (button && guard) {
        outcome.downWhileHeld = button->isDown();
        outcome.pressedWhileHeld = int(pressed->count());
        outcome.clicksWhileHeld = int(clicked->count());
    }
    if (guard)
        QTest::keyRelease(target, key, modifiersOf(key));
    if (button) {
        outcome.releasedAfter = int(released->count());
        outcome.clicksAfter = int(clicked->count());
    }
    return outcome;
}

// What Space does to a button: down on the press, one click on the release.
inline bool pressedLikeSpace(const Outcome &o)
{
    return o.downWhileHeld && o.pressedWhileHeld == 1 && o.clicksWhileHeld == 0 && o.releasedAfter == 1
           && o.clicksAfter == 1;
}

inline QString describe(const Outcome &o)
{
    return QStringLiteral("down while held %1, pressed %2, clicked %3 while held; released %4, clicked %5 after")
        .arg(o.downWhileHeld).arg(o.pressedWhileHeld).arg(o.clicksWhileHeld).arg(o.releasedAfter)
        .arg(o.clicksAfter);
}

} // namespace KeyPress
