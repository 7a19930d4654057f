// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/parse_hex_mac.h"

namespace tolvane {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

int parseHexMac(std::uint8_t* destination, const char* text, int length) {
    if (length % 2 != 0)
        return -1;
    for (int i = 0; i < length; ++i) {
        const int value = hexValue(text[i]);
        if (value < 0)
            return -1;
        std::uint8_t& byte = destination[i / 2];
        byte = i % 2 == 0 ? static_cast<std::uint8_t>(value)
                          : static_cast<std::uint8_t>(byte * 16 + value);
    }
    return length / 2;
}

}  // namespace tolvane
