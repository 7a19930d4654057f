// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QTreeWidget>

#include "camera/camera_table.h"
#include "rules/list_rows.h"
#include "text/ui_language.h"

namespace tolvane {

// The camera list (control 1001): a report view with five columns and one row per camera
// record, full-row selection, several rows selectable. A sixth column, the interface each camera
// was found on, is shown while several interfaces are searched.
class CameraList : public QTreeWidget {
    Q_OBJECT
public:
    explicit CameraList(QWidget* parent = nullptr);

    // Inserts the five columns of the IPv4 view.
    void setupColumns(UiLanguage language);
    // Re-creates columns 2 to 4 for `view`; the rows follow at the next rebuild.
    void switchView(ListView view, UiLanguage language);
    // Inserts row `index` built from the record at that index.
    void refreshRow(const CameraTable& cameras, int index);
    // Adds or removes the interface column after the status; rows follow at the next rebuild.
    void showInterfaceColumn(bool shown);
    bool interfaceColumnShown() const { return columnCount() > kListColumnCount; }

    // The width at which every column of the current view shows in full beside the vertical
    // scroll bar that a full list has.
    int fittingWidth() const;

    ListView view() const { return view_; }
    // Index of the first selected row, -1 when none is.
    int firstSelectedRow() const;
    void selectRow(int index);
    // Cell texts of row `index`.
    RowTexts cellTexts(int index) const;
    // Text of row `index` in the interface column; empty while it is not shown.
    QString interfaceText(int index) const;

signals:
    // A double click anywhere in the list, on a row or not.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setColumn(int column, UiLanguage language);

    ListView view_ = ListView::IPv4;
    std::array<int, kListColumnCount> columnWidths_{};
};

}  // namespace tolvane
