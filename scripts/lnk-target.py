#!/usr/bin/env python3
"""Prints the local target path of a Windows shortcut: lnk-target.py FILE.lnk

Reads the shell link's LinkInfo block (the header, the optional item-id list, then LinkInfo),
where Windows keeps the target's local path, in the ANSI code page (1252 in the test prefixes).
"""
import struct
import sys

HEADER_SIZE = 0x4C
HAS_ID_LIST, HAS_LINK_INFO = 0x1, 0x2
VOLUME_ID_AND_LOCAL_BASE_PATH = 0x1


def c_string(data, offset):
    end = data.index(b"\0", offset)
    return data[offset:end].decode("cp1252")


def target(data):
    size, = struct.unpack_from("<I", data, 0)
    if size != HEADER_SIZE:
        raise ValueError("not a shell link")
    flags, = struct.unpack_from("<I", data, 0x14)
    pos = HEADER_SIZE
    if flags & HAS_ID_LIST:
        id_list_size, = struct.unpack_from("<H", data, pos)
        pos += 2 + id_list_size
    if not flags & HAS_LINK_INFO:
        raise ValueError("the shortcut records no target path")
    info = data[pos:pos + struct.unpack_from("<I", data, pos)[0]]
    info_flags, _, local_base, _, suffix = struct.unpack_from("<5I", info, 8)
    if not info_flags & VOLUME_ID_AND_LOCAL_BASE_PATH:
        raise ValueError("the shortcut's target is not on a local volume")
    return c_string(info, local_base) + c_string(info, suffix)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: lnk-target.py FILE.lnk")
    try:
        with open(sys.argv[1], "rb") as f:
            print(target(f.read()))
    except (OSError, ValueError, struct.error) as e:
        sys.exit(f"lnk-target: {sys.argv[1]}: {e}")
