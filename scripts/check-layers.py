#!/usr/bin/env python3
"""Checks that the folders keep the libraries' layer order.

A product file's top folder names its library; it may include its own library and those
below it, never one above it nor sideways between the window and the command line. The
graph of includes between folders (core/protocol, device/link, gui/pages, ...) has no
circle. System headers of POSIX and Linux are included only in platform/.

Usage: check-layers.py [SOURCE_DIR]; exits 1 and names each offending include.
"""
import os
import re
import subprocess
import sys

# What each library's files may include, by top folder.
ALLOWED = {
    'platform': {'platform'},
    'core': {'core', 'platform'},
    'device': {'device', 'core', 'platform'},
    'exporter': {'exporter', 'device', 'core', 'platform'},
    'gui': {'gui', 'device', 'core', 'platform', 'sim'},
    'cli': {'cli', 'exporter', 'device', 'core', 'platform'},
    'sim': {'sim', 'platform'},
}
# Headers that exist only on POSIX or Linux systems.
SYSTEM_HEADER = re.compile(
    r'^(unistd|fcntl|poll|signal|termios|ifaddrs|dirent|pwd|grp|dlfcn|syslog|netdb|libgen)\.h$'
    r'|^(sys|linux|netinet|arpa|net|asm|bits)/')
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def folder_of(path):
    """The folder a file counts in for the graph: two levels below a library, one for cli/."""
    parts = path.split('/')
    return '/'.join(parts[:2]) if len(parts) > 2 else parts[0]


def find_cycle(graph):
    """One circle of the folder graph as a list of folders, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = 'open'
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 'open':
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = 'done'
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    files = subprocess.run(['git', 'ls-files', '*.cpp', '*.h'], cwd=root, check=True,
                           capture_output=True, text=True).stdout.split()
    problems = []
    graph = {}
    for path in files:
        library = path.split('/')[0]
        if library not in ALLOWED:
            continue  # tests, benchmarks and scripts may include anything
        with open(os.path.join(root, path), encoding='utf-8') as source:
            text = source.read()
        for match in INCLUDE.finditer(text):
            kind, target = match.groups()
            line = text.count('\n', 0, match.start()) + 1
            if kind == '<':
                if library != 'platform' and SYSTEM_HEADER.search(target):
                    problems.append(f'{path}:{line}: <{target}> belongs in platform/')
                continue
            target_library = target.split('/')[0]
            if '/' not in target or target_library not in ALLOWED:
                continue  # generated headers (ui_*.h, *.moc, the version header)
            if target_library not in ALLOWED[library]:
                problems.append(f'{path}:{line}: {library}/ may not include "{target}"')
            source_folder, target_folder = folder_of(path), folder_of(target)
            if source_folder != target_folder:
                graph.setdefault(source_folder, set()).add(target_folder)
    cycle = find_cycle(graph)
    if cycle:
        problems.append('folders include each other in a circle: ' + ' -> '.join(cycle))
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print(f'layers: {len(files)} files, {len(graph)} folders, order kept')
    return 0


if __name__ == '__main__':
    sys.exit(main())
