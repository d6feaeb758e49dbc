#!/usr/bin/env python3
"""Fails when two resource objects hold a resource of the same kind and id.

The linker puts every layer's resource objects into one executable, where a
resource is known by its type, id and language only: two of them with the same
would leave one unreachable, and two string tables cannot share a block of
sixteen string ids.
    check_resource_ids.py WINDRES OBJECT...
With --messages it checks the program's own window messages instead: each is
defined in framework/messages/PrivateMessages.h, and no two share a number.
    check_resource_ids.py --messages SOURCE_DIR "afx;foundation;..."
"""
import collections
import pathlib
import re
import struct
import subprocess
import sys
import tempfile

from check_support import code_of, line_of, source_files, verdict

TYPE_NAMES = {1: 'cursor', 2: 'bitmap', 3: 'icon', 4: 'menu', 5: 'dialog', 6: 'string table',
              9: 'accelerators', 10: 'rcdata', 12: 'cursor group', 14: 'icon group', 16: 'version',
              24: 'manifest', 241: 'toolbar'}
STRING_TABLE = 6


def read_id(data, offset):
    """A type or name of a .res header: an ordinal or a UTF-16 name; returns it and the offset after it."""
    if struct.unpack_from('<H', data, offset)[0] == 0xFFFF:
        return struct.unpack_from('<H', data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from('<H', data, end)[0] != 0:
        end += 2
    return data[offset:end].decode('utf-16-le'), end + 2


def string_ids(block, data):
    """The ids of the strings that a string-table block holds (empty slots are no strings)."""
    ids, offset = [], 0
    for slot in range(16):
        length = struct.unpack_from('<H', data, offset)[0]
        if length:
            ids.append((block - 1) * 16 + slot)
        offset += 2 + 2 * length
    return ids


def resources(data):
    """(type, name, language, data) of each resource in a .res file."""
    offset = 0
    while offset + 8 <= len(data):
        size, header = struct.unpack_from('<II', data, offset)
        kind, after = read_id(data, offset + 8)
        name, after = read_id(data, after)
        after = (after + 3) & ~3
        language = struct.unpack_from('<IHH', data, after)[2]
        body = data[offset + header:offset + header + size]
        if size or kind != 0:   # the empty entry that opens every .res file
            yield kind, name, language, body
        offset = (offset + header + size + 3) & ~3


def read_object(windres, path):
    with tempfile.TemporaryDirectory() as folder:
        res = pathlib.Path(folder) / 'resources.res'
        subprocess.run([windres, '-J', 'coff', '-i', str(path), '-O', 'res', '-o', str(res)], check=True)
        return list(resources(res.read_bytes()))


def describe(kind, name, body):
    if kind == STRING_TABLE:
        ids = string_ids(name, body)
        return f'string table of ids {(name - 1) * 16}-{name * 16 - 1} (holding {", ".join(map(str, ids))})'
    return f'{TYPE_NAMES.get(kind, kind)} {name}'


MESSAGE_HEADER = 'framework/messages/PrivateMessages.h'
# afx numbers its own framework messages as the framework it stands for does.
MESSAGE_EXEMPT_FOLDERS = ('afx',)
MESSAGE_BASES = {'WM_USER': 0x400, 'WM_APP': 0x8000}
# A named message number: "const UINT WM_X = WM_USER + 12;" or "#define WM_X 0x041C".
MESSAGE_DEFINITION = re.compile(
    r'(?:#define\s+|\bconst\s+UINT\s+)(WM_\w+)\s*=?\s*\(?\s*(?:(WM_USER|WM_APP)\s*\+\s*)?(0[xX][0-9a-fA-F]+|\d+)\b')
MESSAGE_BASE_USE = re.compile(r'\b(WM_USER|WM_APP)\b')


def message_number(match):
    base = MESSAGE_BASES.get(match.group(2), 0)
    return base + int(match.group(3), 0)


def check_messages(root, folders):
    """Problems with the private message numbers of the folders under root."""
    problems, numbers = [], collections.defaultdict(list)
    for path in source_files(root, [folder for folder in folders if folder not in MESSAGE_EXEMPT_FOLDERS]):
        name = path.relative_to(root).as_posix()
        text = code_of(path)
        if name == MESSAGE_HEADER:
            for match in MESSAGE_DEFINITION.finditer(text):
                numbers[message_number(match)].append(match.group(1))
            continue
        definitions = []
        for match in MESSAGE_DEFINITION.finditer(text):
            if match.group(2) or message_number(match) >= MESSAGE_BASES['WM_USER']:
                definitions.append(match.span())
                problems.append(f'{name}:{line_of(text, match.start())}: {match.group(1)} '
                                f'defined outside {MESSAGE_HEADER}')
        for match in MESSAGE_BASE_USE.finditer(text):
            if not any(start <= match.start() < end for start, end in definitions):
                problems.append(f'{name}:{line_of(text, match.start())}: a message number made from '
                                f'{match.group(1)} outside {MESSAGE_HEADER}')
    for number, names in sorted(numbers.items()):
        if len(names) > 1:
            problems.append(f'{MESSAGE_HEADER}: {" and ".join(names)} share the number 0x{number:X}')
    count = sum(len(names) for names in numbers.values())
    return verdict(problems,
                   f'{len(problems)} private message problem(s): define each in {MESSAGE_HEADER} '
                   'with a number of its own',
                   f'{count} private messages, all in {MESSAGE_HEADER}, each with a number of its own')


def main():
    if sys.argv[1] == '--messages':
        return check_messages(pathlib.Path(sys.argv[2]), sys.argv[3].split(';'))
    windres, objects = sys.argv[1], sys.argv[2:]
    holders = collections.defaultdict(list)
    count = 0
    for path in objects:
        for kind, name, language, body in read_object(windres, path):
            count += 1
            holders[(kind, name, language)].append((pathlib.Path(path).name, describe(kind, name, body)))
    problems = [f'{" and ".join(f"{shown} in {obj}" for obj, shown in held)}'
                for held in holders.values() if len(held) > 1]
    return verdict(problems,
                   f'{len(problems)} resource id(s) used twice: give each resource an id of its own within its kind',
                   f'{count} resources in {len(objects)} resource objects, each id used once within its kind')


if __name__ == '__main__':
    sys.exit(main())
