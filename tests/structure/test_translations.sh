#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lupdate over the sources into copies of the .ts files: every text it finds must have a
# finished, non-empty translation in every language, and no translation may be left over
# for a text that is gone. The .ts files in the tree are not touched. Every page of the
# help book has its translation in every language, and a translated page is not the
# English page copied.
set -euo pipefail
SRC=${1:?source tree}
LUPDATE=${2:?lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
LANGUAGES=(de es fr)
failed=0
for language in "${LANGUAGES[@]}"; do
  [ -f "$SRC/translations/moravel_$language.ts" ] ||
    { echo "missing: translations/moravel_$language.ts"; failed=1; }
  for page in "$SRC"/data/help/*.html; do
    translated="$SRC/data/help/$language/$(basename "$page")"
    if [ ! -f "$translated" ]; then
      echo "help page without its translation: help/$language/$(basename "$page")"
      failed=1
    elif cmp -s "$page" "$translated"; then
      echo "help page not translated: help/$language/$(basename "$page")"
      failed=1
    fi
  done
done
found=0
for ts in "$SRC"/translations/moravel_*.ts; do
  found=$((found + 1))
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$LUPDATE" -silent -locations none -extensions cpp,h "$SRC/src" -ts "$copy"
  if ! python3 - "$copy" <<'PY'; then
import sys
import xml.etree.ElementTree as ET
path = sys.argv[1]
bad = []
total = 0
for context in ET.parse(path).getroot().iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        total += 1
        source = message.findtext('source')
        translation = message.find('translation')
        kind = translation.get('type', '') if translation is not None else 'missing'
        text = (translation.text or '') if translation is not None else ''
        if kind in ('unfinished', 'missing') or not text.strip():
            bad.append('without a translation: %s: %r' % (name, source))
        elif kind in ('vanished', 'obsolete'):
            bad.append('left over: %s: %r' % (name, source))
for line in bad:
    print('%s: %s' % (path.rsplit('/', 1)[-1], line))
print('%s: %d texts, %d to fix' % (path.rsplit('/', 1)[-1], total, len(bad)))
sys.exit(1 if bad or total == 0 else 0)
PY
    failed=1
  fi
done
[ "$found" -ge "${#LANGUAGES[@]}" ] || { echo "FAIL: expected the ${LANGUAGES[*]} .ts files, found $found"; exit 1; }
[ "$failed" -eq 0 ] || { echo "FAIL: run 'cmake --build build --target update_translations' and translate in Qt Linguist; translate the help pages named above"; exit 1; }
echo PASS
