#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a German system language: the name prompt, the menus (reached by
# their German access letters) and a dialog speak German, and a preschool game of two
# tasks per hand still appends the results log's English record, byte for byte.
source "$(dirname "$0")/lib.sh"

use_language de_DE.UTF-8

start_display
start_sound
(cd "$APP_DIR" && exec ./moravel) >"$WORK/app.out" 2>&1 &
APP_PID=$!
wait_window "Gib deinen Namen für das Ergebnisprotokoll ein"
type_text "Lena"
keys Return
wait_window "Moravel"
sleep 0.5

# Optionen > Anzahl der Aufgaben: "&Anzahl" is the German access letter (the English
# "&Number of tasks" has another), and the dialog has its German title.
keys alt+o a
set_count "Anzahl der Aufgaben wählen" "2"

play_two_tasks_english_log "Lena"
echo "PASS"
