// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ipv4_address_edit.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tolvane {
namespace {

int octetValue(const QLineEdit* field) {
    return std::min(field->text().toInt(), 255);
}

}  // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (std::size_t i = 0; i < octets_.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setValidator(validator);
        field->setMaxLength(3);
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        field->installEventFilter(this);
        const int index = static_cast<int>(i);
        connect(field, &QLineEdit::textEdited, this, [this, index] { onOctetEdited(index); });
        connect(field, &QLineEdit::editingFinished, this, [field] {
            if (!field->text().isEmpty()) {
                field->setText(QString::number(octetValue(field)));
            }
        });
        if (i > 0) {
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        }
        layout->addWidget(field);
        octets_[i] = field;
    }
    layout->addStretch();
    setFocusProxy(octets_[0]);
}

std::uint32_t Ipv4AddressEdit::value() const {
    std::uint32_t address = 0;
    for (const QLineEdit* field : octets_) {
        address = (address << 8) | static_cast<std::uint32_t>(octetValue(field));
    }
    return address;
}

void Ipv4AddressEdit::setValue(std::uint32_t address) {
    for (std::size_t i = 0; i < octets_.size(); ++i) {
        const unsigned shift = 8 * static_cast<unsigned>(3 - i);
        octets_[i]->setText(QString::number((address >> shift) & 0xFFu));
    }
}

void Ipv4AddressEdit::clear() {
    for (QLineEdit* field : octets_) {
        field->clear();
    }
}

int Ipv4AddressEdit::octetIndex(const QObject* field) const {
    const auto found = std::find(octets_.begin(), octets_.end(), field);
    return found == octets_.end() ? -1 : static_cast<int>(found - octets_.begin());
}

void Ipv4AddressEdit::onOctetEdited(int index) {
    QLineEdit* field = octets_[static_cast<std::size_t>(index)];
    if (field->text().size() == 3 && field->cursorPosition() == 3 && index < 3) {
        octets_[static_cast<std::size_t>(index + 1)]->setFocus();
        octets_[static_cast<std::size_t>(index + 1)]->selectAll();
    }
    emit valueEdited();
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = octetIndex(watched);
    if (index < 0 || event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    QLineEdit* field = octets_[static_cast<std::size_t>(index)];
    const bool dot = key->key() == Qt::Key_Period || key->key() == Qt::Key_Space;
    if (dot && index < 3) {
        if (!field->text().isEmpty()) {
            octets_[static_cast<std::size_t>(index + 1)]->setFocus();
            octets_[static_cast<std::size_t>(index + 1)]->selectAll();
        }
        return true;
    }
    if (key->key() == Qt::Key_Backspace && index > 0 && field->cursorPosition() == 0 &&
        !field->hasSelectedText()) {
        QLineEdit* previous = octets_[static_cast<std::size_t>(index - 1)];
        previous->setFocus();
        previous->setCursorPosition(previous->text().size());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tolvane
