// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tolvane {

// Converts `length` hexadecimal characters into length / 2 bytes at `destination` and returns that
// count; -1 for an odd length (nothing written) or at the first character that is not
// hexadecimal (the bytes converted before it stay written).
int parseHexMac(std::uint8_t* destination, const char* text, int length);

}  // namespace tolvane
