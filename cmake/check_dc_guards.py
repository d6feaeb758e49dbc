#!/usr/bin/env python3
"""Fails when code selects into, saves or frees device-context handles by hand.

Outside afx/ and the guards themselves, objects are selected through
CSelectedObject (foundation/windows/SelectedObject.h), palettes through
CSelectedPalette (foundation/windows/SelectedPalette.h), a device context's
state is saved through CSavedDCState (foundation/windows/SavedDCState.h), and
created GDI objects, device contexts and icons are freed by their owners in
foundation/windows/OwnedHandle.h, so that every way out gives back and frees
what it should. Tests and tools draw on the one test canvas
(tests/support/TestCanvas.h) or through the same guards.
    check_dc_guards.py SOURCE_DIR "afx;foundation;...;tests;tools"
"""
import pathlib
import re
import sys

from check_support import hand_written, verdict

# The platform's frees take the handle, written with :: or without; the members of
# the same names (CGdiObject::DeleteObject, CPrinterData::DeleteDC) take no argument.
HAND_CALL = re.compile(r'\b(SelectObject|SaveDC|SelectPalette)\s*\('
                       r'|\b(DeleteObject|DeleteDC|DestroyIcon)\s*\(\s*[^\s)]')
# afx wraps the platform's calls, and its tests call its wrappers.
EXEMPT_FOLDERS = ('afx', 'tests/afx')
GUARDS = ('foundation/windows/SelectedObject.h', 'foundation/windows/SavedDCState.h',
          'foundation/windows/SelectedPalette.h', 'foundation/windows/OwnedHandle.h', 'tests/support/TestCanvas.h',
          # The guards' own tests set up by hand what the guards are to give back.
          'tests/foundation/windows/DCGuardsTest.cpp', 'tests/foundation/windows/OwnedHandleTest.cpp')


def main():
    root = pathlib.Path(sys.argv[1])
    folders = [folder for folder in sys.argv[2].split(';') if folder not in EXEMPT_FOLDERS]
    problems, count = hand_written(
        root, folders,
        lambda name: name in GUARDS or name.startswith(tuple(folder + '/' for folder in EXEMPT_FOLDERS)),
        HAND_CALL, lambda match, text, path: match.group(1) or match.group(2))
    return verdict(problems,
                   f'{len(problems)} hand-written call(s): select with CSelectedObject or CSelectedPalette, '
                   'save with CSavedDCState, and free created handles through their owners (OwnedHandle.h)',
                   f'{count} files select, save and free device-context handles through the guards')


if __name__ == '__main__':
    sys.exit(main())
