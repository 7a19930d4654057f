// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tolvane {

// Columns a terminal gives `text`: East Asian wide characters (kana, Han, Hangul, CJK
// punctuation, full-width forms) take two, everything else one.
qsizetype displayWidth(QStringView text);

// `text` padded with spaces to `width` columns (unchanged when it is wider already).
QString padToWidth(const QString& text, qsizetype width);

// `text` in lines of at most `width` columns. A line breaks at a space, which is dropped, or
// beside a wide character, since Japanese and Chinese put no spaces between words; never
// before closing punctuation (、。）」 and the like), after opening punctuation, between a
// Latin word or number and the wide word it runs into, or at a no-break space. A word wider than `width` keeps a line of its own. "\n" starts a new line.
QStringList wrapToWidth(const QString& text, qsizetype width);

}  // namespace tolvane
