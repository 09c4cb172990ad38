#!/usr/bin/env python3
"""Writes the page's catalogue, pagecatalogue.js: from every po/LANG.po, the translations of the
page's own words (the messages found in web/), as window.PageCatalogue, a language's code ->
its translations by "place\\u0004English". Fuzzy, obsolete and untranslated messages are left
out: the page shows those in English.

    web/pagecatalogue.py PO_FOLDER OUTPUT_FILE
"""
import json
import pathlib
import sys


def quoted(line):
    """The text of a po line's quoted string ('msgid "a\\"b"' -> 'a"b')."""
    return json.loads(line[line.index('"'):])


def entries(text):
    """Each message of a po file as a dict: its locations, flags and fields."""
    entry = {'locations': [], 'flags': ''}
    field = None
    for line in text.splitlines() + ['']:
        if not line.strip():
            if 'msgid' in entry:
                yield entry
            entry, field = {'locations': [], 'flags': ''}, None
        elif line.startswith('#~'):
            entry['obsolete'] = True
        elif line.startswith('#:'):
            entry['locations'] += line[2:].split()
        elif line.startswith('#,'):
            entry['flags'] += line[2:]
        elif line.startswith('"') and field:
            entry[field] += quoted(line)
        elif not line.startswith('#'):
            field = line.split(' ', 1)[0]
            entry[field] = quoted(line)


def page_translations(text):
    found = {}
    for entry in entries(text):
        on_the_page = any(location.startswith('web/') for location in entry['locations'])
        if (on_the_page and not entry.get('obsolete') and 'fuzzy' not in entry['flags']
                and entry.get('msgstr')):
            found[entry.get('msgctxt', '') + '\u0004' + entry['msgid']] = entry['msgstr']
    return found


def main(po_folder, output):
    catalogue = {po.stem: page_translations(po.read_text(encoding='utf-8'))
                 for po in sorted(pathlib.Path(po_folder).glob('*.po'))}
    pathlib.Path(output).write_text(
        '// Written by web/pagecatalogue.py from po/*.po: the page\'s words in each language.\n'
        'window.PageCatalogue = ' + json.dumps(catalogue, ensure_ascii=False, sort_keys=True, indent=1) + ';\n',
        encoding='utf-8')


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
