#!/usr/bin/env bash
# Refreshes the translations' template, po/tobrakka.pot, from the code: every message marked with
# Tr, TrN or NoTr (the place first, then the English) in src/ and tools/assetgen/, and with Tr
# in the page's scripts, web/page.js and web/pagesaves.js, and the names of the game's own levels in
# its level lists. Then merges the template into every po/LANG.po (msgmerge), so
# each holds every message of the code: a new one untranslated, a changed one marked fuzzy, a
# gone one kept as obsolete at the end. docs/translating.md tells the rest.
#
#   scripts/translations.sh            refresh po/tobrakka.pot and merge it into po/*.po
#   scripts/translations.sh --pot FILE write the template from the code into FILE, and nothing else
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/debianpackages.sh
command -v xgettext >/dev/null || install_missing gettext

pot=po/tobrakka.pot
[ "${1:-}" = "--pot" ] && pot=$2

# In a fixed order, with no dates, so that the same code always gives the same template.
mapfile -t sources < <(find src tools/assetgen -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
common=(--from-code=UTF-8 --force-po --add-location=file --add-comments=TRANSLATORS: --sort-by-file --no-wrap
        --package-name=Tobrakka --msgid-bugs-address=tobrakka@users.noreply.invalid)
xgettext "${common[@]}" --language=C++ --keyword --keyword=Tr:1c,2 --keyword=TrN:1c,2,3 --keyword=NoTr:1c,2 \
  --flag=Tr:2:c-format --flag=TrN:2:c-format --flag=TrN:3:c-format --flag=NoTr:2:c-format \
  -o "$pot.new" "${sources[@]}"
xgettext "${common[@]}" --join-existing --language=JavaScript --keyword --keyword=Tr:1c,2 -o "$pot.new" web/page.js web/pagesaves.js
# The names of the game's own levels, from its level lists (the game's own and its notebooks').
python3 - data/levels.xml data/packs/*/pack.xml >"$pot.names" <<'NAMES'
import json, sys, xml.etree.ElementTree as tree
for path in sys.argv[1:]:
    for level in tree.parse(path).getroot().iter('Level'):
        if level.get('name'):
            print(f'#: {path}\nmsgctxt "level name"\nmsgid {json.dumps(level.get("name"), ensure_ascii=False)}\nmsgstr ""\n')
NAMES
xgettext "${common[@]}" --join-existing --language=PO -o "$pot.new" "$pot.names"
rm "$pot.names"
sed -i -e '/^"POT-Creation-Date:/d' -e 's/charset=CHARSET/charset=UTF-8/' "$pot.new"
mv "$pot.new" "$pot"
[ "${1:-}" = "--pot" ] && exit 0

for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-wrap --previous "$po" "$pot"
done
echo "refreshed $pot and merged it into: $(ls po/*.po | tr '\n' ' ')"
