// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

namespace tolvane {

// The page --help prints: the usage line, the paragraphs, then under the heading one entry per
// option, its names and value name on the left and its description wrapped beside them. Laid
// out by display width for an 80-column terminal, so that Japanese and Chinese lines fit too.
QString helpText(const QString& usage, const QStringList& paragraphs, const QString& heading,
                 const QList<QCommandLineOption>& options);

}  // namespace tolvane
