#include "app/cli/setup_summary.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/camera_listing.h"
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

QString padded(const QString& text, qsizetype width) {
    return text + QString(std::max<qsizetype>(width - text.size(), 0) + 2, QLatin1Char(' '));
}

}  // namespace

QString summaryTable(const std::vector<CameraSummary>& cameras) {
    const QString macHeading = uiText(StringId::MacAddress);
    const QString resultHeading = uiText(StringId::CliResultHeading);
    qsizetype macWidth = macHeading.size();
    qsizetype resultWidth = resultHeading.size();
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
