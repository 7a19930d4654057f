// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <variant>

#include <QFile>
#include <QString>
#include <QStringList>

#include "batch/run_outcome.h"

namespace tolvane {

// One camera of a batch as it finished.
struct ReportRow {
    int line = 0;  // of the site file; 0 for the command line
    QString mac;
    RunResult result = RunResult::Skipped;
    // The address the camera reported when it was found, and the one it reports at the end;
    // unset when it never answered.
    std::optional<std::uint32_t> addressBefore;
    std::optional<std::uint32_t> addressAfter;
    double seconds = 0;
    QString message;
};

// The report's header: line, mac, result, address_before, address_after, seconds, message.
QStringList reportColumns();
// One row: the result as JSON writes it ("verified", "unchanged", ...), seconds to a tenth.
QString reportLine(const ReportRow& row);

// The report of --report FILE.csv: the header, then a row per camera as it finishes, each
// written through to the file before the call returns, so that a crash, a Ctrl-C or a power cut
// loses no row already written.
class ReportWriter {
public:
    // Creates or empties the file and writes the header; the error text when it cannot.
    static std::variant<std::unique_ptr<ReportWriter>, QString> open(const QString& path);

    // False when the row could not be written (the disk is full, the file went away).
    bool write(const ReportRow& row);
    QString errorString() const { return file_.errorString(); }

private:
    explicit ReportWriter(const QString& path) : file_(path) {}
    bool writeThrough(const QString& text);

    QFile file_;
};

}  // namespace tolvane
