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


def hand_written(root, folders, skipped, pattern, name_of):
    """The 'file:line: hand-written X' problems for every match of pattern in
    the code of the files under folders, except those that skipped(name)
    names; name_of(match, text, path) gives X, or None for a match that is
    no problem. Also the number of files read."""
    problems = []
    count = 0
    for path in source_files(root, folders):
        name = path.relative_to(root).as_posix()
        if skipped(name):
            continue
        count += 1
        text = code_of(path)
        for match in pattern.finditer(text):
            what = name_of(match, text, path)
            if what is not None:
                problems.append(f'{name}:{line_of(text, match.start())}: hand-written {what}')
    return problems, count


def verdict(problems, failed, passed):
    """Prints the problems and what they mean, or what passed; the exit code."""
    if problems:
        print('\n'.join(problems))
        print(failed)
        return 1
    print(passed)
    return 0
