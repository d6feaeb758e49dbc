#!/usr/bin/env python3
"""Fails when drawing code selects into or saves a device context by hand.

Outside afx/ and the guards themselves, objects are selected through
CSelectedObject (foundation/windows/SelectedObject.h) and a device context's
state is saved through CSavedDCState (foundation/windows/SavedDCState.h), so
that every way out gives back what the device context held.
    check_dc_guards.py SOURCE_DIR "afx;foundation;..." ALLOWED_LIST
ALLOWED_LIST names, one a line, the files that still do it by hand; it only
shrinks: a file that is not on it may not start.
"""
import pathlib
import re
import sys

from check_support import code_of, line_of, source_files, verdict

HAND_CALL = re.compile(r'\b(SelectObject|SaveDC)\s*\(')
EXEMPT_FOLDERS = ('afx',)
GUARDS = ('foundation/windows/SelectedObject.h', 'foundation/windows/SavedDCState.h')


def allowed_files(path):
    lines = (line.split('#', 1)[0].strip() for line in path.read_text().splitlines())
    return {line for line in lines if line}


def main():
    root = pathlib.Path(sys.argv[1])
    folders = [folder for folder in sys.argv[2].split(';') if folder not in EXEMPT_FOLDERS]
    allowed = allowed_files(pathlib.Path(sys.argv[3]))
    problems = []
    offenders = set()
    count = 0
    for path in source_files(root, folders):
        name = path.relative_to(root).as_posix()
        if name in GUARDS:
            continue
        count += 1
        text = code_of(path)
        for match in HAND_CALL.finditer(text):
            offenders.add(name)
            if name not in allowed:
                problems.append(f'{name}:{line_of(text, match.start())}: hand-written {match.group(1)}')
    for name in sorted(allowed - offenders):
        print(f'note: {name} no longer selects or saves by hand: take it off {sys.argv[3]}')
    return verdict(problems,
                   f'{len(problems)} hand-written SelectObject/SaveDC call(s): use CSelectedObject or CSavedDCState',
                   f'{count} files select and save device contexts through the guards '
                   f'(still by hand: {len(offenders)} allowed files)')


if __name__ == '__main__':
    sys.exit(main())
