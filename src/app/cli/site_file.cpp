// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/site_file.h"

#include <map>

#include "app/cli/camera_listing.h"
#include "batch/setup_values.h"

namespace tolvane {

namespace {

const QString kMac = QStringLiteral("mac");
const QString kMode = QStringLiteral("mode");
const QString kAddress = QStringLiteral("address");
const QString kGateway = QStringLiteral("gateway");
const QString kDns1 = QStringLiteral("dns1");
const QString kDns2 = QStringLiteral("dns2");
const QString kPort = QStringLiteral("port");
const QString kName = QStringLiteral("name");

// The cells of one line, or the 1-based column whose quote is not closed.
std::variant<QStringList, int> splitCells(const QString& line) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                cell += c;
            } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char(',')) {
            cells << (wasQuoted ? cell : cell.trimmed());
            cell.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && cell.trimmed().isEmpty()) {
            cell.clear();
            quoted = wasQuoted = true;
        } else {
            cell += c;
        }
    }
    if (quoted)
        return static_cast<int>(cells.size()) + 1;
    cells << (wasQuoted ? cell : cell.trimmed());
    return cells;
}

class LineReader {
public:
    LineReader(const SiteFile& file, int line, const QStringList& cells)
        : file_(file), line_(line), cells_(cells) {}

    QString cell(const QString& column) const {
        const int index = file_.columnOf(column);
        return index == 0 ? QString() : cells_[index - 1];
    }
    InputError error(const QString& column, StringId id, const QString& value,
                     const QString& extra = {}) const {
        return {cellPlace(line_, file_.columnOf(column), column), messageText(id, value, extra)};
    }

    std::variant<CameraJob, InputError> job() const {
        CameraJob job;
        job.line = line_;
        const std::optional<MacAddress> mac = parseMacText(cell(kMac));
        if (!mac)
            return error(kMac, StringId::CliBadMac, cell(kMac));
        job.mac = *mac;
        SetupChanges& changes = job.changes;

        const QString mode = cell(kMode);
        if (mode.compare(QLatin1String("static"), Qt::CaseInsensitive) == 0)
            changes.addressing = Addressing::Static;
        else if (mode.compare(QLatin1String("dhcp"), Qt::CaseInsensitive) == 0)
            changes.addressing = Addressing::Dhcp;
        else if (!mode.isEmpty())
            return error(kMode, StringId::CliBadMode, mode);

        if (const QString text = cell(kAddress); !text.isEmpty()) {
            const std::optional<AddressPrefix> prefix = parseAddressPrefix(text);
            if (!prefix)
                return error(kAddress, StringId::CliBadAddressPrefix, text);
            if (changes.addressing == Addressing::Dhcp)
                return error(kAddress, StringId::CliOptionsConflict, kAddress,
                             QStringLiteral("mode dhcp"));
            changes.addressing = Addressing::Static;
            changes.address = prefix->address;
            changes.mask = prefix->mask;
        }
        const std::pair<const QString*, std::optional<std::uint32_t>*> addresses[] = {
            {&kGateway, &changes.gateway}, {&kDns1, &changes.dns1}, {&kDns2, &changes.dns2}};
        for (const auto& [column, target] : addresses) {
            const QString text = cell(*column);
            if (text.isEmpty())
                continue;
            *target = parseIpv4(text);
            if (!*target)
                return error(*column, StringId::CliBadAddress, text);
        }
        if (const QString text = cell(kPort); !text.isEmpty()) {
            changes.port = parsePort(text);
            if (!changes.port)
                return error(kPort, StringId::CliBadPort, text);
        }
        if (const QString text = cell(kName); !text.isEmpty())
            changes.name = text;
        return job;
    }

private:
    const SiteFile& file_;
    int line_;
    const QStringList& cells_;
};

std::optional<InputError> readHeader(const QString& line, SiteFile& file) {
    if (line.trimmed().isEmpty())
        return InputError{cellPlace(1, 1, kMac), messageText(StringId::CliMissingColumn, kMac)};
    const std::variant<QStringList, int> cells = splitCells(line);
    if (const int* column = std::get_if<int>(&cells))
        return InputError{cellPlace(1, *column, QString()),
                          messageText(StringId::CliUnclosedQuote)};
    const QStringList known = siteFileColumns();
    const QStringList ignored = listingOnlyColumns();
    file.columns = std::get<QStringList>(cells);
    for (int i = 0; i < file.columns.size(); ++i) {
        const QString& name = file.columns[i];
        if (!known.contains(name) && !ignored.contains(name))
            return InputError{
                cellPlace(1, i + 1, name),
                messageText(StringId::CliUnknownColumn, name, known.join(QLatin1String(", ")))};
        if (file.columns.indexOf(name) != i)
            return InputError{cellPlace(1, i + 1, name),
                              messageText(StringId::CliRepeatedColumn, name)};
    }
    if (file.columnOf(kMac) == 0)
        return InputError{cellPlace(1, 1, kMac), messageText(StringId::CliMissingColumn, kMac)};
    return std::nullopt;
}

bool blank(const QString& line) {
    return line.trimmed().isEmpty() || QString(line).remove(QLatin1Char(',')).trimmed().isEmpty();
}

// A line whose MAC or static address an earlier usable line has is refused; the earlier
// line stays.
void refuseDuplicates(SiteFile& file) {
    std::map<MacAddress, int> macs;
    std::map<std::uint32_t, int> addresses;
    for (SiteLine& line : file.lines) {
        CameraJob* job = std::get_if<CameraJob>(&line.job);
        if (!job)
            continue;
        const int macColumn = file.columnOf(kMac);
        if (const auto found = macs.find(job->mac); found != macs.end()) {
            line.job = InputError{cellPlace(line.line, macColumn, kMac),
                                  messageText(StringId::CliDuplicateMac, macText(job->mac),
                                              QString::number(found->second))};
            continue;
        }
        macs.emplace(job->mac, line.line);
        if (!job->changes.address)
            continue;
        if (const auto found = addresses.find(*job->changes.address); found != addresses.end()) {
            line.job = InputError{
                cellPlace(line.line, file.columnOf(kAddress), kAddress),
                messageText(StringId::CliDuplicateAddress, ipv4Text(*job->changes.address),
                            QString::number(found->second))};
            continue;
        }
        addresses.emplace(*job->changes.address, line.line);
    }
}

}  // namespace

int SiteFile::columnOf(const QString& name) const {
    return static_cast<int>(columns.indexOf(name)) + 1;
}

std::variant<SiteFile, InputError> parseSiteFile(const QString& text) {
    QString content = text;
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    QStringList rows = content.split(QLatin1Char('\n'));
    for (QString& row : rows) {
        if (row.endsWith(QLatin1Char('\r')))
            row.chop(1);
    }
    SiteFile file;
    if (std::optional<InputError> error = readHeader(rows.value(0), file))
        return *error;
    for (int index = 1; index < rows.size(); ++index) {
        const int lineNumber = index + 1;
        const QString& row = rows[index];
        if (blank(row))
            continue;
        SiteLine line;
        line.line = lineNumber;
        const std::variant<QStringList, int> cells = splitCells(row);
        if (const int* column = std::get_if<int>(&cells)) {
            line.job = InputError{cellPlace(lineNumber, *column, file.columns.value(*column - 1)),
                                  messageText(StringId::CliUnclosedQuote)};
        } else {
            const QStringList& values = std::get<QStringList>(cells);
            line.macCell = values.value(file.columnOf(kMac) - 1);
            if (values.size() != file.columns.size()) {
                const int column =
                    static_cast<int>(std::min(values.size(), file.columns.size())) + 1;
                line.job =
                    InputError{cellPlace(lineNumber, column, file.columns.value(column - 1)),
                               messageText(StringId::CliCellCount, QString::number(values.size()),
                                           QString::number(file.columns.size()))};
            } else {
                line.job = LineReader(file, lineNumber, values).job();
            }
        }
        file.lines.push_back(std::move(line));
    }
    if (file.lines.empty())
        return InputError{cellPlace(2, 1, kMac), messageText(StringId::CliNoCameraLines)};
    refuseDuplicates(file);
    return file;
}

}  // namespace tolvane
