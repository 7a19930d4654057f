// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

namespace tolvane::emulator {

// What an emulated camera reports as its status after it comes back from a restart: a list of
// statuses, each held for a time, the last one for good. "0xC100:30,0x8200" reports 0xC100
// for 30 s and then 0x8200.
class StatusScript {
public:
    struct Step {
        std::uint16_t status = 0;
        std::int64_t durationMs = 0;  // unused for the last step
    };

    // A script that always reports `status`.
    static StatusScript constant(std::uint16_t status);
    // Parses "STATUS[:SECONDS],...,STATUS"; statuses are decimal or 0x-prefixed hexadecimal.
    // On failure returns nothing and says why in `error`.
    static std::optional<StatusScript> parse(const QString& text, QString& error);

    std::uint16_t statusAt(std::int64_t msSinceStart) const;
    const std::vector<Step>& steps() const { return steps_; }

private:
    explicit StatusScript(std::vector<Step> steps) : steps_(std::move(steps)) {}

    std::vector<Step> steps_;
};

// Parses a 16-bit status value: decimal or 0x-prefixed hexadecimal.
std::optional<std::uint16_t> parseStatus(const QString& text);

}  // namespace tolvane::emulator
