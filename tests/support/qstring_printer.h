// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include <QString>

// Readable QString values in GoogleTest failure messages. It sits in Qt's namespace so that
// argument-dependent lookup finds it wherever QString lives.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
