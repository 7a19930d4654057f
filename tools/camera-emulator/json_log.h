// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include <QFile>
#include <QHostAddress>
#include <QJsonObject>
#include <QString>

namespace tolvane::emulator {

// The emulator's log: one JSON object per line, each with "event", "time" (ISO 8601, UTC,
// milliseconds) and "monotonicMs"; every line is flushed when written.
class JsonLog {
public:
    // Appends to `path`, or writes to standard error when it is empty.
    bool open(const QString& path, QString& error);
    void write(const QString& event, QJsonObject fields = {});
    // A received datagram: source, command, sequence, length and the bytes in hexadecimal.
    void datagram(const QHostAddress& source, quint16 port, std::span<const std::uint8_t> bytes);

private:
    QFile file_;
};

}  // namespace tolvane::emulator
