#!/usr/bin/env python3
"""The window's thread never waits: no code under gui/ turns a nested event loop, waits
for a socket, a process or a thread, or sleeps. Printer work runs as jobs on the printer's
worker (device/jobs), where such waits belong; the window starts jobs and reacts to their
signals. Modal dialogs and message boxes go through the prompts seam and are not waits in
this sense.

Exits 1 and names file and line for each wait found; run by lint.sh, and as a test.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
WAITS = re.compile(
    r'\b(processEvents|QEventLoop|waitFor[A-Z]\w*|msleep|usleep|sleep_for|QThread::sleep|'
    r'QtConcurrent|BlockingQueuedConnection|QThread::create|QThreadPool)\b')


def code_part(line):
    """The line without a trailing // comment (strings are not taken apart)."""
    return line.split('//', 1)[0]


def main():
    found = []
    for path in sorted((ROOT / 'gui').rglob('*')):
        if path.suffix not in ('.cpp', '.h'):
            continue
        for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
            match = WAITS.search(code_part(line))
            if match:
                found.append(f'{path.relative_to(ROOT)}:{number}: {match.group(1)} on the '
                             'window\'s thread; run the work as a job (device/jobs)')
    for line in found:
        print(line)
    if found:
        print(f'gui waits: {len(found)} found')
        return 1
    print('gui waits: none')
    return 0


if __name__ == '__main__':
    sys.exit(main())
