// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace tolvane::e2e {

// The JSON objects of a JSON-lines file, one per complete line; a last line still being
// written is left out.
QList<QJsonObject> readJsonLines(const QString& path);

// The objects whose "event" is `event`.
QList<QJsonObject> withEvent(const QList<QJsonObject>& lines, const QString& event);

}  // namespace tolvane::e2e
