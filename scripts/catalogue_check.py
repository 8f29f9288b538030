#!/usr/bin/env python3
"""Keeps the language catalogues src/resources/SIZ_*.ts in step with the sources.

  scripts/catalogue_check.py sync    brings in the dialog texts that lupdate finds, every number
                                     of the English string table and every menu caption; a new
                                     text comes in unfinished, a text the sources lost goes
  scripts/catalogue_check.py check   lists unfinished and empty translations; exit status 1 if any

lupdate cannot be run on the catalogues themselves: no tr() call names the numbered strings,
the menu captions or the version keys, so -no-obsolete would drop them all. This runs lupdate
into a scratch file and merges.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(ROOT, 'src', 'resources')
TEXT = os.path.join(ROOT, 'src', 'core', 'text')
CATALOGUES = ['SIZ_NL.ts', 'SIZ_D.ts', 'SIZ_F.ts']
LUPDATE = os.environ.get('LUPDATE', '/usr/lib/qt6/bin/lupdate')
# contexts that no tr() call produces; numbers and menus are rebuilt from the sources
KEPT = ['VnVersion', 'QPlatformTheme']

LITERAL = r'"((?:[^"\\]|\\.)*)"'


def unescape(text):
    return re.sub(r'\\(.)', lambda m: {'t': '\t', 'n': '\n'}.get(m.group(1), m.group(1)), text)


def english_strings():
    source = open(os.path.join(TEXT, 'strings_en.cpp'), encoding='utf-8').read()
    table = []
    for m in re.finditer(r'\{(\d+),\s*((?:' + LITERAL + r'\s*)+)\}', source):
        text = ''.join(unescape(p) for p in re.findall(LITERAL, m.group(2)))
        table.append((text, m.group(1)))
    return sorted(table, key=lambda entry: int(entry[1]))


def menu_captions():
    source = open(os.path.join(TEXT, 'menu_table.cpp'), encoding='utf-8').read()
    captions = []
    for m in re.finditer(r'(?:Item|Popup)\(' + LITERAL, source):
        caption = unescape(m.group(1))
        if caption not in captions:
            captions.append(caption)
    return [(c, '') for c in captions]


def read_ts(path):
    root = ET.parse(path).getroot()
    contexts = []
    for c in root.findall('context'):
        messages = []
        for m in c.findall('message'):
            t = m.find('translation')
            messages.append((m.findtext('source', ''), m.findtext('comment', ''), t.text or '', t.get('type', '')))
        contexts.append((c.findtext('name'), messages))
    return root.get('language', ''), contexts


def lupdate_contexts():
    with tempfile.TemporaryDirectory() as scratch:
        found = os.path.join(scratch, 'found.ts')
        subprocess.run([LUPDATE, os.path.join(ROOT, 'src'), '-no-obsolete', '-locations', 'none', '-ts', found],
                       check=True, stdout=subprocess.DEVNULL)
        _, contexts = read_ts(found)
    return [(name, [(s, c) for s, c, _, _ in messages]) for name, messages in contexts]


def escape(text):
    return text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;').replace('"', '&quot;')


def write_ts(path, language, contexts):
    out = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
           '<TS version="2.1" language="%s" sourcelanguage="en">' % language]
    for name, messages in contexts:
        out += ['<context>', '    <name>%s</name>' % escape(name)]
        for source, comment, translation, kind in messages:
            out.append('    <message>')
            out.append('        <source>%s</source>' % escape(source))
            if comment:
                out.append('        <comment>%s</comment>' % escape(comment))
            attribute = ' type="%s"' % kind if kind else ''
            out.append('        <translation%s>%s</translation>' % (attribute, escape(translation)))
            out.append('    </message>')
        out.append('</context>')
    out.append('</TS>')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(out) + '\n')


def sync():
    wanted = lupdate_contexts() + [('VnStrings', english_strings()), ('VnMenu', menu_captions())]
    for name in CATALOGUES:
        path = os.path.join(RESOURCES, name)
        language, contexts = read_ts(path)
        held = {(c, s, k): (t, kind) for c, messages in contexts for s, k, t, kind in messages}
        merged, added, dropped = [], 0, 0
        for context, messages in wanted:
            rows = []
            for source, comment in messages:
                translation, kind = held.get((context, source, comment), ('', 'unfinished'))
                added += (context, source, comment) not in held
                rows.append((source, comment, translation, kind))
            merged.append((context, rows))
        merged += [(c, m) for c, m in contexts if c in KEPT]
        kept = {(c, s, k) for c, rows in merged for s, k, _, _ in rows}
        dropped = sum(1 for key in held if key not in kept)
        write_ts(path, language, merged)
        print('%s: %d new (unfinished), %d dropped' % (name, added, dropped))


def check():
    bad = 0
    for name in CATALOGUES:
        _, contexts = read_ts(os.path.join(RESOURCES, name))
        for context, messages in contexts:
            for source, comment, translation, kind in messages:
                if kind or not translation.strip():
                    print('%s: %s %r %s' % (name, context, source, comment))
                    bad += 1
    return 1 if bad else 0


if __name__ == '__main__':
    if len(sys.argv) != 2 or sys.argv[1] not in ('sync', 'check'):
        sys.exit(__doc__)
    sys.exit(sync() if sys.argv[1] == 'sync' else check())
