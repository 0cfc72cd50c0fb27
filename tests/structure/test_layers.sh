#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers as the build sees them (cmake --graphviz): the logic library and its tests
# reach no Gui, widgets or multimedia, the platform code no widgets, and the windows no
# platform code.
set -euo pipefail
source_dir=${1:?source folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source_dir" -B "$work" --graphviz="$work/deps.dot" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }
reaches() { grep -q -- "$2" "$work/deps.dot.$1"; }

for forbidden in Qt6::Gui Qt6::Widgets Qt6::Multimedia Qt6::Svg moravel_platform moravel_ui; do
  ! reaches moravel_logic "\"$forbidden\"" || fail "moravel_logic links $forbidden"
done
! reaches moravel_ui '"moravel_platform"' || fail "moravel_ui links moravel_platform"
# The platform code plays sound and keeps time without widgets: no window is repainted or
# waited on from below.
! reaches moravel_platform '"Qt6::Widgets"' || fail "moravel_platform links Qt6::Widgets"
for test in tst_keymap tst_randomdrill tst_eventstream tst_memorydrill tst_preschooldrill \
  tst_sequentialdrill tst_soak; do
  for forbidden in Qt6::Gui Qt6::Widgets moravel_platform moravel_ui; do
    ! reaches "$test" "\"$forbidden\"" || fail "logic test $test links $forbidden"
  done
done
echo "PASS"
