#!/usr/bin/env python3
"""Fails when a procedure that the platform calls lets C++ exceptions through.

Every function defined CALLBACK in the program's folders must run its body
through AfxCallbackBarrier (afx/core/CallbackBarrier.h) or catch every exception
itself (catch (...)).
    check_callbacks.py SOURCE_DIR "afx;foundation;..."
"""
import pathlib
import re
import sys

from check_support import code_of, line_of, source_files, verdict

DEFINITION = re.compile(r'\bCALLBACK\s+(?P<name>[A-Za-z_][\w:]*)\s*\((?P<params>[^;{}]*?)\)\s*(?P<try>try\s*)?\{')
BARRIER = re.compile(r'\bAfxCallbackBarrier\b|\bcatch\s*\(\s*\.\.\.\s*\)')


def body_end(text, start):
    depth = 0
    for i in range(start, len(text)):
        if text[i] == '{':
            depth += 1
        elif text[i] == '}':
            depth -= 1
            if depth == 0:
                return i + 1
    return len(text)


def unguarded(path):
    text = code_of(path)
    for match in DEFINITION.finditer(text):
        end = body_end(text, match.end() - 1)
        guarded = text[match.end():end]
        if match.group('try'):
            guarded += text[end:end + 400]   # the function-try-block's handlers
        if not BARRIER.search(guarded):
            line = line_of(text, match.start())
            yield f'{path}:{line}: CALLBACK {match.group("name")} has no exception barrier'


def main():
    root = pathlib.Path(sys.argv[1])
    folders = sys.argv[2].split(';')
    problems = []
    count = 0
    for path in source_files(root, folders):
        count += 1
        problems.extend(unguarded(path))
    return verdict(problems, f'{len(problems)} CALLBACK(s) without AfxCallbackBarrier: see afx/core/CallbackBarrier.h',
                   f'Every CALLBACK in {count} files runs behind an exception barrier')


if __name__ == '__main__':
    sys.exit(main())
