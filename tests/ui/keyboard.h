// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace tolvane::test {

// Makes `window` the active window, as the window manager does when it is shown, so that the
// keyboard focus is where a user would find it.
inline bool activate(QWidget* window) {
    window->activateWindow();
    QCoreApplication::processEvents();
    return window->isActiveWindow();
}

// Presses `keys` one after another as a user would: each goes through the window system to
// the widget that has the keyboard focus. Stops once the window has closed.
inline void pressKeys(QWidget* window, const std::vector<Qt::Key>& keys) {
    const QPointer<QWidget> alive(window);
    for (Qt::Key key : keys) {
        if (alive.isNull() || !alive->isVisible())
            return;
        QTest::keyClick(alive->windowHandle(), key);
    }
}

}  // namespace tolvane::test
