// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <variant>

#include "camera/camera_record.h"

namespace tolvane {

enum class ItemKind : std::uint8_t {
    Ipv4,         // one address, 4 bytes big-endian
    AddressPair,  // two addresses, 8 bytes
    U32,
    U16,
    U8,
    Text,         // zero-terminated inside its width; sent with its zero
    Bytes,        // held and sent as they are
    Ipv6Address,  // 16 bytes as they are, taken only from an item of exactly 16
};

struct AddressPairField {
    std::uint32_t CameraRecord::*first;
    std::uint32_t CameraRecord::*second;
};

using U32Field = std::uint32_t CameraRecord::*;
using U16Field = std::uint16_t CameraRecord::*;
using U8Field = std::uint8_t CameraRecord::*;
using TextField = std::array<char, 256> CameraRecord::*;
using ByteArrayField = std::array<std::uint8_t, 16> CameraRecord::*;

// The CameraRecord member that an item carries.
using RecordField =
    std::variant<U32Field, U16Field, U8Field, AddressPairField, TextField, ByteArrayField>;

struct ItemEntry {
    std::uint16_t tag;
    std::uint16_t width;
    ItemKind kind;
    RecordField field;
    // Whether encodeRecord sends the item.
    bool encoded;
};

inline constexpr std::uint16_t kRequestListTag = 0xFFF0;
inline constexpr std::uint16_t kEndMarkerTag = 0xFFFF;

// The tags a search asks for, in the order a record is encoded, each with the one place in a
// CameraRecord that it fills when received and is taken from when sent.
// Columns: tag, width, kind, field, whether encodeRecord sends it.
inline constexpr std::array<ItemEntry, 30> kItemTable{{
    {0x20, 4, ItemKind::Ipv4, &CameraRecord::ipAddress, true},
    {0x21, 4, ItemKind::Ipv4, &CameraRecord::subnetMask, true},
    {0x22, 4, ItemKind::Ipv4, &CameraRecord::gateway, true},
    {0x23, 8, ItemKind::AddressPair, AddressPairField{&CameraRecord::dns1, &CameraRecord::dns2},
     true},
    {0x25, 2, ItemKind::U16, &CameraRecord::webPort, true},
    {0x40, 16, ItemKind::Ipv6Address, &CameraRecord::ipv6Address, false},
    {0x44, 2, ItemKind::U16, &CameraRecord::ipv6Port, false},
    {0x60, 256, ItemKind::Text, &CameraRecord::hostName, true},
    {0x61, 4, ItemKind::U32, &CameraRecord::extra61, true},
    {0x80, 1, ItemKind::U8, &CameraRecord::extra80, true},
    {0x81, 256, ItemKind::Text, &CameraRecord::extra81, true},
    {0x82, 256, ItemKind::Text, &CameraRecord::extra82, true},
    {0x83, 256, ItemKind::Text, &CameraRecord::extra83, true},
    {0xA0, 4, ItemKind::Ipv4, &CameraRecord::staticIpAddress, true},
    {0xA1, 4, ItemKind::Ipv4, &CameraRecord::staticSubnetMask, true},
    {0xA2, 4, ItemKind::Ipv4, &CameraRecord::staticGateway, true},
    {0xA3, 8, ItemKind::AddressPair,
     AddressPairField{&CameraRecord::staticDns1, &CameraRecord::staticDns2}, true},
    {0xA4, 4, ItemKind::U32, &CameraRecord::bandwidthLimit, true},
    {0xA6, 1, ItemKind::U8, &CameraRecord::networkMode, true},
    {0xA7, 16, ItemKind::Bytes, &CameraRecord::cameraName, true},
    {0xA8, 16, ItemKind::Bytes, &CameraRecord::extraA8, true},
    {0xA9, 16, ItemKind::Bytes, &CameraRecord::extraA9, true},
    {0xAA, 16, ItemKind::Bytes, &CameraRecord::extraAA, true},
    {0xAD, 2, ItemKind::U16, &CameraRecord::statusCode, true},
    {0xB0, 1, ItemKind::U8, &CameraRecord::extraB0, true},
    {0xB3, 16, ItemKind::Bytes, &CameraRecord::extraB3, true},
    {0xB4, 2, ItemKind::U16, &CameraRecord::setupFlags, true},
    {0xB5, 1, ItemKind::Bytes, &CameraRecord::ipsecEnabled, true},
    {0xB6, 1, ItemKind::U8, &CameraRecord::ipv6Mode, false},
    {0xB7, 1, ItemKind::U8, &CameraRecord::cameraNameEditable, false},
}};

namespace item_table_detail {

// Whether the entry's field has the type its kind works on, at the entry's width.
constexpr bool fieldFitsKind(const ItemEntry& entry) {
    switch (entry.kind) {
        case ItemKind::Ipv4:
        case ItemKind::U32:
            return std::holds_alternative<U32Field>(entry.field) && entry.width == 4;
        case ItemKind::AddressPair:
            return std::holds_alternative<AddressPairField>(entry.field) && entry.width == 8;
        case ItemKind::U16:
            return std::holds_alternative<U16Field>(entry.field) && entry.width == 2;
        case ItemKind::U8:
            return std::holds_alternative<U8Field>(entry.field) && entry.width == 1;
        case ItemKind::Text:
            return std::holds_alternative<TextField>(entry.field) && entry.width == 256;
        case ItemKind::Bytes:
            return (std::holds_alternative<U8Field>(entry.field) && entry.width == 1) ||
                   (std::holds_alternative<ByteArrayField>(entry.field) && entry.width == 16);
        case ItemKind::Ipv6Address:
            return std::holds_alternative<ByteArrayField>(entry.field) && entry.width == 16;
    }
    return false;
}

// Tags below 256 let a received tag find its entry by direct index.
inline constexpr std::uint8_t kNoEntry = 0xFF;

constexpr std::array<std::uint8_t, 256> entryIndexByTag() {
    std::array<std::uint8_t, 256> index{};
    index.fill(kNoEntry);
    for (std::size_t i = 0; i < kItemTable.size(); ++i)
        index[kItemTable[i].tag] = static_cast<std::uint8_t>(i);
    return index;
}

constexpr bool tableIsWellFormed() {
    for (std::size_t i = 0; i < kItemTable.size(); ++i) {
        if (kItemTable[i].tag > 0xFF || !fieldFitsKind(kItemTable[i]))
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (kItemTable[j].tag == kItemTable[i].tag)
                return false;
        }
    }
    return true;
}

static_assert(tableIsWellFormed(), "each tag once, below 0x100, its field fitting its kind");

inline constexpr std::array<std::uint8_t, 256> kEntryIndexByTag = entryIndexByTag();

}  // namespace item_table_detail

// The table entry of `tag`, or null for a tag outside the table.
constexpr const ItemEntry* findItem(std::uint16_t tag) {
    if (tag >= item_table_detail::kEntryIndexByTag.size())
        return nullptr;
    const std::uint8_t index = item_table_detail::kEntryIndexByTag[tag];
    return index == item_table_detail::kNoEntry ? nullptr : &kItemTable[index];
}

}  // namespace tolvane
