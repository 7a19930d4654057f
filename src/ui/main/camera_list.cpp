// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/camera_list.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>

#include "text/string_table.h"

namespace tolvane {

namespace {

constexpr int kInterfaceColumn = kListColumnCount;
constexpr int kInterfaceColumnWidth = 90;

}  // namespace

CameraList::CameraList(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setColumnCount(0);
    // Room the window has beyond the columns goes to the status column.
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CameraList::setupColumns(UiLanguage language) {
    view_ = ListView::IPv4;
    setColumnCount(kListColumnCount);
    for (int column = 0; column < kListColumnCount; ++column) {
        setColumn(column, language);
    }
}

void CameraList::switchView(ListView view, UiLanguage language) {
    view_ = view;
    for (int column = 2; column < kListColumnCount; ++column) {
        setColumn(column, language);
    }
}

void CameraList::setColumn(int column, UiLanguage language) {
    const ListColumn layout = listColumn(column, view_, language);
    headerItem()->setText(column, uiText(layout.titleStringId));
    // The header keeps a section at least as wide as its font needs: the Japanese font makes
    // that wider than the Japanese number column's 30 px.
    const int width = std::max(layout.width, header()->minimumSectionSize());
    columnWidths_.at(static_cast<std::size_t>(column)) = width;
    setColumnWidth(column, width);
}

int CameraList::fittingWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int columnWidth : columnWidths_) {
        width += columnWidth;
    }
    if (interfaceColumnShown()) {
        width += kInterfaceColumnWidth;
    }
    return width;
}

void CameraList::refreshRow(const CameraTable& cameras, int index) {
    const RowTexts texts =
        rowTexts(cameras.cameraTable.at(static_cast<std::size_t>(index)), index, view_);
    auto* item = new QTreeWidgetItem;
    for (int column = 0; column < kListColumnCount; ++column) {
        item->setText(column, texts[static_cast<std::size_t>(column)]);
    }
    if (interfaceColumnShown()) {
        item->setText(
            kInterfaceColumn,
            QString::fromStdString(
                cameras.cameraTable.at(static_cast<std::size_t>(index)).networkInterface.name));
    }
    insertTopLevelItem(index, item);
}

void CameraList::showInterfaceColumn(bool shown) {
    if (shown == interfaceColumnShown() || columnCount() < kListColumnCount) {
        return;
    }
    if (!shown) {
        setColumnCount(kListColumnCount);
        return;
    }
    setColumnCount(kListColumnCount + 1);
    headerItem()->setText(kInterfaceColumn, tr("Interface"));
    setColumnWidth(kInterfaceColumn, kInterfaceColumnWidth);
}

QString CameraList::interfaceText(int index) const {
    const QTreeWidgetItem* item = topLevelItem(index);
    return item != nullptr && interfaceColumnShown() ? item->text(kInterfaceColumn) : QString();
}

int CameraList::firstSelectedRow() const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected()) {
            return row;
        }
    }
    return -1;
}

void CameraList::selectRow(int index) {
    if (QTreeWidgetItem* item = topLevelItem(index)) {
        item->setSelected(true);
    }
}

RowTexts CameraList::cellTexts(int index) const {
    RowTexts texts;
    if (const QTreeWidgetItem* item = topLevelItem(index)) {
        for (int column = 0; column < kListColumnCount; ++column) {
            texts[static_cast<std::size_t>(column)] = item->text(column);
        }
    }
    return texts;
}

void CameraList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}

}  // namespace tolvane
