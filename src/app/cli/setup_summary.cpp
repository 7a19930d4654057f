// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/setup_summary.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/camera_listing.h"
#include "text/string_table.h"

namespace tolvane {

namespace {

QJsonObject cameraObject(const CameraSummary& camera) {
    const RunOutcome& outcome = camera.outcome;
    QJsonObject object{
        {QStringLiteral("mac"), camera.mac},
        {QStringLiteral("result"), resultKey(outcome.result)},
        {QStringLiteral("exitStatus"), exitStatusOf(outcome.result)},
        {QStringLiteral("message"), outcome.message},
        {QStringLiteral("seconds"), qRound(camera.seconds * 10) / 10.0},
        {QStringLiteral("record"),
         outcome.record ? QJsonValue(recordJson(*outcome.record)) : QJsonValue()},
    };
    if (camera.line > 0)
        object.insert(QStringLiteral("line"), camera.line);
    return object;
}

// Columns a terminal gives `text`: East Asian wide characters (kana, Han, Hangul, full-width
// forms) take two.
qsizetype displayWidth(const QString& text) {
    qsizetype width = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString padded(const QString& text, qsizetype width) {
    return text + QString(std::max<qsizetype>(width - displayWidth(text), 0) + 2, QLatin1Char(' '));
}

}  // namespace

QString summaryTable(const std::vector<CameraSummary>& cameras) {
    const QString macHeading = uiText(StringId::MacAddress);
    const QString resultHeading = uiText(StringId::CliResultHeading);
    qsizetype macWidth = displayWidth(macHeading);
    qsizetype resultWidth = displayWidth(resultHeading);
    int succeeded = 0;
    for (const CameraSummary& camera : cameras) {
        macWidth = std::max(macWidth, camera.mac.size());
        resultWidth = std::max(resultWidth, uiText(resultStringId(camera.outcome.result)).size());
        succeeded += exitStatusOf(camera.outcome.result) == 0 ? 1 : 0;
    }
    QString table = padded(macHeading, macWidth) + padded(resultHeading, resultWidth) +
                    uiText(StringId::CliTimeHeading) + QLatin1Char('\n');
    for (const CameraSummary& camera : cameras) {
        table += padded(camera.mac, macWidth) +
                 padded(uiText(resultStringId(camera.outcome.result)), resultWidth) +
                 QStringLiteral("%1 s\n").arg(camera.seconds, 0, 'f', 1);
    }
    table +=
        uiText(StringId::CliSucceededCount).arg(succeeded).arg(static_cast<int>(cameras.size())) +
        QLatin1Char('\n');
    return table;
}

QByteArray cameraJson(const CameraSummary& camera) {
    return QJsonDocument(cameraObject(camera)).toJson(QJsonDocument::Indented);
}

QByteArray applyJson(const std::vector<CameraSummary>& cameras) {
    QJsonArray array;
    for (const CameraSummary& camera : cameras)
        array.append(cameraObject(camera));
    return QJsonDocument(QJsonObject{{QStringLiteral("cameras"), array}})
        .toJson(QJsonDocument::Indented);
}

}  // namespace tolvane
