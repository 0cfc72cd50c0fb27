#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a French system language: the name prompt, the menus (reached by
# their French access letters) and a dialog speak French, a preschool game of two tasks
# per hand still appends the results log's English record, byte for byte, and F1 opens
# the French help book.
source "$(dirname "$0")/lib.sh"

use_language fr_FR.UTF-8

start_display
start_sound
(cd "$APP_DIR" && exec ./moravel) >"$WORK/app.out" 2>&1 &
APP_PID=$!
wait_window "Écris ton nom pour personnaliser le journal des résultats"
type_text "Lea"
keys Return
wait_window "Moravel"
sleep 0.5

# Options > Nombre de tâches by its French access letter, in a dialog with its French title.
keys alt+o n
set_count "Choisis le nombre de tâches" "2"

play_two_tasks_english_log "Lea"

# The help book speaks French too.
keys F1
wait_window "Aide de Moravel"
echo "PASS"
