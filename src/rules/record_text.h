// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <QByteArray>
#include <QString>

namespace tolvane {

// Texts of a camera record are bytes, zero-terminated inside their fixed field (no terminator
// when they fill it). The tool shows and writes them as UTF-8, which carries every character a
// user can type; a name it cannot decode is kept byte for byte as long as the user leaves it
// alone.

template <typename Byte, std::size_t N>
std::string_view recordBytes(const std::array<Byte, N>& field) {
    const auto* data = reinterpret_cast<const char*>(field.data());
    std::size_t length = 0;
    while (length < N && data[length] != '\0')
        ++length;
    return {data, length};
}

template <typename Byte, std::size_t N>
QString recordText(const std::array<Byte, N>& field) {
    const std::string_view bytes = recordBytes(field);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The bytes to store for `text` in a field that holds `current` now: the current bytes when
// the text is what they show, else the text in UTF-8.
template <typename Byte, std::size_t N>
QByteArray textBytes(const QString& text, const std::array<Byte, N>& current) {
    if (text == recordText(current)) {
        const std::string_view bytes = recordBytes(current);
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return text.toUtf8();
}

// Writes `bytes` (shorter than the field) with its terminator and clears the rest of the field,
// so no byte of an earlier, longer text is sent along.
template <typename Byte, std::size_t N>
void storeRecordText(std::array<Byte, N>& field, std::string_view bytes) {
    field.fill(0);
    for (std::size_t i = 0; i < bytes.size() && i + 1 < N; ++i)
        field[i] = static_cast<Byte>(bytes[i]);
}

}  // namespace tolvane
