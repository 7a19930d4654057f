// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "camera/camera_record.h"
#include "request_fixtures.h"

namespace tolvane::test {

using Bytes = std::vector<std::uint8_t>;

// A reply datagram assembled byte by byte in the test, apart from the code under test, so a
// case can bend any part of it: wrong length field, missing end marker, bad items.
struct CraftedReply {
    std::uint16_t command = 14;
    MacAddress cameraMac{0x00, 0x80, 0x45, 0x00, 0x00, 0x01};
    MacAddress pcMac = kHostMac;
    std::array<std::uint8_t, 4> pcAddress = kHostIpBytes;
    std::array<std::uint8_t, 10> signature{0x1A, 0x13, 0x21, 0x16, 0x1C,
                                           0x12, 0x20, 0x15, 0x1D, 0x00};
    Bytes items;
    // The length field; the size of `items` when unset.
    std::optional<std::uint16_t> lengthField;
    std::array<std::uint8_t, 2> endMarker{0xFF, 0xFF};
    // Bytes added after the checksum.
    std::size_t padding = 0;

    CraftedReply& item(std::uint16_t tag, const Bytes& value) {
        return itemWithLength(tag, static_cast<std::uint16_t>(value.size()), value);
    }
    // An item whose length field says `length` whatever the number of value bytes given.
    CraftedReply& itemWithLength(std::uint16_t tag, std::uint16_t length, const Bytes& value) {
        appendWord(items, tag);
        appendWord(items, length);
        items.insert(items.end(), value.begin(), value.end());
        return *this;
    }

    // Header, items, end marker and a checksum over every byte before it.
    Bytes bytes() const {
        Bytes out{0x00, 0x01};
        appendWord(out, lengthField.value_or(static_cast<std::uint16_t>(items.size())));
        appendWord(out, command);
        out.insert(out.end(), cameraMac.begin(), cameraMac.end());
        out.insert(out.end(), pcMac.begin(), pcMac.end());
        out.insert(out.end(), pcAddress.begin(), pcAddress.end());
        appendWord(out, 0);
        out.insert(out.end(), signature.begin(), signature.end());
        out.resize(48, 0);
        out.insert(out.end(), items.begin(), items.end());
        out.insert(out.end(), endMarker.begin(), endMarker.end());
        std::uint32_t sum = 1;
        for (std::uint8_t b : out)
            sum += b;
        appendWord(out, static_cast<std::uint16_t>(sum));
        out.resize(out.size() + padding, 0);
        return out;
    }

    static void appendWord(Bytes& out, std::uint16_t word) {
        out.push_back(static_cast<std::uint8_t>(word >> 8));
        out.push_back(static_cast<std::uint8_t>(word));
    }
};

inline Bytes be32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

inline Bytes text(const char* s) {
    Bytes out(s, s + std::char_traits<char>::length(s));
    out.push_back(0);
    return out;
}

}  // namespace tolvane::test
