"""What the checks of the tree share: the program's source files, their code
without comments and literals, and the verdict."""
import re

NOISE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
SUFFIXES = ('.cpp', '.h', '.c')


def blank(match):
    # Comments and literals keep their length and line breaks, lose their text.
    return re.sub(r'[^\n]', ' ', match.group(0))


def code_of(path):
    """The file's text with comments and literals blanked out."""
    return NOISE.sub(blank, path.read_text(encoding='latin-1'))


def source_files(root, folders):
    """Every C and C++ source and header under the given folders of root."""
    for folder in folders:
        for path in sorted((root / folder).rglob('*')):
            if path.suffix in SUFFIXES:
                yield path


def line_of(text, offset):
    return text.count('\n', 0, offset) + 1


def verdict(problems, failed, passed):
    """Prints the problems and what they mean, or what passed; the exit code."""
    if problems:
        print('\n'.join(problems))
        print(failed)
        return 1
    print(passed)
    return 0
