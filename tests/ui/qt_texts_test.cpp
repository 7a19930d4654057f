// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that come from Qt itself follow the interface language: the standard buttons of a
// message box (also under the GNOME theme's keys) and the context menu of every text field.
#include <memory>
#include <ostream>
#include <string>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>

#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "text/language_setup.h"

namespace tolvane {
namespace {

struct QtTextsCase {
    UiLanguage language;
    const char* ok;
    const char* gnomeOk;
    const char* undo;
    const char* selectAll;
    friend void PrintTo(const QtTextsCase& c, std::ostream* os) {
        *os << languageCode(c.language).toStdString();
    }
};

class QtTextsTest : public testing::TestWithParam<QtTextsCase> {
protected:
    void SetUp() override { ASSERT_TRUE(installLanguage(GetParam().language)); }
    void TearDown() override { installLanguage(UiLanguage::English); }
};

TEST_P(QtTextsTest, MessageBoxOkButtonIsTranslated) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tolvane"), QStringLiteral("text"),
                    QMessageBox::Ok);
    box.show();
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QString::fromUtf8(GetParam().ok));
    // GNOME-like desktops look the button up under their theme's own key.
    EXPECT_EQ(QCoreApplication::translate("QGnomeTheme", "&OK"),
              QString::fromUtf8(GetParam().gnomeOk));
}

TEST_P(QtTextsTest, LineEditContextMenuIsTranslated) {
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                              QStringLiteral("/qtbase_") + languageCode(GetParam().language) +
                              QStringLiteral(".qm");
    ASSERT_TRUE(QFile::exists(catalogue))
        << catalogue.toStdString() << " is missing: install qt6-translations-l10n";
    QLineEdit edit;
    edit.show();
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    EXPECT_TRUE(texts.contains(QString::fromUtf8(GetParam().undo)))
        << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QString::fromUtf8(GetParam().selectAll)))
        << texts.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, QtTextsTest,
    testing::Values(QtTextsCase{UiLanguage::Japanese, "OK", "&OK", "元に戻す(&U)", "すべてを選択"},
                    QtTextsCase{UiLanguage::French, "OK", "&OK", "&Annuler", "Tout sélectionner"},
                    QtTextsCase{UiLanguage::Chinese, "确定", "确定(&O)", "撤消(&U)", "全选"}));

}  // namespace
}  // namespace tolvane
