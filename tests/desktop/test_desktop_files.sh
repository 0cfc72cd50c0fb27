#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The files the desktop reads, checked as the desktop and software centres check them, and
# kept in step with the program: each of the program's languages names it, the man page
# names every option the program takes, and the latest release in the metainfo is the
# program's version.
set -euo pipefail
src=${1:?source folder}
bin=${2:?program folder}
id=org.moravel.Moravel
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$src/data/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$src/data/$id.metainfo.xml" || fail "appstreamcli validate"
grep -qx "Icon=$id" "$src/data/$id.desktop" || fail "the desktop entry names another icon"
# Every language of the program names and describes it in the menu and the software centre.
for language in de es fr; do
  for key in Name GenericName Comment; do
    grep -q "^$key\[$language\]=." "$src/data/$id.desktop" || fail "the desktop entry has no $key[$language]"
  done
  for element in name summary; do
    grep -q "<$element xml:lang=\"$language\">[^<]" "$src/data/$id.metainfo.xml" ||
      fail "the metainfo has no $element in $language"
  done
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$src/data/$id.metainfo.xml" \
  || fail "the metainfo launches another desktop entry"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$src/data/moravel.6" 2>&1 >/dev/null || true)
[ -z "$warnings" ] || fail "man page: $warnings"
page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$src/data/moravel.6" 2>/dev/null | col -b)
for option in $("$bin/moravel" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$page" || fail "the man page does not describe $option"
done

version=$("$bin/moravel" --version | awk '{print $2}')
latest=$(grep -o '<release version="[^"]*"' "$src/data/$id.metainfo.xml" | head -n 1 | cut -d'"' -f2)
[ "$version" = "$latest" ] || fail "version $version, latest release in the metainfo $latest"
grep -q "\"Moravel $version\"" "$src/data/moravel.6" || fail "the man page is not of version $version"
echo "PASS"
