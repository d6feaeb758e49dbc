#!/usr/bin/env python3
"""Fails when a procedure that the platform calls lets C++ exceptions through.

Every function defined CALLBACK in the program's folders must run its body
through AfxCallbackBarrier (afx/CallbackBarrier.h) or catch every exception
itself (catch (...)).
    check_callbacks.py SOURCE_DIR "afx;foundation;..."
"""
import pathlib
import re
import sys

DEFINITION = re.compile(r'\bCALLBACK\s+(?P<name>[A-Za-z_][\w:]*)\s*\((?P<params>[^;{}]*?)\)\s*(?P<try>try\s*)?\{')
BARRIER = re.compile(r'\bAfxCallbackBarrier\b|\bcatch\s*\(\s*\.\.\.\s*\)')
NOISE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)


def blank(match):
    # Comments and literals keep their length and line breaks, lose their braces.
    return re.sub(r'[^\n]', ' ', match.group(0))


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
    text = NOISE.sub(blank, path.read_text(encoding='latin-1'))
    for match in DEFINITION.finditer(text):
        end = body_end(text, match.end() - 1)
        guarded = text[match.end():end]
        if match.group('try'):
            guarded += text[end:end + 400]   # the function-try-block's handlers
        if not BARRIER.search(guarded):
            line = text.count('\n', 0, match.start()) + 1
            yield f'{path}:{line}: CALLBACK {match.group("name")} has no exception barrier'


def main():
    root = pathlib.Path(sys.argv[1])
    folders = sys.argv[2].split(';')
    problems = []
    count = 0
    for folder in folders:
        for path in sorted((root / folder).rglob('*')):
            if path.suffix in ('.cpp', '.h', '.c'):
                count += 1
                problems.extend(unguarded(path))
    if problems:
        print('\n'.join(problems))
        print(f'{len(problems)} CALLBACK(s) without AfxCallbackBarrier: see afx/CallbackBarrier.h')
        return 1
    print(f'Every CALLBACK in {count} files runs behind an exception barrier')
    return 0


if __name__ == '__main__':
    sys.exit(main())
