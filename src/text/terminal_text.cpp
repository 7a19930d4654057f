// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/terminal_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tolvane {

namespace {

bool isWide(char16_t u) {
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
           (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
           (u >= 0xFFE0 && u <= 0xFFE6);
}

// Characters a line must not start with: closing brackets and quotes, stops, small kana and
// the length mark belong to what precedes them.
bool mustNotStartLine(char16_t u) {
    static constexpr std::u16string_view kClosing =
        u"、。，．・：；？！）」』】〕》〉”’ーぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々～…"
        u"),.:;!?]}%";
    return kClosing.find(u) != std::u16string_view::npos;
}

// Characters a line must not end with: opening brackets and quotes belong to what follows.
bool mustNotEndLine(char16_t u) {
    static constexpr std::u16string_view kOpening = u"（「『【〔《〈“‘([{";
    return kOpening.find(u) != std::u16string_view::npos;
}

struct Piece {
    QString text;
    bool afterSpace = false;  // joined to the previous piece by a space on the same line
};

// The pieces of one paragraph: the runs between which a line may break.
std::vector<Piece> piecesOf(QStringView paragraph) {
    std::vector<Piece> pieces;
    Piece current;
    bool spaceBefore = false;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        const char16_t c = paragraph[i].unicode();
        if (c == u' ') {
            if (!current.text.isEmpty()) {
                pieces.push_back(current);
                current = {};
            }
            spaceBefore = true;
            continue;
        }
        if (!current.text.isEmpty()) {
            const char16_t previous = current.text.back().unicode();
            // A Latin word or number and the wide word it runs into are one: "MACアドレス", "1行".
            const bool latinThenWide =
                isWide(c) && QChar(previous).isLetterOrNumber() && !isWide(previous);
            const bool breakable = (isWide(previous) || isWide(c)) && !latinThenWide &&
                                   previous != u'\u00a0' && c != u'\u00a0' &&
                                   !mustNotStartLine(c) && !mustNotEndLine(previous);
            if (breakable) {
                pieces.push_back(current);
                current = {};
            }
        }
        if (current.text.isEmpty()) {
            current.afterSpace = spaceBefore && !pieces.empty();
            spaceBefore = false;
        }
        current.text += QChar(c);
    }
    if (!current.text.isEmpty())
        pieces.push_back(current);
    return pieces;
}

}  // namespace

qsizetype displayWidth(QStringView text) {
    qsizetype width = 0;
    for (const QChar c : text)
        width += isWide(c.unicode()) ? 2 : 1;
    return width;
}

QString padToWidth(const QString& text, qsizetype width) {
    return text + QString(std::max<qsizetype>(width - displayWidth(text), 0), QLatin1Char(' '));
}

QStringList wrapToWidth(const QString& text, qsizetype width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const Piece& piece : piecesOf(paragraph)) {
            const QString joined =
                line.isEmpty()
                    ? piece.text
                    : line + (piece.afterSpace ? QStringLiteral(" ") : QString()) + piece.text;
            if (line.isEmpty() || displayWidth(joined) <= width) {
                line = joined;
            } else {
                lines << line;
                line = piece.text;
            }
        }
        lines << line;
    }
    return lines;
}

}  // namespace tolvane
