// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "main_dialog_fixture.h"
#include "text/string_table.h"
#include "ui/main/camera_list.h"

namespace tolvane {
namespace {

class MainDialogAbout : public test::MainDialogFixture {
protected:
    // Once the About box runs: note its title and texts and close it.
    void closeAboutBoxWhenOpen() {
        QTimer::singleShot(0, [this] {
            QWidget* about = QApplication::activeModalWidget();
            if (about == nullptr) {
                return;
            }
            aboutTitle = about->windowTitle();
            for (const QLabel* label : about->findChildren<QLabel*>()) {
                aboutTexts << label->text();
            }
            about->close();
        });
    }

    void expectAboutBoxShown() {
        EXPECT_EQ(aboutTitle, uiText(StringId::AboutThisProgram));
        EXPECT_TRUE(aboutTexts.contains(QStringLiteral("Tolvane     Version 1.23R03")));
        EXPECT_EQ(aboutTexts.filter(QStringLiteral("GPL-3.0-or-later")).size(), 1)
            << aboutTexts.join(QLatin1Char('|')).toStdString();
    }

    QString aboutTitle;
    QStringList aboutTexts;
};

TEST_F(MainDialogAbout, F1AnywhereInTheWindowOpensIt) {
    auto main = makeMainDialog();
    main->show();
    closeAboutBoxWhenOpen();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(main->cameraList(), &f1);
    expectAboutBoxShown();
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainDialogAbout, TheWindowsContextMenuOffersIt) {
    auto main = makeMainDialog();
    main->show();
    QStringList menuItems;
    QTimer::singleShot(0, [this, &menuItems] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        for (const QAction* action : menu->actions()) {
            menuItems << action->text();
        }
        closeAboutBoxWhenOpen();
        menu->setActiveAction(menu->actions().value(0));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &enter);
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 20),
                              main->mapToGlobal(QPoint(20, 20)));
    QCoreApplication::sendEvent(main->cameraList()->viewport(), &request);
    EXPECT_EQ(menuItems, QStringList{uiText(StringId::AboutThisProgram)});
    expectAboutBoxShown();
}

}  // namespace
}  // namespace tolvane
