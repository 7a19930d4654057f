// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/about_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "text/string_table.h"

namespace tolvane {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(uiText(StringId::AboutThisProgram));

    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    }
    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(icon.pixmap(32, 32));

    auto* version = new QLabel(QStringLiteral("Tolvane     Version 1.23R03"), this);
    version->setTextFormat(Qt::PlainText);
    auto* maker = new QLabel(tr("Made by the Tolvane developers"), this);
    auto* licence = new QLabel(tr("Free software under the GNU General Public License, version 3 "
                                  "or later (GPL-3.0-or-later), without any warranty."),
                               this);
    licence->setWordWrap(true);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(iconLabel, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(maker, 1, 1);
    layout->addWidget(licence, 2, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
}

}  // namespace tolvane
