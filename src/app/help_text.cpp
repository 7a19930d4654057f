// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_text.h"

#include <algorithm>

#include "text/terminal_text.h"

namespace tolvane {

namespace {

constexpr qsizetype kLineWidth = 79;
constexpr qsizetype kIndent = 2;
constexpr qsizetype kGap = 2;
// Longer names and values get a line of their own, so that descriptions keep their room.
constexpr qsizetype kMaximumNamesWidth = 30;

// "-h, --help" or "--port <n>".
QString namesOf(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name;
    QString text = names.join(QLatin1String(", "));
    if (!option.valueName().isEmpty())
        text += QLatin1String(" <") + option.valueName() + QLatin1Char('>');
    return text;
}

}  // namespace

QString helpText(const QString& usage, const QStringList& paragraphs, const QString& heading,
                 const QList<QCommandLineOption>& options) {
    QString page = usage + QLatin1Char('\n');
    for (const QString& paragraph : paragraphs)
        page += wrapToWidth(paragraph, kLineWidth).join(QLatin1Char('\n')) + QLatin1String("\n\n");
    page += heading + QLatin1Char('\n');

    qsizetype namesWidth = 0;
    for (const QCommandLineOption& option : options)
        namesWidth = std::max(namesWidth, displayWidth(namesOf(option)));
    namesWidth = std::min(namesWidth, kMaximumNamesWidth);
    const qsizetype column = kIndent + namesWidth + kGap;
    const QString indent(column, QLatin1Char(' '));
    for (const QCommandLineOption& option : options) {
        const QString names = QString(kIndent, QLatin1Char(' ')) + namesOf(option);
        const QStringList lines = wrapToWidth(option.description(), kLineWidth - column);
        page += displayWidth(names) + kGap <= column ? padToWidth(names, column)
                                                     : names + QLatin1Char('\n') + indent;
        page += lines.join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
    }
    return page;
}

}  // namespace tolvane
