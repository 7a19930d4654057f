// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/camera_listing.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "batch/csv_cell.h"
#include "batch/setup_values.h"
#include "batch/site_cells.h"
#include "camera/camera_codes.h"
#include "flow/flow_timing.h"
#include "rules/list_rows.h"
#include "rules/record_text.h"

namespace tolvane {

namespace {

template <std::size_t N>
QString hexBytes(const std::array<std::uint8_t, N>& bytes) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()), N).toHex());
}

// A text field of the record: its bytes up to the first zero.
template <std::size_t N>
QString fieldText(const std::array<char, N>& text) {
    const auto end = std::find(text.begin(), text.end(), '\0');
    return QString::fromUtf8(text.data(), end - text.begin());
}

QJsonObject rawFieldsOf(const CameraRecord& r) {
    return QJsonObject{
        {QStringLiteral("mac"), hexBytes(r.mac)},
        {QStringLiteral("ipAddress"), qint64(r.ipAddress)},
        {QStringLiteral("subnetMask"), qint64(r.subnetMask)},
        {QStringLiteral("gateway"), qint64(r.gateway)},
        {QStringLiteral("dns1"), qint64(r.dns1)},
        {QStringLiteral("dns2"), qint64(r.dns2)},
        {QStringLiteral("webPort"), r.webPort},
        {QStringLiteral("ipv6Port"), r.ipv6Port},
        {QStringLiteral("ipv6Address"), hexBytes(r.ipv6Address)},
        {QStringLiteral("hostName"), fieldText(r.hostName)},
        {QStringLiteral("extra80"), r.extra80},
        {QStringLiteral("extra81"), fieldText(r.extra81)},
        {QStringLiteral("extra82"), fieldText(r.extra82)},
        {QStringLiteral("extra83"), fieldText(r.extra83)},
        {QStringLiteral("staticIpAddress"), qint64(r.staticIpAddress)},
        {QStringLiteral("staticSubnetMask"), qint64(r.staticSubnetMask)},
        {QStringLiteral("staticGateway"), qint64(r.staticGateway)},
        {QStringLiteral("staticDns1"), qint64(r.staticDns1)},
        {QStringLiteral("staticDns2"), qint64(r.staticDns2)},
        {QStringLiteral("bandwidthLimit"), qint64(r.bandwidthLimit)},
        {QStringLiteral("networkMode"), r.networkMode},
        {QStringLiteral("ipv6Mode"), r.ipv6Mode},
        {QStringLiteral("cameraName"), hexBytes(r.cameraName)},
        {QStringLiteral("extraA8"), hexBytes(r.extraA8)},
        {QStringLiteral("extraA9"), hexBytes(r.extraA9)},
        {QStringLiteral("extraAA"), hexBytes(r.extraAA)},
        {QStringLiteral("statusCode"), r.statusCode},
        {QStringLiteral("extra61"), qint64(r.extra61)},
        {QStringLiteral("extraB0"), r.extraB0},
        {QStringLiteral("extraB3"), hexBytes(r.extraB3)},
        {QStringLiteral("setupFlags"), r.setupFlags},
        {QStringLiteral("ipsecEnabled"), r.ipsecEnabled},
        {QStringLiteral("cameraNameEditable"), r.cameraNameEditable},
    };
}

const QStringList kRowColumns{QStringLiteral("number"), QStringLiteral("status"),
                              QStringLiteral("interface")};

// The raw fields' columns are named as in the JSON, under "record".
QStringList rawColumns() {
    QStringList columns;
    for (const QString& key : rawFieldsOf(CameraRecord{}).keys())
        columns << QStringLiteral("record.") + key;
    return columns;
}

}  // namespace

QJsonObject recordJson(const CameraRecord& record) {
    return rawFieldsOf(record);
}

QStringList listingOnlyColumns() {
    return kRowColumns + rawColumns();
}

CameraListing::CameraListing(CameraTable& cameras, DiscoverySession& session, int seconds)
    : cameras_(cameras), session_(session), tickLimit_(seconds * kTicksPerSecond) {
    session_.setSearchObserver([this] {
        severalInterfaces_ = severalInterfaces_ || session_.separateInterfaces().size() >= 2;
    });
}

CameraListing::~CameraListing() {
    session_.setSearchObserver({});
}

void CameraListing::tick() {
    ++ticksElapsed_;
    session_.tick(tickCount_);
}

QString CameraListing::textOutput() const {
    QString output;
    for (int index = 0; index < cameras_.cameraCount; ++index) {
        const CameraRecord& record = cameras_.cameraTable[index];
        const RowTexts cells = rowTexts(record, index, ListView::IPv4);
        QStringList fields(cells.begin(), cells.end());
        if (severalInterfaces_)
            fields << QString::fromStdString(record.networkInterface.name);
        output += fields.join(QLatin1Char('\t'));
        output += QLatin1Char('\n');
    }
    return output;
}

QByteArray CameraListing::jsonOutput(const QString& diagnosis) const {
    QJsonArray cameras;
    for (int index = 0; index < cameras_.cameraCount; ++index) {
        const CameraRecord& record = cameras_.cameraTable[index];
        const RowTexts cells = rowTexts(record, index, ListView::IPv4);
        cameras.append(QJsonObject{
            {QStringLiteral("number"), cells[0]},
            {QStringLiteral("macAddress"), cells[1]},
            {QStringLiteral("ipv4Address"), cells[2]},
            {QStringLiteral("port"), cells[3]},
            {QStringLiteral("status"), cells[4]},
            {QStringLiteral("interface"), QString::fromStdString(record.networkInterface.name)},
            {QStringLiteral("record"), rawFieldsOf(record)},
        });
    }
    QJsonObject listing{
        {QStringLiteral("cameras"), cameras},
        {QStringLiteral("dropped"), cameras_.droppedCount()},
    };
    if (!diagnosis.isEmpty()) {
        listing.insert(QStringLiteral("diagnosis"), diagnosis);
    }
    return QJsonDocument(listing).toJson(QJsonDocument::Indented);
}

QString CameraListing::csvOutput() const {
    const QStringList keys = rawFieldsOf(CameraRecord{}).keys();
    QStringList header = siteFileColumns();
    header << listingOnlyColumns();
    QString output = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (int index = 0; index < cameras_.cameraCount; ++index) {
        const CameraRecord& record = cameras_.cameraTable[index];
        const RowTexts row = rowTexts(record, index, ListView::IPv4);
        QStringList cells = siteCells(record);
        cells << row[0].trimmed() << row[4] << QString::fromStdString(record.networkInterface.name);
        const QJsonObject raw = rawFieldsOf(record);
        for (const QString& key : keys)
            cells << raw.value(key).toVariant().toString();
        output += csvLine(cells);
    }
    return output;
}

}  // namespace tolvane
