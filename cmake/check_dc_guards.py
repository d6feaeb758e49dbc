#!/usr/bin/env python3
"""Fails when drawing code selects into or saves a device context by hand.

Outside afx/ and the guards themselves, objects are selected through
CSelectedObject (foundation/windows/SelectedObject.h) and a device context's
state is saved through CSavedDCState (foundation/windows/SavedDCState.h), so
that every way out gives back what the device context held.
    check_dc_guards.py SOURCE_DIR "afx;foundation;..."
"""
import pathlib
import re
import sys

from check_support import code_of, line_of, source_files, verdict

HAND_CALL = re.compile(r'\b(SelectObject|SaveDC)\s*\(')
EXEMPT_FOLDERS = ('afx',)
GUARDS = ('foundation/windows/SelectedObject.h', 'foundation/windows/SavedDCState.h')


def main():
    root = pathlib.Path(sys.argv[1])
    folders = [folder for folder in sys.argv[2].split(';') if folder not in EXEMPT_FOLDERS]
    problems = []
    count = 0
    for path in source_files(root, folders):
        name = path.relative_to(root).as_posix()
        if name in GUARDS:
            continue
        count += 1
        text = code_of(path)
        for match in HAND_CALL.finditer(text):
            problems.append(f'{name}:{line_of(text, match.start())}: hand-written {match.group(1)}')
    return verdict(problems,
                   f'{len(problems)} hand-written SelectObject/SaveDC call(s): use CSelectedObject or CSavedDCState',
                   f'{count} files select and save device contexts through the guards')


if __name__ == '__main__':
    sys.exit(main())
