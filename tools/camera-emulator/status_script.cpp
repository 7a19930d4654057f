// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_script.h"

#include <cmath>

#include <QStringList>

namespace tolvane::emulator {

namespace {

// Longest time one step may last: a day is plenty for any test or demo.
constexpr double kMaxStepSeconds = 86400.0;

}  // namespace

std::optional<std::uint16_t> parseStatus(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    uint value = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = trimmed.mid(2).toUInt(&ok, 16);
    else
        value = trimmed.toUInt(&ok, 10);
    if (!ok || value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

StatusScript StatusScript::constant(std::uint16_t status) {
    return StatusScript({Step{status, 0}});
}

std::optional<StatusScript> StatusScript::parse(const QString& text, QString& error) {
    const QStringList parts = text.split(QLatin1Char(','));
    std::vector<Step> steps;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        const QStringList fields = parts[i].split(QLatin1Char(':'));
        if (fields.size() > 2) {
            error = QStringLiteral("'%1' has more than one ':'").arg(parts[i]);
            return std::nullopt;
        }
        const std::optional<std::uint16_t> status = parseStatus(fields[0]);
        if (!status) {
            error = QStringLiteral("'%1' is not a 16-bit status").arg(fields[0]);
            return std::nullopt;
        }
        Step step{*status, 0};
        if (last && fields.size() == 2) {
            error = QStringLiteral("the last status '%1' is held for good and takes no time")
                        .arg(parts[i]);
            return std::nullopt;
        }
        if (!last) {
            if (fields.size() != 2) {
                error =
                    QStringLiteral("'%1' needs a time in seconds (STATUS:SECONDS)").arg(parts[i]);
                return std::nullopt;
            }
            bool ok = false;
            const double seconds = fields[1].trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > kMaxStepSeconds) {
                error = QStringLiteral("'%1' is not a time from 0 to %2 seconds")
                            .arg(fields[1])
                            .arg(kMaxStepSeconds);
                return std::nullopt;
            }
            step.durationMs = std::llround(seconds * 1000.0);
        }
        steps.push_back(step);
    }
    return StatusScript(std::move(steps));
}

std::uint16_t StatusScript::statusAt(std::int64_t msSinceStart) const {
    std::int64_t stepEnd = 0;
    for (std::size_t i = 0; i + 1 < steps_.size(); ++i) {
        stepEnd += steps_[i].durationMs;
        if (msSinceStart < stepEnd)
            return steps_[i].status;
    }
    return steps_.back().status;
}

}  // namespace tolvane::emulator
