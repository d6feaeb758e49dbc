#!/usr/bin/env python3
"""Fails when program code frees an object by hand.

Outside afx/, what is made with new has one owner that frees it: a
std::unique_ptr, a std::vector of them, or a COwningObArray. A hand-written
delete is left only where the object is itself the owner: windows that delete
themselves after their window (delete this), and the few classes whose whole
work is to own one buffer or one global, listed below.
    check_owners.py SOURCE_DIR "foundation;genetics;..."
"""
import pathlib
import re
import sys

from check_support import hand_written, verdict

# delete and delete[]; a deleted function (= delete) is told apart by what precedes it.
HAND_DELETE = re.compile(r'\bdelete\b(?!\s+this\b)(\s*\[\s*\])?')
OWNERS = (
    'foundation/containers/OwningObArray.cpp',  # the owning array of objects itself
    'foundation/containers/BitSet.cpp',  # its bit buffer
    'foundation/files/ByteBuffer.cpp',  # its growing byte buffer
    'foundation/files/FindDataArray.cpp',  # its records, in the layout the file finder reads
    'genetics/Genotype.cpp',  # the pairs past those kept in place
    'genetics/GeneticsConfigLoad.cpp',  # the current configuration, a global freed on release
    'output/text/RichTextFontCache.cpp',  # the deleter that a device context calls for its font cache
)


def kind_of_delete(match, text):
    if text[:match.start()].rstrip().endswith('='):
        return None  # a deleted function
    return 'delete[]' if match.group(1) else 'delete'


def main():
    root = pathlib.Path(sys.argv[1])
    folders = [folder for folder in sys.argv[2].split(';') if folder != 'afx']
    problems, count = hand_written(root, folders, lambda name: name in OWNERS, HAND_DELETE, kind_of_delete)
    return verdict(problems,
                   f'{len(problems)} hand-written delete(s): give the object one owner '
                   '(std::unique_ptr, a vector of them, COwningObArray)',
                   f'{count} files free what they make through owners')


if __name__ == '__main__':
    sys.exit(main())
