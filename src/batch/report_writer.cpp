// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/report_writer.h"

#include <cerrno>

#include <unistd.h>

#include "batch/csv_cell.h"
#include "batch/setup_values.h"

namespace tolvane {

namespace {

QString addressCell(const std::optional<std::uint32_t>& address) {
    return address ? ipv4Text(*address) : QString();
}

}  // namespace

QStringList reportColumns() {
    return {QStringLiteral("line"),          QStringLiteral("mac"),
            QStringLiteral("result"),        QStringLiteral("address_before"),
            QStringLiteral("address_after"), QStringLiteral("seconds"),
            QStringLiteral("message")};
}

QString reportLine(const ReportRow& row) {
    return csvLine({row.line > 0 ? QString::number(row.line) : QString(), row.mac,
                    resultKey(row.result), addressCell(row.addressBefore),
                    addressCell(row.addressAfter), QString::number(row.seconds, 'f', 1),
                    row.message});
}

std::variant<std::unique_ptr<ReportWriter>, QString> ReportWriter::open(const QString& path) {
    std::unique_ptr<ReportWriter> writer(new ReportWriter(path));
    if (!writer->file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
        !writer->writeThrough(csvLine(reportColumns())))
        return writer->errorString();
    return writer;
}

bool ReportWriter::write(const ReportRow& row) {
    return writeThrough(reportLine(row));
}

bool ReportWriter::writeThrough(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (file_.write(bytes) != bytes.size() || !file_.flush())
        return false;
    // A pipe or a terminal has nothing to sync.
    return ::fsync(file_.handle()) == 0 || errno == EINVAL || errno == EROFS;
}

}  // namespace tolvane
