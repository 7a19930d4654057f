#pragma once

#include <array>
#include <cstdint>

namespace tolvane {

enum class ItemKind : std::uint8_t {
    Ipv4,         // one address, 4 bytes big-endian
    AddressPair,  // two addresses, 8 bytes
    U32,
    U16,
    U8,
    Text,   // zero-terminated inside its width; sent with its zero
    Bytes,  // held and sent as they are
};

struct ItemEntry {
    std::uint16_t tag;
    std::uint16_t width;
    ItemKind kind;
    // Whether encodeRecord sends the item.
    bool encoded;
};

inline constexpr std::uint16_t kRequestListTag = 0xFFF0;
inline constexpr std::uint16_t kEndMarkerTag = 0xFFFF;

// The tags a search asks for, in the order a record is encoded.
inline constexpr std::array<ItemEntry, 30> kItemTable{{
    {0x20, 4, ItemKind::Ipv4, true},        {0x21, 4, ItemKind::Ipv4, true},
    {0x22, 4, ItemKind::Ipv4, true},        {0x23, 8, ItemKind::AddressPair, true},
    {0x25, 2, ItemKind::U16, true},         {0x40, 16, ItemKind::Bytes, false},
    {0x44, 2, ItemKind::U16, false},        {0x60, 256, ItemKind::Text, true},
    {0x61, 4, ItemKind::U32, true},         {0x80, 1, ItemKind::U8, true},
    {0x81, 256, ItemKind::Text, true},      {0x82, 256, ItemKind::Text, true},
    {0x83, 256, ItemKind::Text, true},      {0xA0, 4, ItemKind::Ipv4, true},
    {0xA1, 4, ItemKind::Ipv4, true},        {0xA2, 4, ItemKind::Ipv4, true},
    {0xA3, 8, ItemKind::AddressPair, true}, {0xA4, 4, ItemKind::U32, true},
    {0xA6, 1, ItemKind::U8, true},          {0xA7, 16, ItemKind::Bytes, true},
    {0xA8, 16, ItemKind::Bytes, true},      {0xA9, 16, ItemKind::Bytes, true},
    {0xAA, 16, ItemKind::Bytes, true},      {0xAD, 2, ItemKind::U16, true},
    {0xB0, 1, ItemKind::U8, true},          {0xB3, 16, ItemKind::Bytes, true},
    {0xB4, 2, ItemKind::U16, true},         {0xB5, 1, ItemKind::Bytes, true},
    {0xB6, 1, ItemKind::U8, false},         {0xB7, 1, ItemKind::U8, false},
}};

// The table entry of `tag`, or null for a tag outside the table.
constexpr const ItemEntry* findItem(std::uint16_t tag) {
    for (const ItemEntry& entry : kItemTable) {
        if (entry.tag == tag)
            return &entry;
    }
    return nullptr;
}

}  // namespace tolvane
