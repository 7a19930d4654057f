#pragma once

#include <ostream>

#include <QString>

QT_BEGIN_NAMESPACE
// Readable QString values in GoogleTest failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
QT_END_NAMESPACE
