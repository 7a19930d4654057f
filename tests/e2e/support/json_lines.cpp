// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_lines.h"

#include <QFile>
#include <QJsonDocument>

namespace tolvane::e2e {

QList<QJsonObject> readJsonLines(const QString& path) {
    QList<QJsonObject> objects;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return objects;
    const QByteArray content = file.readAll();
    const qsizetype end = content.lastIndexOf('\n');
    if (end < 0)
        return objects;
    for (const QByteArray& line : content.left(end).split('\n')) {
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (document.isObject())
            objects.append(document.object());
    }
    return objects;
}

QList<QJsonObject> withEvent(const QList<QJsonObject>& lines, const QString& event) {
    QList<QJsonObject> matching;
    for (const QJsonObject& line : lines) {
        if (line.value(QStringLiteral("event")).toString() == event)
            matching.append(line);
    }
    return matching;
}

}  // namespace tolvane::e2e
