// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/setup_summary.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/camera_listing.h"
#include "text/string_table.h"
#include "text/terminal_text.h"

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

// A cell and the two spaces that separate it from the next column.
QString cell(const QString& text, qsizetype width) {
    return padToWidth(text, width) + QLatin1String("  ");
}

}  // namespace

QString summaryTable(const std::vector<CameraSummary>& cameras) {
    const QString macHeading = uiText(StringId::MacAddress);
    const QString resultHeading = uiText(StringId::CliResultHeading);
    qsizetype macWidth = displayWidth(macHeading);
    qsizetype resultWidth = displayWidth(resultHeading);
    int succeeded = 0;
    for (const CameraSummary& camera : cameras) {
        macWidth = std::max(macWidth, displayWidth(camera.mac));
        resultWidth =
            std::max(resultWidth, displayWidth(uiText(resultStringId(camera.outcome.result))));
        succeeded += exitStatusOf(camera.outcome.result) == 0 ? 1 : 0;
    }
    QString table = cell(macHeading, macWidth) + cell(resultHeading, resultWidth) +
                    uiText(StringId::CliTimeHeading) + QLatin1Char('\n');
    for (const CameraSummary& camera : cameras) {
        table += cell(camera.mac, macWidth) +
                 cell(uiText(resultStringId(camera.outcome.result)), resultWidth) +
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
