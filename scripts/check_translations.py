#!/usr/bin/env python3
"""Checks that a translation file is complete: lupdate, run over the sources into a copy of it,
finds no text that the file lacks, and every text has a finished translation (none unfinished,
vanished or obsolete). Prints each text that needs a translator and exits 1 when there is one.
Usage: check_translations.py TS_FILE LUPDATE [LUPDATE ARGUMENTS...]  (run from the source root;
the arguments are those of the update_translations target, without -ts)"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main():
    ts, lupdate, args = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        done = subprocess.run([lupdate, *args, '-ts', copy], capture_output=True, text=True)
        if done.returncode != 0:
            print(done.stdout, done.stderr, file=sys.stderr)
            return 2
        problems = []
        total = 0
        for message in ET.parse(copy).getroot().iter('message'):
            total += 1
            source = message.findtext('source')
            tr = message.find('translation')
            kind = tr.get('type') if tr is not None else 'missing'
            if kind in ('unfinished', 'vanished', 'obsolete', 'missing') or not (tr.text or '').strip():
                problems.append(f'{kind or "empty"}: {source!r}')
    for p in problems:
        print(p)
    print(f'{os.path.basename(ts)}: {total} texts, {len(problems)} to translate or remove')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
