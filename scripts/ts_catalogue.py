#!/usr/bin/env python3
"""Turns a Qt translation file (.ts) into the core's catalogue: one C++ initializer per translated
text, {"Polish source", "translation"}, sorted by the source's bytes so the core can look texts up
by binary search. Unfinished, vanished and obsolete entries are left out (the source text shows
instead). Usage: ts_catalogue.py INPUT.ts OUTPUT.inc"""
import sys
import xml.etree.ElementTree as ET


def literal(text):
    out = ['"']
    for ch in text:
        if ch == '\\':
            out.append('\\\\')
        elif ch == '"':
            out.append('\\"')
        elif ch == '\n':
            out.append('\\n')
        elif ord(ch) < 0x20:
            out.append('\\x%02x""' % ord(ch))
        else:
            out.append(ch)
    out.append('"')
    return ''.join(out)


def main():
    src, dst = sys.argv[1], sys.argv[2]
    entries = {}
    for message in ET.parse(src).getroot().iter('message'):
        source = message.findtext('source') or ''
        tr = message.find('translation')
        if tr is None or tr.get('type') in ('unfinished', 'vanished', 'obsolete') or not (tr.text or ''):
            continue
        text = tr.text
        # One text has one translation wherever it stands; the first one given counts.
        if source in entries and entries[source] != text:
            print(f'{src}: "{source}" has two translations; the first one is used', file=sys.stderr)
            continue
        entries.setdefault(source, text)
    lines = ['// Made by scripts/ts_catalogue.py from %s; do not edit.' % src.split('/')[-1],
             '{"", ""},  // an array is never empty']
    for source in sorted(entries, key=lambda s: s.encode('utf-8')):
        lines.append('{%s, %s},' % (literal(source), literal(entries[source])))
    data = '\n'.join(lines) + '\n'
    try:
        with open(dst, encoding='utf-8') as f:
            if f.read() == data:
                return 0  # unchanged: the core is not rebuilt
    except OSError:
        pass
    with open(dst, 'w', encoding='utf-8') as f:
        f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main())
