"""Reads the resource directory of a Windows executable (PE32 or PE32+)
into {type: {name: bytes}}, or {type: {name: {language: bytes}}}. Types
and names are numbers or upper-case strings; where a resource has several
languages and one is asked for, the first is taken. Also names the DLLs and
functions the executable imports when it starts (its import directory)."""

import struct


class PeError(Exception):
    pass


def _sections(data, pe, directory=2):
    """(address, size) of a data directory (2: resources) and the
    sections as (address, size, file offset)."""
    count, opt_size = struct.unpack_from('<H12xH', data, pe + 6)
    opt = pe + 24
    magic = struct.unpack_from('<H', data, opt)[0]
    if magic == 0x10B:
        dirs = opt + 96
    elif magic == 0x20B:
        dirs = opt + 112
    else:
        raise PeError('unknown optional header magic 0x%X' % magic)
    rsrc_rva, rsrc_size = struct.unpack_from('<II', data, dirs + directory * 8)
    table = opt + opt_size
    sections = []
    for i in range(count):
        vsize, rva, raw_size, raw_ptr = struct.unpack_from('<IIII', data, table + 40 * i + 8)
        sections.append((rva, max(vsize, raw_size), raw_ptr))
    return rsrc_rva, rsrc_size, sections


def _file_offset(sections, rva):
    for start, size, raw in sections:
        if start <= rva < start + size:
            return raw + rva - start
    raise PeError('address 0x%X lies in no section' % rva)


def read_resources(data, every_language=False):
    if data[:2] != b'MZ':
        raise PeError('no MZ signature')
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        raise PeError('no PE signature')
    rsrc_rva, rsrc_size, sections = _sections(data, pe)
    if not rsrc_size:
        raise PeError('the program has no resources')
    base = _file_offset(sections, rsrc_rva)

    def name_of(field):
        if field & 0x80000000:
            at = base + (field & 0x7FFFFFFF)
            n = struct.unpack_from('<H', data, at)[0]
            return data[at + 2:at + 2 + 2 * n].decode('utf-16-le').upper()
        return field

    def entries(offset):
        named, ids = struct.unpack_from('<12xHH', data, base + offset)
        for i in range(named + ids):
            field, target = struct.unpack_from('<II', data, base + offset + 16 + 8 * i)
            yield name_of(field), target

    out = {}
    for rtype, type_dir in entries(0):
        if not type_dir & 0x80000000:
            raise PeError('resource type %r is not a directory' % (rtype,))
        items = out.setdefault(rtype, {})
        for name, name_dir in entries(type_dir & 0x7FFFFFFF):
            langs = list(entries(name_dir & 0x7FFFFFFF))
            if not langs or any(entry & 0x80000000 for _, entry in langs):
                raise PeError('resource %r/%r has no data entry' % (rtype, name))
            found = {}
            for lang, entry in langs:
                rva, size = struct.unpack_from('<II', data, base + entry)
                at = _file_offset(sections, rva)
                found[lang] = data[at:at + size]
            items[name] = found if every_language else found[langs[0][0]]
    return out


def machine(data):
    """The PE header's machine: 0x14C for a 32-bit x86 program, 0x8664 for x64."""
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[:2] != b'MZ' or data[pe:pe + 4] != b'PE\0\0':
        raise PeError('not a PE file')
    return struct.unpack_from('<H', data, pe + 4)[0]


def imports(data):
    """[(dll, [function...])] of the import directory, in order: DLL names
    lower-cased, functions by name or as "#ordinal"."""
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[:2] != b'MZ' or data[pe:pe + 4] != b'PE\0\0':
        raise PeError('not a PE file')
    wide = machine(data) == 0x8664
    thunk_size, ordinal_flag = (8, 1 << 63) if wide else (4, 1 << 31)
    rva, size, sections = _sections(data, pe, directory=1)

    def text_at(address):
        start = _file_offset(sections, address)
        return data[start:data.index(b'\0', start)].decode('ascii')

    found = []
    at = _file_offset(sections, rva) if size else None
    while at is not None:
        lookup, name_rva, first = struct.unpack_from('<I8xII', data, at)
        if name_rva == 0:
            break
        functions = []
        thunk = _file_offset(sections, lookup or first)
        while True:
            entry = struct.unpack_from('<Q' if wide else '<I', data, thunk)[0]
            if entry == 0:
                break
            if entry & ordinal_flag:
                functions.append('#%d' % (entry & 0xFFFF))
            else:
                functions.append(text_at((entry & 0x7FFFFFFF) + 2))
            thunk += thunk_size
        found.append((text_at(name_rva).lower(), functions))
        at += 20
    return found


def imported_dlls(data):
    """The names of the DLLs in the import directory, lower-cased, in order."""
    return [dll for dll, _ in imports(data)]
