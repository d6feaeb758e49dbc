#!/usr/bin/env python3
"""Fails when program code frees an object by hand, or keeps what it makes with
new where no owner frees it.

Outside afx/, what is made with new has one owner that frees it: a
std::unique_ptr, a std::vector of them, or a COwningObArray. A hand-written
delete is left only where the object is itself the owner: windows that delete
themselves after their window (delete this), and the few classes whose whole
work is to own one buffer or one global, listed below; only they make arrays
with new. Any other new is handed on at once: to an owner, to a function or
constructor that takes it, to the caller (a factory's result), or through a
local pointer of the function; one kept in a raw member, a global or a static
pointer is caught.
    check_owners.py SOURCE_DIR "foundation;genetics;..."
"""
import pathlib
import re
import sys

from check_support import hand_written, verdict

# delete and delete[]; a deleted function (= delete) is told apart by what precedes it.
# new, but not an operator's name.
HAND_FREE_OR_NEW = re.compile(r'\bdelete\b(?!\s+this\b)(\s*\[\s*\])?|(?<!operator)(?<!operator )\bnew\b')
OWNERS = (
    'foundation/containers/OwningObArray.cpp',  # the owning array of objects itself
    'foundation/containers/BitSet.cpp',  # its bit buffer
    'foundation/files/ByteBuffer.cpp',  # its growing byte buffer
    'foundation/files/FindDataArray.cpp',  # its records, in the layout the file finder reads
    'genetics/Genotype.cpp',  # the pairs past those kept in place
    'genetics/GeneticsConfigLoad.cpp',  # the current configuration, a global freed on release
    'output/text/RichTextFontCache.cpp',  # the font cache that a device context holds and frees through its deleter
)
# A placement, then the type up to what ends it: '[' makes it an array.
MADE = re.compile(r'\s*(?:\([^()]*\))?([^;(){},]*)')
# The statement before '=': a plain local pointer (not static) that the function hands on.
LOCAL_POINTER = re.compile(r'^\s*(?:const\s+)?(?:[\w:]+(?:<[^;]*>)?\s*\*|auto\s*\*?)\s*\w+\s*$')
STATEMENT_START = re.compile(r'[;{}]')
BRACE = re.compile(r'[{}]')
SCOPE_OPENER = re.compile(r'\b(namespace|class|struct|union)\b[^;{}()]*$')


def in_function(before):
    """Whether the innermost brace open before this point is a function's or a block's,
    not a namespace's, a class's or the file's."""
    scopes = []
    for brace in BRACE.finditer(before):
        if brace.group(0) == '}':
            if scopes:
                scopes.pop()
        else:
            scopes.append(SCOPE_OPENER.search(before, 0, brace.start()) is None)
    return bool(scopes) and scopes[-1]


def unique_member(path, name):
    """Whether the member name is declared a std::unique_ptr in the file or its header."""
    declared = re.compile(r'unique_ptr\s*<[^;]*>\s*' + re.escape(name) + r'\b')
    for candidate in (path, path.with_suffix('.h')):
        if candidate.exists() and declared.search(candidate.read_text(encoding='latin-1')):
            return True
    return False


def kind_of(match, text, path):
    before = text[:match.start()].rstrip()
    if match.group(0).startswith('delete'):
        if before.endswith('='):
            return None  # a deleted function
        return 'delete[]' if match.group(1) else 'delete'
    line_start = text.rfind('\n', 0, match.start()) + 1
    if text[line_start:match.start()].lstrip().startswith('#'):
        return None  # #include <new>
    if '[' in MADE.match(text, match.end()).group(1):
        return 'new[]'
    if before.endswith('=') and not before.endswith(('==', '!=', '<=', '>=')):
        starts = [m.end() for m in STATEMENT_START.finditer(before)]
        target = before[starts[-1] if starts else 0:-1]
        if LOCAL_POINTER.match(target) and not re.match(r'\s*static\b', target) and in_function(before):
            return None
        return 'new kept in a raw member' if re.search(r'\bm_\w+\s*$', target) else 'new kept in a raw pointer'
    member = re.search(r'\b(m_\w+)\s*\($', before)
    if member and not unique_member(path, member.group(1)):
        return 'new kept in a raw member'
    return None


def main():
    root = pathlib.Path(sys.argv[1])
    folders = [folder for folder in sys.argv[2].split(';') if folder != 'afx']
    problems, count = hand_written(root, folders, lambda name: name in OWNERS, HAND_FREE_OR_NEW, kind_of)
    return verdict(problems,
                   f'{len(problems)} hand-written free(s) or unowned new(s): give the object one owner '
                   '(std::unique_ptr, a vector of them, COwningObArray)',
                   f'{count} files free what they make through owners')


if __name__ == '__main__':
    sys.exit(main())
