#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpus of tolvane_fuzz_replies: valid replies for the PC 02:00:00:00:00:01."""
import pathlib
import struct
import sys

SIGNATURE = bytes([0x1A, 0x13, 0x21, 0x16, 0x1C, 0x12, 0x20, 0x15, 0x1D, 0x00])
HOST_MAC = bytes([0x02, 0, 0, 0, 0, 0x01])
HOST_IP = bytes([192, 168, 1, 10])


def item(tag, value):
    return struct.pack(">HH", tag, len(value)) + value


def reply(command, camera_mac, items, pc_mac=HOST_MAC, pc_ip=HOST_IP):
    header = struct.pack(">HHH", 1, len(items), command) + camera_mac + pc_mac + pc_ip
    header += b"\0\0" + SIGNATURE
    header = header.ljust(48, b"\0")
    body = header + items + b"\xff\xff"
    return body + struct.pack(">H", (sum(body) + 1) & 0xFFFF)


def text(s, width=256):
    return s.encode()[: width - 1] + b"\0"


def full_items():
    ip = lambda a: bytes(a)
    out = item(0x20, ip([192, 168, 0, 100])) + item(0x21, ip([255, 255, 255, 0]))
    out += item(0x22, ip([192, 168, 0, 1])) + item(0x23, ip([8, 8, 8, 8, 1, 1, 1, 1]))
    out += item(0x25, struct.pack(">H", 80)) + item(0x40, bytes(range(16)))
    out += item(0x44, struct.pack(">H", 443)) + item(0x60, text("h" * 300))
    out += item(0x61, struct.pack(">I", 0x61616161)) + item(0x80, b"\x80")
    for tag in (0x81, 0x82, 0x83):
        out += item(tag, text("extra"))
    out += item(0xA0, ip([192, 168, 0, 253])) + item(0xA1, ip([255, 255, 255, 0]))
    out += item(0xA2, ip([192, 168, 0, 1])) + item(0xA3, ip([8, 8, 4, 4, 0, 0, 0, 0]))
    out += item(0xA4, struct.pack(">I", 0x7FFFFFFF)) + item(0xA6, b"\xff")
    for tag in (0xA7, 0xA8, 0xA9, 0xAA, 0xB3):
        out += item(tag, b"camera".ljust(16, b"\0"))
    out += item(0xAD, b"\xc1\x00") + item(0xB0, b"\x01") + item(0xB4, b"\x80\x00")
    out += item(0xB5, b"\x00") + item(0xB6, b"\xff") + item(0xB7, b"\x01")
    return out


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "corpus/replies")
    folder.mkdir(parents=True, exist_ok=True)
    camera = bytes([0x00, 0x80, 0x45, 0x00, 0x00, 0x01])
    seeds = {
        "search-reply-full": reply(14, camera, full_items()),
        "search-reply-small": reply(14, camera, item(0x20, bytes([10, 0, 0, 9])) + item(0xAD, b"\x82\x00")),
        "search-reply-any-pc": reply(14, camera, item(0xA6, b"\x12"), pc_mac=bytes(6), pc_ip=bytes(4)),
        "setup-reply": reply(16, camera, b""),
    }
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
