// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolvane {

// True when `text` is at most `longest` bytes, every byte lies in lowest..highest (unsigned)
// and no byte of `forbidden` occurs in it. A forbidden set longer than 255 bytes refuses every
// text that passed the other checks.
bool isValidText(std::string_view text, std::uint8_t lowest, std::uint8_t highest,
                 std::size_t longest, std::string_view forbidden = {});

// At most 15 bytes of 0x21..0xFF without " & ' < > or DEL. Multi-byte characters pass byte by
// byte, since all their bytes lie above 0x7F.
bool isValidCameraName(std::string_view text);

// At most 63 printable ASCII characters without blanks or " & ' < >.
bool isValidHostName(std::string_view text);

}  // namespace tolvane
