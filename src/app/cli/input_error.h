// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "text/string_id.h"

namespace tolvane {

// Bad input for the command-line set-up: where it is (an option, or a line and column of the
// site file, the header being line 1) and what is wrong with it, in the interface language.
struct InputError {
    QString where;
    QString message;

    // "place: message", punctuated as the language wants.
    QString text() const;
    bool operator==(const InputError&) const = default;
};

// "line 3, column 2 (address)"; the column counts from 1. Without a name (a cell beyond the
// header's columns), "line 3, column 9".
QString cellPlace(int line, int column, const QString& columnName);

// The text of `id` with its first argument filled in; ids without arguments ignore it.
QString messageText(StringId id, const QString& first = {}, const QString& second = {});

}  // namespace tolvane
