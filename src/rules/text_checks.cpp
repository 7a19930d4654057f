// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text_checks.h"

namespace tolvane {

bool isValidText(std::string_view text, std::uint8_t lowest, std::uint8_t highest,
                 std::size_t longest, std::string_view forbidden) {
    if (text.size() > longest)
        return false;
    for (char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < lowest || byte > highest)
            return false;
    }
    if (forbidden.size() > 255)
        return false;
    return text.find_first_of(forbidden) == std::string_view::npos;
}

bool isValidCameraName(std::string_view text) {
    constexpr std::size_t kLongest = 15;
    if (text.size() > kLongest)
        return false;
    return isValidText(text, 0x21, 0xFF, kLongest, std::string_view("\x22\x26\x27\x3C\x3E\x7F", 6));
}

bool isValidHostName(std::string_view text) {
    return isValidText(text, 0x21, 0x7E, 63, std::string_view("\x22\x26\x27\x3C\x3E", 5));
}

}  // namespace tolvane
