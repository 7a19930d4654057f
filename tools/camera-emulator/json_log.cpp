// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_log.h"

#include <cstdio>

#include <QDateTime>
#include <QJsonDocument>

#include "monotonic_clock.h"

namespace tolvane::emulator {

namespace {

constexpr std::size_t kCommandEnd = 6;
constexpr std::size_t kSequenceEnd = 24;

int word(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return (bytes[offset] << 8) | bytes[offset + 1];
}

}  // namespace

bool JsonLog::open(const QString& path, QString& error) {
    bool opened = false;
    if (path.isEmpty()) {
        opened = file_.open(stderr, QIODevice::WriteOnly);
    } else {
        file_.setFileName(path);
        opened = file_.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    if (!opened)
        error = QStringLiteral("cannot open log '%1': %2").arg(path, file_.errorString());
    return opened;
}

void JsonLog::write(const QString& event, QJsonObject fields) {
    fields.insert(QStringLiteral("event"), event);
    fields.insert(QStringLiteral("time"),
                  QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    fields.insert(QStringLiteral("monotonicMs"), static_cast<qint64>(monotonicMs()));
    QByteArray line = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    line.append('\n');
    file_.write(line);
    file_.flush();
}

void JsonLog::datagram(const QHostAddress& source, quint16 port,
                       std::span<const std::uint8_t> bytes) {
    QJsonObject fields;
    fields.insert(QStringLiteral("source"), source.toString());
    fields.insert(QStringLiteral("sourcePort"), port);
    fields.insert(QStringLiteral("length"), static_cast<qint64>(bytes.size()));
    if (bytes.size() >= kCommandEnd)
        fields.insert(QStringLiteral("command"), word(bytes, 4));
    if (bytes.size() >= kSequenceEnd)
        fields.insert(QStringLiteral("sequence"), word(bytes, 22));
    fields.insert(QStringLiteral("hex"),
                  QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<qsizetype>(bytes.size()))
                                          .toHex()));
    write(QStringLiteral("datagram"), fields);
}

}  // namespace tolvane::emulator
