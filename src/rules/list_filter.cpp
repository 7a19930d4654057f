// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/list_filter.h"

#include <algorithm>

namespace tolvane {

namespace {

QString withoutBlanks(QString text) {
    text.remove(QLatin1Char(' '));
    return text;
}

QString withoutMacSeparators(QString text) {
    text.remove(QLatin1Char(':'));
    text.remove(QLatin1Char('-'));
    return text;
}

bool isHexDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
    });
}

}  // namespace

bool rowMatchesFilter(const RowTexts& texts, const QString& interfaceText, const QString& typed) {
    const QString needle = typed.trimmed();
    if (needle.isEmpty())
        return true;
    const QString& mac = texts[1];
    for (const QString& field :
         {mac, texts[2], withoutBlanks(texts[2]), texts[3], texts[4], interfaceText}) {
        if (field.contains(needle, Qt::CaseInsensitive))
            return true;
    }
    const QString macDigits = withoutMacSeparators(needle);
    return isHexDigits(macDigits) &&
           withoutMacSeparators(mac).contains(macDigits, Qt::CaseInsensitive);
}

}  // namespace tolvane
