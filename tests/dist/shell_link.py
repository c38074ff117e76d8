"""Reads a Windows shortcut (.lnk, the Shell Link binary format): the target
path from its link information and the strings that follow it."""

import struct

LINK_CLSID = bytes.fromhex('0114020000000000c000000000000046')

HAS_ID_LIST = 0x01
HAS_LINK_INFO = 0x02
IS_UNICODE = 0x80
# The optional strings, in the order they are stored.
STRINGS = [(0x04, 'description'), (0x08, 'relative_path'), (0x10, 'working_dir'),
           (0x20, 'arguments'), (0x40, 'icon_location')]


class LinkError(Exception):
    pass


def _c_string(data, at):
    end = data.index(b'\0', at)
    return data[at:end].decode('cp1252')


def _link_info_target(data, at):
    size, header_size, flags, _volume, base_offset, _network, suffix_offset = \
        struct.unpack_from('<7I', data, at)
    if not flags & 1:
        raise LinkError('the link names no local target')
    if header_size >= 0x24:
        wide_base, wide_suffix = struct.unpack_from('<2I', data, at + 28)
        if wide_base:
            def wide(offset):
                end = at + offset
                while data[end:end + 2] != b'\0\0':
                    end += 2
                return data[at + offset:end].decode('utf-16-le')
            return wide(wide_base) + wide(wide_suffix), size
    return _c_string(data, at + base_offset) + _c_string(data, at + suffix_offset), size


def read_link(data):
    """Returns {'target', 'description', 'working_dir', ...} of a .lnk file's bytes."""
    if len(data) < 0x4C or struct.unpack_from('<I', data)[0] != 0x4C \
            or data[4:20] != LINK_CLSID:
        raise LinkError('no Shell Link header')
    flags = struct.unpack_from('<I', data, 0x14)[0]
    at = 0x4C
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from('<H', data, at)[0]
    link = {}
    if flags & HAS_LINK_INFO:
        link['target'], size = _link_info_target(data, at)
        at += size
    unit = 2 if flags & IS_UNICODE else 1
    for bit, name in STRINGS:
        if flags & bit:
            count = struct.unpack_from('<H', data, at)[0]
            raw = data[at + 2:at + 2 + count * unit]
            text = raw.decode('utf-16-le' if unit == 2 else 'cp1252')
            link[name] = text.rstrip('\0')
            at += 2 + count * unit
    return link
